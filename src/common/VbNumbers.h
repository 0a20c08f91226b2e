#pragma once
// Number conversions with the rules the program's files and text boxes rely
// on: whole-number conversions round halves to even and refuse values out of
// range, Int is the floor, and a text reads as its leading number (0 if none).
#include <cstdint>
#include <string_view>

namespace saltmark {

// The leading number of a text: leading blanks skipped, then an optional
// sign, digits with an optional "." and an optional exponent (E or D).
// A text without a leading number reads as 0; it never fails.
double Val(std::string_view text);

// Round to the nearest whole number, halves to even; out of range throws
// RuntimeError(errc::kOverflow).
std::int16_t CInt(double value);
std::int32_t CLng(double value);

// The floor, as a double (VB's Int).
double Int(double value);

// Round to single precision, where the stored values are singles.
inline float Single(double value) { return static_cast<float>(value); }

// Sign as -1, 0 or +1.
int Sgn(double value);

inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kDegreesToRadians = 0.017453292519943278;
inline constexpr double kFeetPerMetre = 3.2808398950131235;

}  // namespace saltmark
