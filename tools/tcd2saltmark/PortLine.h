#pragma once
// A converted port written as a tide database line: name, zone, position and
// the 13 harmonic texts; the monthly and spring-neap fields stay blank (0),
// as the public constants give no seasonal levels.
#include <array>
#include <string>
#include <string_view>

#include "SimplePort.h"

namespace saltmark::tcd {

// A station name as a location line and the lists can carry it: the commas
// that separate the line's fields become " - " ("Boston, Massachusetts" is
// "Boston - Massachusetts"), control characters go, blanks are trimmed, a
// leading "$" (which would make the line a header) is dropped, and an empty
// name becomes "Unnamed station". Latin-1 letters stay as they are.
std::string CleanPortName(std::string_view name);

// The 13 harmonic texts in the engine's order: mean level, then phase and
// amplitude of M2, S2, K1 and O1, then phase and coefficient of the
// quarter-diurnal and sixth-diurnal terms.
std::array<std::string, 13> HarmonicTexts(const SimplePort& port);

// The zone field: hours positive west, no needless decimals ("5", "-10", "3.5").
std::string ZoneText(double hoursWest);

// The 55 fields; the name must already be clean. Latitude and longitude in
// degrees, north and east positive, written as whole degrees and minutes.
std::string FormatLocationLine(std::string_view cleanName, const SimplePort& port, double latitude,
                               double longitude);

// The port as the program will read it back from its texts, so that error
// figures are those of the stored values.
SimplePort AsStored(const SimplePort& port);

}  // namespace saltmark::tcd
