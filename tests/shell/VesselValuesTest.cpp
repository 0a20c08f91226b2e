#include "shell/VesselValues.h"

#include <gtest/gtest.h>

#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

Settings vessel() {
  Settings s;
  s.draught = 1.5f;
  s.chartedDepth = 3.0f;
  s.ropeOnBoard = 50.0f;
  s.chainOnBoard = 30.0f;
  s.echoSounderOffset = 0.4f;
  return s;
}

TEST(HeightUnitChange, FeetConvertsEveryStoredValue) {
  Settings s = vessel();
  EXPECT_TRUE(ChangeHeightUnit(s, false));
  EXPECT_FALSE(s.metric());
  EXPECT_FLOAT_EQ(s.draught, 4.92126f);
  EXPECT_FLOAT_EQ(s.chartedDepth, 9.84252f);
  EXPECT_FLOAT_EQ(s.ropeOnBoard, 164.042f);
  EXPECT_FLOAT_EQ(s.chainOnBoard, 98.4252f);
  EXPECT_FLOAT_EQ(s.echoSounderOffset, 1.312336f);
}

TEST(HeightUnitChange, BackToMetresWithinSinglePrecision) {
  Settings s = vessel();
  ChangeHeightUnit(s, false);
  EXPECT_TRUE(ChangeHeightUnit(s, true));
  EXPECT_TRUE(s.metric());
  EXPECT_FLOAT_EQ(s.draught, 1.5f);
  EXPECT_FLOAT_EQ(s.ropeOnBoard, 50.0f);
}

TEST(HeightUnitChange, SameUnitChangesNothing) {
  for (bool metric : {true, false}) {
    Settings s = vessel();
    s.metricUnits = toFlag(metric);
    const Settings before = s;
    EXPECT_FALSE(ChangeHeightUnit(s, metric));
    EXPECT_EQ(s, before);
  }
}

TEST(VesselPrompts, RepliesByKind) {
  struct Case {
    std::optional<std::string> reply;
    float expected;
    std::size_t messages;
  } cases[] = {
      {std::nullopt, 1.5f, 0},  // cancelled
      {"", 1.5f, 0},            // empty reply keeps the draught
      {"2.25", 2.25f, 0},
      {"250", 0.0f, 1},  // out of range: message and 0
  };
  for (const auto& c : cases) {
    Settings s = vessel();
    ScriptedPlatform platform;
    platform.promptNext(c.reply);
    PromptDraught(s, platform);
    EXPECT_FLOAT_EQ(s.draught, c.expected) << c.reply.value_or("<cancel>");
    ASSERT_EQ(platform.messages.size(), c.messages);
    if (c.messages) {
      EXPECT_EQ(platform.messages[0].text, "Inappropriate Input Value");
    }
    ASSERT_EQ(platform.prompts.size(), 1u);
    EXPECT_EQ(platform.prompts[0], "Enter the Draught ");
  }
}

TEST(VesselPrompts, VesselIdAndEchoSounder) {
  Settings s = vessel();
  ScriptedPlatform platform;
  platform.promptNext("Kittiwake");
  platform.promptNext("");
  platform.promptNext("0.8");
  PromptVesselId(s, platform);
  PromptVesselId(s, platform);  // empty: name kept
  PromptEchoSounderOffset(s, platform);
  EXPECT_EQ(s.vesselName, "Kittiwake");
  EXPECT_FLOAT_EQ(s.echoSounderOffset, 0.8f);
  EXPECT_EQ(platform.prompts.back(), "Enter the Echo Sounder Offset ");
}

}  // namespace
}  // namespace saltmark
