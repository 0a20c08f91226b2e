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

// Every stored height and length goes to feet (1 m = 3.28084 ft) and back to
// metres within single precision.
TEST(HeightUnitChange, FeetAndBackConvertEveryStoredValue) {
  const struct {
    float Settings::*value;
    float metres, feet;
  } fields[] = {{&Settings::draught, 1.5f, 4.92126f},     {&Settings::chartedDepth, 3.0f, 9.84252f},
                {&Settings::ropeOnBoard, 50.0f, 164.042f}, {&Settings::chainOnBoard, 30.0f, 98.4252f},
                {&Settings::echoSounderOffset, 0.4f, 1.312336f}};
  Settings s = vessel();
  EXPECT_TRUE(ChangeHeightUnit(s, false));
  EXPECT_FALSE(s.metric());
  for (const auto& f : fields) EXPECT_FLOAT_EQ(s.*f.value, f.feet) << f.metres;
  EXPECT_TRUE(ChangeHeightUnit(s, true));
  EXPECT_TRUE(s.metric());
  for (const auto& f : fields) EXPECT_FLOAT_EQ(s.*f.value, f.metres) << f.metres;
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
