#pragma once
// Heights as the mariner reads and types them, in the current height unit:
// metres when the settings record's metricUnits is set, feet otherwise.
// Heights are converted once, on entry (ParseHeight), and printed as held.
//
// Shown forms (between ‹ ›, blanks included):
//   metric, style 1  one decimal, a leading blank unless negative: ‹ 3.3› ‹-0.5› ‹ 0.0›
//   metric, style 2  two decimals, no leading blank:               ‹3.25› ‹-2.50› ‹0.00›
//   feet (any style) sign or blank, feet, "'", inches, a blank:    ‹ 8' 6 › ‹-12'11 ›
//                    inches are truncated, never rounded.
// Typed forms read by ParseHeight: a plain number in the current unit; a number
// ending in "m" (metres, converted when in feet); feet and inches as 8'6
// (converted when in metres). A text holding both "'" and "m" reads as 0.
#include <cstdint>
#include <string>
#include <string_view>

#include "data/Settings.h"
#include "platform/Platform.h"

namespace saltmark {

// Heights whose magnitude exceeds this are refused on entry.
inline constexpr float kHeightInputLimit = 199.0f;

// style 1 or 2; any other style gives an empty text in metres (feet ignore it).
// A height of 32768 ft or more overflows the feet count: RuntimeError(kOverflow).
std::string FormatHeight(double height, std::int16_t style, const Settings& settings);
std::string FormatHeight1(float height, const Settings& settings);
std::string FormatHeight2(float height, const Settings& settings);

// Reads a typed height. Leading blanks are removed from `text` itself (the
// caller's box shows the trimmed text). A value beyond +-199 in the current
// unit, or a number too large to hold, shows "Inappropriate Input Value"
// (exclamation icon) and gives 0.
float ParseHeight(std::string& text, const Settings& settings, Platform& platform);

// "UKC ", the clearance in style 1, a blank: the height read from heightText
// (as FormatHeight shows it) plus the charted depth minus the draught.
std::string FormatUkc(std::string_view heightText, const Settings& settings, Platform& platform);

// "Metres" or "Ft and inches".
std::string UnitsCaption(const Settings& settings);

}  // namespace saltmark
