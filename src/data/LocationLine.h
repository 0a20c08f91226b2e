#pragma once
// One port's line of a tide database, split into the location record.
// The 55 comma-separated fields, in order: port name; the port's zone in hours
// (positive west); latitude degrees, minutes, hemisphere; longitude degrees,
// minutes, hemisphere; the 13 harmonic texts; 12 monthly mean levels; 12
// monthly amplitude factors; 10 spring-neap texts. Further fields are ignored.
#include <string>
#include <string_view>

#include "data/LocationRecord.h"

namespace saltmark {

inline constexpr int kLocationLineFields = 55;

// Throws RuntimeError(errc::kInvalidFormat) when the line has fewer fields.
LocationRecord ParseLocationLine(std::string_view line);

// A position as the program shows it: whole degrees, the degree sign, two-digit
// minutes, an apostrophe and the hemisphere's upper-case initial ("50\xB0" "48'N").
// Degrees and minutes are read with the leading-number rule and rounded.
std::string FormatPositionPart(std::string_view degrees, std::string_view minutes,
                               std::string_view hemisphere);

}  // namespace saltmark
