#include "aids/InformationDisplay.h"

#include <gtest/gtest.h>

#include <tuple>

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

// Exactly at the level is enough; a hundredth less, or aground, sounds.
TEST(InformationDisplay, AlarmSoundsOnlyBelowTheLevel) {
  for (const auto& [level, clearance, sounds] :
       {std::tuple{1.00f, 1.00f, false}, {1.01f, 1.00f, true}, {0.50f, 1.00f, false}, {0.00f, -0.10f, true}})
    EXPECT_EQ(ClearanceAlarmSounds(level, clearance), sounds) << level << " " << clearance;
}

}  // namespace
}  // namespace saltmark
