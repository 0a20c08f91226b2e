#pragma once
// The property every file format has: random valid contents encoded and
// decoded come back the same field by field, and encoded again give the
// same bytes.
#include <gtest/gtest.h>

#include <string>

#include "support/RandomRecords.h"

namespace saltmark::test {

// make(random, i) gives the i-th case.
template <typename Make, typename Encode, typename Decode>
void ExpectEncodingsRoundTrip(std::uint32_t seed, int cases, Make make, Encode encode, Decode decode) {
  RandomRecords random(seed);
  for (int i = 0; i < cases; ++i) {
    SCOPED_TRACE(i);
    const auto written = make(random, i);
    const std::string bytes = encode(written);
    const auto read = decode(bytes);
    ASSERT_EQ(read, written);
    ASSERT_EQ(encode(read), bytes);  // -0.0 and every bit of the numbers too
  }
}

}  // namespace saltmark::test
