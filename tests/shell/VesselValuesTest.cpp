#include "shell/VesselValues.h"

#include <gtest/gtest.h>

#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

Settings vessel() {
  Settings s;
  s.draught = 1.5f, s.chartedDepth = 3.0f, s.ropeOnBoard = 50.0f, s.chainOnBoard = 30.0f, s.echoSounderOffset = 0.4f;
  return s;
}

// Every stored height and length goes to feet (1 m = 3.28084 ft) and back to
// metres within single precision; the unit already in use changes nothing.
TEST(HeightUnitChange, FeetAndBackConvertEveryStoredValue) {
  const struct { float Settings::*value; float metres, feet; } fields[] = {
      {&Settings::draught, 1.5f, 4.92126f},     {&Settings::chartedDepth, 3.0f, 9.84252f},
      {&Settings::ropeOnBoard, 50.0f, 164.042f}, {&Settings::chainOnBoard, 30.0f, 98.4252f},
      {&Settings::echoSounderOffset, 0.4f, 1.312336f}};
  Settings s = vessel();
  EXPECT_FALSE(ChangeHeightUnit(s, true));
  EXPECT_EQ(s, vessel());
  EXPECT_TRUE(ChangeHeightUnit(s, false));
  EXPECT_FALSE(s.metric());
  for (const auto& f : fields) EXPECT_FLOAT_EQ(s.*f.value, f.feet) << f.metres;
  const Settings inFeet = s;
  EXPECT_FALSE(ChangeHeightUnit(s, false));
  EXPECT_EQ(s, inFeet);
  EXPECT_TRUE(ChangeHeightUnit(s, true));
  EXPECT_TRUE(s.metric());
  for (const auto& f : fields) EXPECT_FLOAT_EQ(s.*f.value, f.metres) << f.metres;
}

// A cancelled or empty reply keeps the value; the range check is ParseHeight's.
TEST(VesselPrompts, RepliesKeepOrReplaceTheValue) {
  Settings s = vessel();
  ScriptedPlatform platform;
  for (const char* reply : {"", "2.25", "Kittiwake", "", "0.8"}) platform.promptNext(reply);
  platform.promptNext(std::nullopt);
  PromptDraught(s, platform);
  EXPECT_FLOAT_EQ(s.draught, 1.5f);
  PromptDraught(s, platform);
  EXPECT_FLOAT_EQ(s.draught, 2.25f);
  PromptVesselId(s, platform);
  PromptVesselId(s, platform);
  EXPECT_EQ(s.vesselName, "Kittiwake");
  PromptEchoSounderOffset(s, platform);
  PromptEchoSounderOffset(s, platform);
  EXPECT_FLOAT_EQ(s.echoSounderOffset, 0.8f);
  const std::vector<std::string> asked = {"Enter the Draught ", "Enter the Draught ", "Enter the Vessel ID ",
                                          "Enter the Vessel ID ", "Enter the Echo Sounder Offset ",
                                          "Enter the Echo Sounder Offset "};
  EXPECT_EQ(platform.prompts, asked);
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace saltmark
