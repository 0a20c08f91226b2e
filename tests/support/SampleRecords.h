#pragma once
// A plausible record of each database, by name, for the tests that need
// records to write and compare and do not care about their values.
#include <cstdint>
#include <string>

#include "data/DifferenceRecord.h"
#include "data/StreamRecord.h"

namespace saltmark::test {

// The heading both kinds of record start with.
template <typename Record>
Record SampleHeading(const std::string& name, std::int16_t referencePort) {
  Record r;
  r.name = name;
  r.latitudeText = "50\xB0" "45.3'N";
  r.longitudeText = "001\xB0" "12.0'W";
  r.referencePort = referencePort;
  return r;
}

inline DifferenceRecord SampleSecondaryPort(const std::string& name) {
  auto r = SampleHeading<DifferenceRecord>(name, 101);
  r.diffText = {"4.50", "3.70", "1.80", "0.60", "+0030", "-0045", "0.20", "0.10", "0.00", "-0.10"};
  return r;
}

// A set that turns through the tide and rates that grow by the hour.
inline StreamRecord SampleDiamond(const std::string& name) {
  auto r = SampleHeading<StreamRecord>(name, 201);
  r.speedUnits = 1;
  for (std::size_t j = 0; j < r.direction.size(); ++j) {
    r.direction[j] = static_cast<std::int16_t>(j * 30 + 1);
    r.springRate[j] = static_cast<std::int16_t>(100 * j + 1);
    r.neapRate[j] = static_cast<std::int16_t>(50 * j + 1);
  }
  return r;
}

}  // namespace saltmark::test
