#include "data/LocationLine.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "common/VbNumbers.h"
#include "data/FieldCursor.h"

namespace saltmark {

namespace {

// A number rounded to whole units (halves away from zero) with at least
// minDigits digits: the "##0" and "00" display patterns.
std::string formatWhole(double value, int minDigits) {
  double rounded = std::round(value);
  if (rounded == 0) rounded = 0;  // no "-0"
  char text[400];
  std::snprintf(text, sizeof text, "%0*.0f", minDigits + (rounded < 0 ? 1 : 0), rounded);
  return text;
}

template <std::size_t N>
void readInto(std::array<std::string, N>& texts, FieldCursor& cursor) {
  for (auto& text : texts) text = cursor.next();
}

}  // namespace

std::string FormatPositionPart(std::string_view degrees, std::string_view minutes,
                               std::string_view hemisphere) {
  std::string text = formatWhole(Val(degrees), 1);
  text += '\xB0';
  text += formatWhole(Val(minutes), 2);
  text += '\'';
  if (!hemisphere.empty())
    text += static_cast<char>(std::toupper(static_cast<unsigned char>(hemisphere.front())));
  return text;
}

LocationRecord ParseLocationLine(std::string_view line) {
  FieldCursor cursor;
  LocationRecord record;
  record.portName = cursor.restart(line);
  record.portZone = cursor.next();
  const std::string latDegrees = cursor.next();
  const std::string latMinutes = cursor.next();
  const std::string latHemisphere = cursor.next();
  const std::string lonDegrees = cursor.next();
  const std::string lonMinutes = cursor.next();
  const std::string lonHemisphere = cursor.next();
  readInto(record.harmonic, cursor);
  readInto(record.monthlyLevel, cursor);
  readInto(record.monthlyAmplitude, cursor);
  readInto(record.springNeapLevel, cursor);

  record.latitudeText = FormatPositionPart(latDegrees, latMinutes, latHemisphere);
  record.longitudeText = FormatPositionPart(lonDegrees, lonMinutes, lonHemisphere);
  record.positionText = record.latitudeText + " " + record.longitudeText;
  return record;
}

}  // namespace saltmark
