#pragma once
// The property every file format has: random valid contents encoded and
// decoded come back the same field by field, and encoded again give the
// same bytes.
#include <gtest/gtest.h>

#include <string>

#include "platform/ScriptedPlatform.h"
#include "support/RandomRecords.h"
#include "support/TestSupport.h"

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

// Runs check(random, dir, platform, i) for each of the cases written to a
// file and read back, all with one random stream, folder and platform; no
// message may come on the way.
template <typename Check>
void ForEachFileRoundTrip(std::uint32_t seed, int cases, Check check) {
  RandomRecords random(seed);
  TempDir dir;
  ScriptedPlatform platform;
  for (int i = 0; i < cases && !::testing::Test::HasFatalFailure(); ++i) {
    SCOPED_TRACE(i);
    check(random, dir, platform, i);
  }
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace saltmark::test
