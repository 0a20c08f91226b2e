#include "tables/HeightText.h"

#include <cmath>

#include "common/NumberFormat.h"
#include "common/RuntimeError.h"
#include "common/VbNumbers.h"

namespace saltmark {

namespace {

std::string feetFigure(std::int16_t count) {
  return FormatNumberPoint(count, count < 10 ? " 0" : "00");
}

std::string feetAndInches(double height) {
  const std::string sign = height < 0 ? "-" : " ";
  const double magnitude = std::fabs(height);
  std::int16_t feet = CInt(Int(magnitude));
  std::int16_t inches = CInt(Int((magnitude - feet) * 12));
  if (inches == 12) {  // a magnitude just below a whole foot
    inches = 0;
    feet = CInt(feet + 1.0);
  }
  return sign + feetFigure(feet) + "'" + feetFigure(inches) + " ";
}

// The value of a typed height before the range check.
double typedHeightValue(const std::string& text, bool metric) {
  const std::size_t feetMark = text.find('\'');
  const bool hasMetresMark = text.find('m') != std::string::npos;
  if (feetMark != std::string::npos && hasMetresMark) return 0.0;
  if (feetMark == std::string::npos) {
    double value = Val(text);
    if (!metric && !text.empty() && text.back() == 'm') value *= kFeetPerMetre;
    return value;
  }
  // The sign is the text's first character; the feet are read after it, so
  // that a negative height as shown ("- 2' 7 ") reads back whole.
  const bool negative = text.front() == '-';
  const std::string_view feet = std::string_view(text).substr(negative ? 1 : 0, feetMark - (negative ? 1 : 0));
  double value = std::fabs(Val(feet)) + Val(std::string_view(text).substr(feetMark + 1)) / 12;
  if (negative) value = -value;
  if (metric) value /= kFeetPerMetre;
  return value;
}

}  // namespace

std::string FormatHeight(double height, std::int16_t style, const Settings& settings) {
  if (!settings.metric()) return feetAndInches(height);
  if (style == 1) return FormatNumberPoint(height, " ##0.0;-##0.0; 0.0");
  if (style == 2) return FormatNumberPoint(height, "##0.00;-##0.00;#0.00");
  return {};
}

std::string FormatHeight1(float height, const Settings& settings) { return FormatHeight(height, 1, settings); }

std::string FormatHeight2(float height, const Settings& settings) { return FormatHeight(height, 2, settings); }

float ParseHeight(std::string& text, const Settings& settings, Platform& platform) {
  text.erase(0, std::min(text.find_first_not_of(' '), text.size()));
  float value = 0;
  bool acceptable = true;
  try {
    value = Single(typedHeightValue(text, settings.metric()));
    acceptable = std::fabs(value) <= kHeightInputLimit;
  } catch (const RuntimeError&) {  // a number too large to hold
    acceptable = false;
  }
  if (!acceptable) {
    platform.message("Inappropriate Input Value", MessageIcon::Exclamation, MessageButtons::Ok, kAppTitle);
    return 0;
  }
  return value;
}

std::string FormatUkc(std::string_view heightText, const Settings& settings, Platform& platform) {
  std::string text(heightText);
  const double height = ParseHeight(text, settings, platform);
  const float clearance = Single(height + settings.chartedDepth - settings.draught);
  return "UKC " + FormatHeight1(clearance, settings) + " ";
}

std::string UnitsCaption(const Settings& settings) { return settings.metric() ? "Metres" : "Ft and inches"; }

}  // namespace saltmark
