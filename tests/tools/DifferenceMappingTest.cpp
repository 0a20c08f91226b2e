// Subordinate stations as difference records: the text forms, the patterns
// the editor allows, and the heights the program then predicts.
#include <gtest/gtest.h>

#include "DifferenceMapping.h"
#include "common/VbNumbers.h"
#include "editors/DifferenceValues.h"
#include "engine/SecondaryPort.h"

namespace saltmark::tcd {
namespace {

SimplePort referencePort(double m2 = 1.0, double s2 = 0.25) {
  SimplePort p;
  p.meanLevel = 1.5;
  p.amplitude = {0.1, 0.15, m2, s2};
  return p;
}

SubordinateStation sub(int highTime, int lowTime, double highAdd, double lowAdd, double highRatio = 0,
                       double lowRatio = 0) {
  SubordinateStation s;
  s.name = "Upriver Landing, Some River, Maine (sub)";
  s.latitude = 43.75;
  s.longitude = -70.125;
  s.levelUnits = "feet";
  s.maxTimeAdd = highTime;
  s.minTimeAdd = lowTime;
  s.maxLevelAdd = highAdd;
  s.minLevelAdd = lowAdd;
  s.maxLevelMultiply = highRatio;
  s.minLevelMultiply = lowRatio;
  return s;
}

TEST(DifferenceMapping, TimeDifferencesAsSignedHoursAndMinutes) {
  const std::pair<int, const char*> cases[] = {
      {238, "+0238"}, {-5, "-0005"}, {-234, "-0234"}, {0, " 0000"}, {2359, "+2359"}, {-2359, "-2359"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(TimeDifferenceText(value), text) << value;
  EXPECT_FALSE(TimeDifferenceText(2400)) << "a day or more cannot be written";
  EXPECT_FALSE(TimeDifferenceText(-3015));
  EXPECT_FALSE(TimeDifferenceText(175)) << "75 minutes is not a time";
  // The text reads back as the same minutes.
  EXPECT_EQ(ParseTimeDifference(*TimeDifferenceText(-234)), -154);
}

TEST(DifferenceMapping, PlainDifferencesUseTheDifferencesOnlyPattern) {
  const auto mapped = MapSubordinate(sub(45, -30, 1.0, -0.5), referencePort(), 17);
  ASSERT_TRUE(mapped.record) << mapped.why;
  const DifferenceRecord& r = *mapped.record;
  EXPECT_FALSE(mapped.usesRatios);
  EXPECT_EQ(r.name, "Upriver Landing - Some River - Maine");  // no "(sub)", no commas
  EXPECT_EQ(r.referencePort, 17);
  EXPECT_EQ(r.latitudeText, "43\xB0" "45.0'N");
  EXPECT_EQ(r.diffText[difference::kTimeMHW], "+0045");
  EXPECT_EQ(r.diffText[difference::kTimeMLW], "-0030");
  EXPECT_EQ(r.diffText[difference::kHeightMHWS], "0.30");  // 1 ft
  EXPECT_EQ(r.diffText[difference::kHeightMHWN], "0.30");
  EXPECT_EQ(r.diffText[difference::kHeightMLWN], "-0.15");
  EXPECT_EQ(r.diffText[difference::kReferenceMHWS], "");
  EXPECT_FALSE(DifferenceCombinationProblem(r.diffText));
  // At high water (c = 1) the high-water difference, at low water the low.
  EXPECT_NEAR(HeightDifference(r, 2.0, 1), 0.30, 1e-9);
  EXPECT_NEAR(HeightDifference(r, 0.5, -1), -0.15, 1e-9);
}

// With ratios the program must give ratio x reference height + difference at
// the high and low levels: check through its own secondary-port rule.
TEST(DifferenceMapping, RatiosBecomeHeightDifferencesAtTheReferenceLevels) {
  const struct {
    const char* what;
    SimplePort reference;
    double highRatio, lowRatio;
    bool neaps;
  } cases[] = {
      {"semidiurnal, one ratio", referencePort(1.0, 0.25), 0.8, 0.8, true},
      {"semidiurnal, two ratios", referencePort(1.0, 0.25), 1.2, 0.9, true},
      {"S2 as large as M2", referencePort(0.3, 0.3), 0.5, 0.5, false},
  };
  for (const auto& c : cases) {
    const auto mapped = MapSubordinate(sub(10, 20, 0.5, 0.0, c.highRatio, c.lowRatio), c.reference, 3);
    ASSERT_TRUE(mapped.record) << c.what;
    const DifferenceRecord& r = *mapped.record;
    EXPECT_TRUE(mapped.usesRatios) << c.what;
    EXPECT_FALSE(DifferenceCombinationProblem(r.diffText)) << c.what;
    EXPECT_EQ(r.diffText[difference::kReferenceMHWN].empty(), !c.neaps) << c.what;
    const double addHigh = 0.5 * 0.3048;
    const double mhws = Val(r.diffText[difference::kReferenceMHWS]);
    const double mlws = Val(r.diffText[difference::kReferenceMLWS]);
    EXPECT_NEAR(mhws + HeightDifference(r, mhws, 1), c.highRatio * mhws + addHigh, 0.006) << c.what;
    EXPECT_NEAR(mlws + HeightDifference(r, mlws, -1), c.lowRatio * mlws, 0.006) << c.what;
    // Above the high levels the high-water rule goes on exactly (linear in h).
    const double above = mhws + 0.4;
    if (c.neaps) {
      EXPECT_NEAR(above + HeightDifference(r, above, 1), c.highRatio * above + addHigh, 0.01) << c.what;
    }
  }
}

TEST(DifferenceMapping, WhatTheRecordCannotHoldIsRefused) {
  EXPECT_FALSE(MapSubordinate(sub(2500, 0, 0, 0), referencePort(), 0).record);
  SubordinateStation knots = sub(10, 10, 0, 0);
  knots.levelUnits = "knots";
  EXPECT_FALSE(MapSubordinate(knots, referencePort(), 0).record);
  SimplePort flat = referencePort(0.001, 0.001);
  const auto mapped = MapSubordinate(sub(10, 10, 0, 0, 0.5, 0.5), flat, 0);
  EXPECT_FALSE(mapped.record) << "no range to scale by";
  EXPECT_FALSE(mapped.why.empty());
}

}  // namespace
}  // namespace saltmark::tcd
