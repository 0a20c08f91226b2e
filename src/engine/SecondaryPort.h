#pragma once
// A secondary port's tide: the reference port's tide shifted by a time
// difference and raised by a height difference, both blended through the
// cycle by the cosine of the reference port's corrected M2 phase
// (c = +1 at high water, -1 at low water).
#include <cstdint>
#include <string_view>

#include "data/DifferenceRecord.h"

namespace saltmark {

// "+0130" is 90 minutes, "-0045" is -45.
std::int16_t ParseTimeDifference(std::string_view text);

// Hours to add to the secondary port's instant to get the reference port's
// (0 unless both time differences are given).
double TimeDifferenceHours(const DifferenceRecord& record, double c);

// Metres to add to the reference port's height h (metres) at the shifted instant.
double HeightDifference(const DifferenceRecord& record, double h, double c);

}  // namespace saltmark
