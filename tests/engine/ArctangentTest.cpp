#include "engine/Arctangent.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace saltmark {
namespace {

double errorInUlps(double got, long double exact) {
  const double scale = std::ldexp(1.0, std::ilogb(static_cast<double>(exact)) - 52);
  return static_cast<double>(std::fabs(static_cast<long double>(got) - exact) / scale);
}

TEST(Arctangent, WithinOneUnitInTheLastPlaceInEveryReductionBand) {
  // Each band goes through its own identity; the last reaches 1e300.
  struct Band {
    double from, to;
  };
  std::mt19937_64 random(3);
  for (const Band band : {Band{1e-30, 1e-8}, Band{1e-8, 0.4375}, Band{0.4375, 0.6875}, Band{0.6875, 1.1875},
                          Band{1.1875, 2.4375}, Band{2.4375, 1e3}, Band{1e3, 1e300}}) {
    std::uniform_real_distribution<double> exponent(std::log(band.from), std::log(band.to));
    double worst = 0;
    for (int i = 0; i < 100000; ++i) {
      const double z = (i % 2 ? -1 : 1) * std::exp(exponent(random));
      worst = std::max(worst, errorInUlps(Arctangent(z), std::atan(static_cast<long double>(z))));
    }
    EXPECT_LT(worst, 1.0) << band.from << " to " << band.to;
  }
}

TEST(Arctangent, SpecialValuesAndLanes) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(Arctangent(0.0), 0.0);
  EXPECT_TRUE(std::signbit(Arctangent(-0.0)));
  EXPECT_DOUBLE_EQ(Arctangent(inf), std::atan(inf));
  EXPECT_DOUBLE_EQ(Arctangent(-inf), std::atan(-inf));
  EXPECT_TRUE(std::isnan(Arctangent(std::numeric_limits<double>::quiet_NaN())));
  // The band edges themselves.
  for (const double z : {0.4375, 0.6875, 1.1875, 2.4375, 1.0, 0.5, 1.5})
    EXPECT_LT(errorInUlps(Arctangent(z), std::atan(static_cast<long double>(z))), 1.0) << z;

  std::vector<double> z = {0.1, -0.5, 0.9, -1.3, 3, -300, 0.44, 2.5, -0.7};
  for (std::size_t count = 0; count <= z.size(); ++count) {
    std::vector<double> angle(count);
    ArctangentEach(z.data(), angle.data(), count);
    for (std::size_t i = 0; i < count; ++i) EXPECT_EQ(angle[i], Arctangent(z[i])) << count << " " << i;
  }
}

TEST(Arctangent, FullCircleAnglesCoverTheTurnAndLanesGiveTheAnglesOneAtATime) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double y, x, eighthsOfATurn;
  };
  // Every quadrant, both axes, the null vector, a missing x, extreme ratios.
  const std::vector<Case> cases = {
      {1, 1, 1},   {1, -1, 3},   {-1, -1, 5},     {-1, 1, 7},      {0, 1, 0},     {0, -1, 4}, {2, 0, 2},
      {-2, 0, 6},  {0, 0, 0},    {3, nan, 2},     {-3, nan, 6},    {0.5, 1e300, 0}, {1e-300, -1, 4}, {-0.0, -5, 4}};
  std::vector<double> y, x;
  for (const Case& c : cases) {
    y.push_back(c.y);
    x.push_back(c.x);
    EXPECT_NEAR(FullCircleArctan(c.y, c.x), c.eighthsOfATurn * std::acos(-1.0) / 4, 1e-12) << c.y << " " << c.x;
  }
  for (std::size_t count = 0; count <= cases.size(); ++count) {
    std::vector<double> angle(count);
    FullCircleArctanEach(y.data(), x.data(), angle.data(), count);
    for (std::size_t i = 0; i < count; ++i) EXPECT_EQ(angle[i], FullCircleArctan(y[i], x[i])) << count << " " << i;
  }
}

}  // namespace
}  // namespace saltmark
