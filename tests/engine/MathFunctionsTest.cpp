// The engine's own sine, cosine and arctangent: within one unit in the last
// place of the exact value, and the same bits whether taken alone or in lanes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "engine/Arctangent.h"
#include "engine/SineCosine.h"

namespace saltmark {
namespace {

constexpr double kPiExact = std::numbers::pi;
const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// The error in units of the last place of the exact value's binade.
double errorInUlps(double got, long double exact) {
  const double scale = std::ldexp(1.0, std::ilogb(static_cast<double>(exact)) - 52);
  return static_cast<double>(std::fabs(static_cast<long double>(got) - exact) / scale);
}

TEST(Arctangent, WithinOneUnitInTheLastPlaceInEveryReductionBand) {
  // Each band goes through its own identity; the last reaches 1e300.
  const double edges[] = {1e-30, 1e-8, 0.4375, 0.6875, 1.1875, 2.4375, 1e3, 1e300};
  std::mt19937_64 random(3);
  for (int band = 0; band < 7; ++band) {
    std::uniform_real_distribution<double> exponent(std::log(edges[band]), std::log(edges[band + 1]));
    double worst = errorInUlps(Arctangent(edges[band]), std::atan(static_cast<long double>(edges[band])));
    for (int i = 0; i < 100000; ++i) {
      const double z = (i % 2 ? -1 : 1) * std::exp(exponent(random));
      worst = std::max(worst, errorInUlps(Arctangent(z), std::atan(static_cast<long double>(z))));
    }
    EXPECT_LT(worst, 1.0) << edges[band] << " to " << edges[band + 1];
  }
  EXPECT_EQ(Arctangent(0.0), 0.0);
  EXPECT_TRUE(std::signbit(Arctangent(-0.0)));
  EXPECT_DOUBLE_EQ(Arctangent(-kInf), -kPiExact / 2);
  EXPECT_TRUE(std::isnan(Arctangent(kNan)));
}

TEST(Arctangent, FullCircleAnglesCoverTheTurnAndLanesGiveTheAnglesOneAtATime) {
  // Every quadrant, both axes, the null vector, a missing x, extreme ratios.
  const struct { double y, x, eighthsOfATurn; } cases[] = {
      {1, 1, 1},  {1, -1, 3}, {-1, -1, 5}, {-1, 1, 7},    {0, 1, 0},         {0, -1, 4},      {2, 0, 2},
      {-2, 0, 6}, {0, 0, 0},  {3, kNan, 2}, {-3, kNan, 6}, {0.5, 1e300, 0}, {1e-300, -1, 4}, {-0.0, -5, 4}};
  std::vector<double> y, x;
  for (const auto& c : cases) {
    y.push_back(c.y);
    x.push_back(c.x);
    EXPECT_NEAR(FullCircleArctan(c.y, c.x), c.eighthsOfATurn * kPiExact / 4, 1e-12) << c.y << " " << c.x;
  }
  // The y values reach every reduction band, so they serve as the plain arctangent's lanes too.
  for (std::size_t count = 0; count <= y.size(); ++count) {
    std::vector<double> angle(count), plain(count);
    FullCircleArctanEach(y.data(), x.data(), angle.data(), count);
    ArctangentEach(y.data(), plain.data(), count);
    for (std::size_t i = 0; i < count; ++i) {
      EXPECT_EQ(angle[i], FullCircleArctan(y[i], x[i])) << count << " " << i;
      EXPECT_EQ(plain[i], Arctangent(y[i])) << count << " " << i;
    }
  }
}

TEST(SineCosine, WithinOneUnitInTheLastPlaceOverTheEnginesAngles) {
  // From the shallow-water phases to the Moon's longitude a century on.
  std::mt19937_64 random(7);
  for (const double limit : {1.0, 10.0, 2e4, 9.9e5}) {
    std::uniform_real_distribution<double> angle(-limit, limit);
    double worstSine = 0, worstCosine = 0;
    for (int i = 0; i < 200000; ++i) {
      const double x = angle(random);
      const SineAndCosine got = SinCos(x);
      worstSine = std::max(worstSine, errorInUlps(got.sine, std::sin(static_cast<long double>(x))));
      worstCosine = std::max(worstCosine, errorInUlps(got.cosine, std::cos(static_cast<long double>(x))));
    }
    EXPECT_LT(worstSine, 1.0) << limit;
    EXPECT_LT(worstCosine, 1.0) << limit;
  }
}

// The quarter turns are within the sweep above; here what lies outside it.
TEST(SineCosine, SpecialValuesAndTheLibraryBeyondTheReducedRange) {
  for (const double x : {kNan, kInf, -kInf})
    EXPECT_TRUE(std::isnan(SinCos(x).sine) && std::isnan(SinCos(x).cosine)) << x;
  // Beyond the reduced range the C library answers.
  EXPECT_EQ(SinCos(3.7e7).sine, std::sin(3.7e7));
  EXPECT_EQ(SinCos(-1e6).cosine, std::cos(-1e6));
}

TEST(SineCosine, EveryCountAndLaneGivesTheSameBitsAsOneAtATime) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> angle(-5e4, 5e4);
  for (std::size_t count = 0; count <= 11; ++count) {
    std::vector<double> x(count), s(count), c(count), s2(count), c2(count);
    for (double& value : x) value = angle(random);
    if (count == 7) x[5] = 4e6;  // one lane left to the C library
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
