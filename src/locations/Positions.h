#pragma once
// Positions as the mariner types and reads them. Inside the program a
// position is latitude and longitude in radians, north and east positive;
// on screen and in the databases it is text such as 50°45.3'N and 001°12.0'W
// (degrees with two or three digits, the degree sign, minutes with one
// decimal, an apostrophe, the hemisphere letter; the degree sign is the
// single byte '\xB0').
//
// Typed text is read through a small template, one character at a time, while
// a cursor walks the text:
//   "*"       skip to the next digit or point and take the run of digits and
//             points there as the next number: degrees, then minutes, then
//             seconds (further numbers are ignored);
//   "d" "m" "s"  take the one character under the cursor into the degrees,
//             minutes or seconds;
//   anything else  step over one character.
// Reading stops when the cursor passes the end of the text. Every box uses
// "**": the first number is degrees, the second (decimal) minutes, whatever
// stands between them, so 50 45.3N, 50°45.3'N, 50-45.3 n and 50,45.3 all read
// 50°45.3'N, and 50.755 reads as 50.755 degrees. An "S" (latitude) or "W"
// (longitude) anywhere in the text, in either case, makes the angle south or west.
#include <string>
#include <string_view>

#include "data/LocationIndex.h"

namespace saltmark {

inline constexpr int kLatitude = 1;
inline constexpr int kLongitude = 2;
inline constexpr std::string_view kPositionTemplate = "**";
inline constexpr char kDegreeSign = '\xB0';

// True for "0".."9", "." and the empty text (the end of a text counts as a number character).
bool IsNumberChar(std::string_view character);

// kind 1 latitude, 2 longitude; radians. A number too large to hold reads as 0.
double ParseAngleText(int kind, std::string_view templateText, std::string_view text);
double ParseLatitude(std::string_view templateText, std::string_view text);
double ParseLongitude(std::string_view templateText, std::string_view text);

// The display text of an angle (kind 1 latitude, otherwise longitude): the
// angle is brought into (-180, 180] degrees, 0 counts as north or east, and
// minutes that show as 60.0 carry into the degrees (50°59.97'N shows as
// 51°00.0'N). An angle that is not a number shows as 0.
std::string FormatLatLon(double radians, int kind);

// A box's text after it loses the focus: read and written back in the display form.
std::string NormaliseLatitudeText(std::string_view text);
std::string NormaliseLongitudeText(std::string_view text);

// The name of a location in the location index (numbers 0..5000); empty when there is none.
std::string LocationName(const LocationIndex& index, int locationNumber);

}  // namespace saltmark
