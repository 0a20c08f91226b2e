#pragma once
// A plausible record of each database, by name, for the tests that need
// records to write and compare and do not care about their values.
#include <cstdint>
#include <string>

#include "data/DifferenceRecord.h"
#include "data/StreamRecord.h"

namespace saltmark::test {

inline DifferenceRecord SampleSecondaryPort(const std::string& name) {
  return {name, "50\xB0" "45.3'N", "001\xB0" "12.0'W", 101, 0,
          {"4.50", "3.70", "1.80", "0.60", "+0030", "-0045", "0.20", "0.10", "0.00", "-0.10"}};
}

// A set that turns through the tide and rates that grow by the hour.
inline StreamRecord SampleDiamond(const std::string& name) {
  StreamRecord r{name, "50\xB0" "45.3'N", "001\xB0" "12.0'W", 201, 1, {}, {}, {}};
  for (std::size_t j = 0; j < r.direction.size(); ++j) {
    r.direction[j] = static_cast<std::int16_t>(j * 30 + 1);
    r.springRate[j] = static_cast<std::int16_t>(100 * j + 1);
    r.neapRate[j] = static_cast<std::int16_t>(50 * j + 1);
  }
  return r;
}

}  // namespace saltmark::test
