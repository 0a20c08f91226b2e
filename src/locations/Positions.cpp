#include "locations/Positions.h"

#include <array>
#include <cmath>

#include "common/NumberFormat.h"
#include "common/RuntimeError.h"
#include "common/VbNumbers.h"

namespace saltmark {

namespace {

bool isDigitOrPoint(char c) { return (c >= '0' && c <= '9') || c == '.'; }

// A collector's leading number as a single; one too large to hold reads as 0.
double collectedValue(const std::string& collected) {
  try {
    const float value = Single(Val(collected));
    return std::isfinite(value) ? value : 0.0;
  } catch (const RuntimeError&) {
    return 0.0;
  }
}

bool containsLetter(std::string_view text, char upper) {
  const char lower = static_cast<char>(upper - 'A' + 'a');
  return text.find(upper) != std::string_view::npos || text.find(lower) != std::string_view::npos;
}

}  // namespace

bool IsNumberChar(std::string_view character) {
  return character.empty() || (character.size() == 1 && isDigitOrPoint(character[0]));
}

double ParseAngleText(int kind, std::string_view templateText, std::string_view text) {
  std::array<std::string, 3> fields;  // degrees, minutes, seconds
  std::size_t numbersTaken = 0;
  std::size_t q = 0;
  const auto characterAt = [&text](std::size_t at) { return at < text.size() ? text.substr(at, 1) : std::string_view(); };

  for (const char t : templateText) {
    if (t == '*') {
      while (!IsNumberChar(characterAt(q))) ++q;
      const std::size_t start = q;
      while (q < text.size() && isDigitOrPoint(text[q])) ++q;
      if (numbersTaken < fields.size()) fields[numbersTaken] = std::string(text.substr(start, q - start));
      ++numbersTaken;
    } else if (t == 'd' || t == 'm' || t == 's') {
      fields[t == 'd' ? 0 : t == 'm' ? 1 : 2] += characterAt(q);
      ++q;
    } else {
      ++q;
    }
    if (q >= text.size()) break;
  }

  const double degrees = collectedValue(fields[0]) + collectedValue(fields[1]) / 60 + collectedValue(fields[2]) / 3600;
  double angle = degrees * kPi / 180;
  if ((kind == kLatitude && containsLetter(text, 'S')) || (kind == kLongitude && containsLetter(text, 'W')))
    angle = -angle;
  return angle;
}

double ParseLatitude(std::string_view templateText, std::string_view text) {
  return ParseAngleText(kLatitude, templateText, text);
}

double ParseLongitude(std::string_view templateText, std::string_view text) {
  return ParseAngleText(kLongitude, templateText, text);
}

std::string FormatLatLon(double radians, int kind) {
  double d = radians * 180 / kPi;
  if (!std::isfinite(d)) d = 0;
  // fmod first so that a huge angle does not take for ever; it leaves an
  // angle within one turn exactly as it was.
  d = std::fmod(d, 360.0);
  while (d <= -180) d += 360;
  while (d > 180) d -= 360;

  const bool latitude = kind == kLatitude;
  const char hemisphere = d < 0 ? (latitude ? 'S' : 'W') : (latitude ? 'N' : 'E');
  const double a = std::fabs(d);
  double wholeDegrees = std::floor(a);
  std::string minutes = FormatNumberPoint((a - wholeDegrees) * 60, "00.0");
  if (Val(minutes) == 60) {
    wholeDegrees += 1;
    minutes = "00.0";
  }
  return FormatNumberPoint(wholeDegrees, latitude ? "00" : "000") + kDegreeSign + minutes + "'" + hemisphere;
}

std::string NormaliseLatitudeText(std::string_view text) {
  return FormatLatLon(ParseLatitude(kPositionTemplate, text), kLatitude);
}

std::string NormaliseLongitudeText(std::string_view text) {
  return FormatLatLon(ParseLongitude(kPositionTemplate, text), kLongitude);
}

std::string LocationName(const LocationIndex& index, int locationNumber) { return index.LocationName(locationNumber); }

}  // namespace saltmark
