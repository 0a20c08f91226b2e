#pragma once
// A converted port written as a tide database line: name, zone, position,
// the 13 harmonic texts, the monthly levels and, for a port whose mean level
// follows the spring-neap cycle, the "w" marker and its levels. The monthly
// amplitudes stay blank; so do the seasonal fields of a port that has none.
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

// The 13 harmonic texts in the engine's order: mean level (or the "w"
// marker), then phase and
// amplitude of M2, S2, K1 and O1, then phase and coefficient of the
// quarter-diurnal and sixth-diurnal terms.
std::array<std::string, 13> HarmonicTexts(const SimplePort& port);

// The zone field: hours positive west, no needless decimals ("5", "-10", "3.5").
std::string ZoneText(double hoursWest);

// The 55 fields; the name must already be clean. Latitude and longitude in
// degrees, north and east positive, written as whole degrees and minutes.
std::string FormatLocationLine(std::string_view cleanName, const SimplePort& port, double latitude,
                               double longitude);

// The 12 monthly level texts (all blank when every correction is 0) and the
// 10 spring-neap texts (the day offset, an unused one, the 8 levels; all
// blank for a port that does not follow the cycle).
std::array<std::string, kMonths> MonthlyLevelTexts(const SimplePort& port);
std::array<std::string, 10> SpringNeapTexts(const SimplePort& port);

// The port as the program will read it back from its texts, so that error
// figures are those of the stored values. A port that follows the
// spring-neap cycle gets back as its mean level the average of its levels
// over the 15 days of the cycle.
SimplePort AsStored(const SimplePort& port);

}  // namespace saltmark::tcd
