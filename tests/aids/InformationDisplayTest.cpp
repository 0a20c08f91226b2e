#include "aids/InformationDisplay.h"

#include <gtest/gtest.h>

namespace saltmark {
namespace {

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
