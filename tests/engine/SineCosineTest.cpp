#include "engine/SineCosine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

namespace saltmark {
namespace {

constexpr double kPiExact = std::numbers::pi;

// The error in units of the last place of the exact value's binade.
double errorInUlps(double got, long double exact) {
  const double scale = std::ldexp(1.0, std::ilogb(static_cast<double>(exact)) - 52);
  return static_cast<double>(std::fabs(static_cast<long double>(got) - exact) / scale);
}

TEST(SineCosine, WithinOneUnitInTheLastPlaceOverTheEnginesAngles) {
  // From the shallow-water phases to the Moon's longitude a century on.
  struct Range {
    double limit;
  };
  std::mt19937_64 random(7);
  for (const Range range : {Range{1}, Range{10}, Range{2e4}, Range{9.9e5}}) {
    std::uniform_real_distribution<double> angle(-range.limit, range.limit);
    double worstSine = 0, worstCosine = 0;
    for (int i = 0; i < 200000; ++i) {
      const double x = angle(random);
      const SineAndCosine got = SinCos(x);
      worstSine = std::max(worstSine, errorInUlps(got.sine, std::sin(static_cast<long double>(x))));
      worstCosine = std::max(worstCosine, errorInUlps(got.cosine, std::cos(static_cast<long double>(x))));
    }
    EXPECT_LT(worstSine, 1.0) << range.limit;
    EXPECT_LT(worstCosine, 1.0) << range.limit;
  }
}

TEST(SineCosine, QuarterTurnsAndSpecialValues) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double x, sine, cosine;
  };
  for (const Case c : {Case{0, 0, 1}, Case{kPiExact / 2, 1, 0}, Case{kPiExact, 0, -1}, Case{-kPiExact / 2, -1, 0},
                       Case{3 * kPiExact / 2, -1, 0}, Case{2e4 * kPiExact, 0, 1}}) {
    const SineAndCosine got = SinCos(c.x);
    EXPECT_NEAR(got.sine, c.sine, 1e-11) << c.x;
    EXPECT_NEAR(got.cosine, c.cosine, 1e-11) << c.x;
  }
  for (const double x : {nan, inf, -inf}) {
    EXPECT_TRUE(std::isnan(SinCos(x).sine)) << x;
    EXPECT_TRUE(std::isnan(SinCos(x).cosine)) << x;
  }
  // Beyond the reduced range the C library answers.
  EXPECT_EQ(SinCos(3.7e7).sine, std::sin(3.7e7));
  EXPECT_EQ(SinCos(-1e6).cosine, std::cos(-1e6));
}

TEST(SineCosine, EveryCountAndLaneGivesTheSameBitsAsOneAtATime) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> angle(-5e4, 5e4);
  for (std::size_t count = 0; count <= 11; ++count) {
    std::vector<double> x(count), s(count), c(count);
    for (double& value : x) value = angle(random);
    if (count == 7) x[5] = 4e6;  // one lane left to the C library
    std::vector<double> s2(count), c2(count);
    SinCosEach(x.data(), s.data(), c.data(), count);
    SinCosEachInTwoLanes(x.data(), s2.data(), c2.data(), count);
    for (std::size_t i = 0; i < count; ++i) {
      EXPECT_EQ(s[i], SinCos(x[i]).sine) << count << " " << i;
      EXPECT_EQ(c[i], SinCos(x[i]).cosine) << count << " " << i;
      EXPECT_EQ(s2[i], s[i]) << count << " " << i;
      EXPECT_EQ(c2[i], c[i]) << count << " " << i;
    }
  }
}

}  // namespace
}  // namespace saltmark
