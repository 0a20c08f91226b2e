#include "common/VbNumbers.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "common/RuntimeError.h"

namespace saltmark {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

double roundHalfEven(double value) {
  if (!std::isfinite(value)) throw RuntimeError(errc::kOverflow);
  // The default rounding mode is to nearest, ties to even; rint is nearbyint
  // but for the inexact flag, which nothing reads, and is built in.
  return std::rint(value);
}

}  // namespace

double Val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
  std::string number;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
  bool digits = false;
  while (i < text.size() && isDigit(text[i])) { number += text[i++]; digits = true; }
  if (i < text.size() && text[i] == '.') {
    number += text[i++];
    while (i < text.size() && isDigit(text[i])) { number += text[i++]; digits = true; }
  }
  if (!digits) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    bool expDigits = false;
    while (j < text.size() && isDigit(text[j])) { exponent += text[j++]; expDigits = true; }
    if (expDigits) number += exponent;
  }
  // from_chars reads "." whatever the user's locale, unlike strtod.
  const bool negative = number[0] == '-';
  const std::size_t first = (number[0] == '-' || number[0] == '+') ? 1 : 0;
  double value = 0.0;
  const auto result = std::from_chars(number.data() + first, number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (number.find("e-") == std::string::npos) throw RuntimeError(errc::kOverflow);
    value = 0.0;  // too small to hold: reads as 0
  }
  if (negative) value = -value;
  if (!std::isfinite(value)) throw RuntimeError(errc::kOverflow);
  return value;
}

std::int16_t CInt(double value) {
  double r = roundHalfEven(value);
  if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
    throw RuntimeError(errc::kOverflow);
  return static_cast<std::int16_t>(r);
}

std::int32_t CLng(double value) {
  double r = roundHalfEven(value);
  if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max())
    throw RuntimeError(errc::kOverflow);
  return static_cast<std::int32_t>(r);
}

double Int(double value) { return std::floor(value); }

int Sgn(double value) { return value > 0 ? 1 : (value < 0 ? -1 : 0); }

}  // namespace saltmark
