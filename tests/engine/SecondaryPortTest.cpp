#include "engine/SecondaryPort.h"

#include <gtest/gtest.h>

#include "engine/EngineFixtures.h"
#include "engine/TideEngine.h"

namespace saltmark {
namespace {

DifferenceRecord record(std::array<std::string, kDifferenceValueCount> texts) {
  return {"Secondary", "", "", 0, 0, std::move(texts)};
}

TEST(SecondaryPort, TimeDifferencesBlendHighAndLowWater) {
  const std::pair<const char*, int> cases[] = {{"+0130", 90}, {"-0045", -45}, {" 0000", 0}, {"+1200", 720}, {"", 0}};
  for (auto [text, minutes] : cases) EXPECT_EQ(ParseTimeDifference(text), minutes) << text;
  const DifferenceRecord r = record({"", "", "", "", "+0100", "-0030", "", "", "", ""});
  EXPECT_DOUBLE_EQ(TimeDifferenceHours(r, 1), 1.0);
  EXPECT_DOUBLE_EQ(TimeDifferenceHours(r, -1), -0.5);
  EXPECT_DOUBLE_EQ(TimeDifferenceHours(r, 0), 0.25);
  EXPECT_EQ(TimeDifferenceHours(record({"", "", "", "", "+0100", "", "", "", "", ""}), 1), 0);  // only one given
}

TEST(SecondaryPort, HeightDifferenceByPattern) {
  // Differences 0.4 / 0.2 / -0.1 / -0.3 at MHWS / MHWN / MLWN / MLWS, with the levels given or blank.
  const auto levels = [](const char* mhws, const char* mhwn, const char* mlwn, const char* mlws) {
    return record({mhws, mhwn, mlwn, mlws, "", "", "0.40", "0.20", "-0.10", "-0.30"});
  };
  const DifferenceRecord full = levels("5.00", "4.00", "1.50", "0.50");
  const DifferenceRecord only = levels("", "", "", "");
  const struct { DifferenceRecord r; double h, c, expected; } cases[] = {
      {full, 4.0, 0, 0.20},   {full, 1.5, 0, -0.10},  // exactly MHWN: the upper band; exactly MLWN: the lower
      {full, 4.5, 0, 0.30},   {full, 2.75, 0, 0.05},  // halfway MHWN..MHWS, MLWN..MHWN
      {full, 6.0, 0, 0.60},   {full, 0.0, 0, -0.40},  // above MHWS, below MLWS: extrapolated
      {levels("5.00", "", "", "0.50"), 2.75, 0, 0.05},  // halfway: mean of MLWS and MHWS differences
      {levels("", "4.00", "1.50", ""), 2.75, 0, 0.05},
      {only, 0, 1, 0.30},     {only, 0, -1, -0.20},  // mean high-water difference at high water, low at low
      {levels("5.00", "4.00", "", ""), 3, 0, 0},  {levels("", "4.00", "", "0.50"), 3, 0, 0},
      {levels("3.00", "3.00", "1.00", "1.00"), 3.5, 0, 0},  // equal bounding levels skip their band
  };
  for (const auto& c : cases) EXPECT_NEAR(HeightDifference(c.r, c.h, c.c), c.expected, 1e-12) << c.h;

  const DifferenceRecord same = record({"", "", "", "", "", "", "0.25", "0.25", "0.25", "0.25"});
  for (double c : {-1.0, -0.3, 0.0, 0.8, 1.0}) EXPECT_NEAR(HeightDifference(same, 1, c), 0.25, 1e-12);
}

// An hour's difference at high and low water: the reference port's tide an
// hour earlier (moved at 28.87 degrees an hour, within 3 mm of the true M2
// speed over the hour) and half a metre higher.
TEST(SecondaryPort, TheReferencePortsTideAnHourEarlierAndHalfAMetreHigher) {
  const LocationRecord reference = test::portWith({.meanLevel = 2, .m2 = 1, .m2Phase = 100});
  const DifferenceRecord r = record({"", "", "", "", "+0100", "+0100", "0.50", "0.50", "0.50", "0.50"});
  Settings secondarySettings, referenceSettings;
  secondarySettings.portMode = 2;
  TideEngine secondary(secondarySettings), plain(referenceSettings);
  secondary.setPort(reference);
  secondary.setSecondaryPort(&r);
  plain.setPort(reference);
  for (int k = 0; k < 12; ++k) {
    const DateTime t = DateTime::fromCivil(2026, 4, 2, 9, 0).addMinutes(65 * k);
    secondary.PredictHeight(t);
    plain.PredictHeight(t.addMinutes(-60));
    EXPECT_NEAR(secondary.tideHeight(), plain.tideHeight() + 0.5, 0.005) << k;
  }
}

}  // namespace
}  // namespace saltmark
