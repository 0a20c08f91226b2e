#pragma once
// A small hand-made stream database, so that the stream windows have
// something to show. Its stations are invented: their names say so
// ("Sample Stream A (not real data)").
#include <cstdint>
#include <vector>

#include "data/StreamRecord.h"

namespace saltmark::tcd {

inline constexpr const char* kSampleStreamFile = "SAMPLE.vel";

// Stations near a reference port (its index number and position in degrees):
// a rectilinear stream (flood north-east before high water, ebb south-west
// after it) and a rotary one turning clockwise through the tide.
std::vector<StreamRecord> SampleStreamRecords(std::int16_t referencePort, double latitude, double longitude);

}  // namespace saltmark::tcd
