#pragma once
// The shared value formatting of the program in one include: the number
// pattern engine, heights in the current unit, stream rates and directions,
// dates and times, the shift into a port's time base and the high and low
// water detectors.
#include "common/NumberFormat.h"
#include "tables/HeightText.h"
#include "tables/StreamText.h"
#include "tables/TimeText.h"
#include "tables/WaterDetectors.h"
#include "tables/ZoneShift.h"
