#include "aids/InformationDisplay.h"

#include <gtest/gtest.h>

namespace saltmark {
namespace {

TEST(InformationDisplay, ClearanceIsTheHeightPlusDepthLessDraught) {
  Settings s;
  s.chartedDepth = 1.0f;
  s.draught = 2.0f;
  const PresentTide present = PresentTideAt(3.5f, ClearanceOffset(s), s);
  EXPECT_EQ(present.I_Tide, "3.50");
  EXPECT_EQ(present.I_UKC, "2.50");
  EXPECT_FLOAT_EQ(present.clearance, 2.5f);

  s.metricUnits = kFalse;
  EXPECT_EQ(PresentTideAt(8.5f, 0, s).I_UKC, "  8' 6 ");
}

TEST(InformationDisplay, AlarmSoundsOnlyBelowTheLevel) {
  struct Case {
    float level, clearance;
    bool sounds;
  } cases[] = {
      {1.00f, 1.00f, false},  // exactly at the level: enough
      {1.01f, 1.00f, true},   // a hundredth more
      {0.50f, 1.00f, false},
      {0.00f, -0.10f, true},  // aground
  };
  for (const Case& c : cases)
    EXPECT_EQ(ClearanceAlarmSounds(c.level, c.clearance), c.sounds) << c.level << " " << c.clearance;
}

}  // namespace
}  // namespace saltmark
