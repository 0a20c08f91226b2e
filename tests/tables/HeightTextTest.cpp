#include "tables/HeightText.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

Settings unitSettings(bool metric) {
  Settings settings;
  settings.metricUnits = toFlag(metric);
  return settings;
}

TEST(FormatHeight, ShowsTheHeldValueInTheStyleAndUnit) {
  const struct {
    bool metric;
    double height;
    std::int16_t style;
    const char* expected;
  } cases[] = {
      {true, 0, 1, " 0.0"},         {true, 3.25, 1, " 3.3"},       {true, -0.46, 1, "-0.5"},
      {true, 123.44, 1, " 123.4"},  {true, 0, 2, "0.00"},          {true, 1.005, 2, "1.00"},
      {true, -2.5, 2, "-2.50"},     {true, 4.567, 2, "4.57"},      {true, 3.25, 3, ""},
      {false, 0, 1, "  0' 0 "},     {false, 8.5, 1, "  8' 6 "},    {false, 8.5, 2, "  8' 6 "},
      {false, -12.95, 2, "-12'11 "}, {false, 10.99, 1, " 10'11 "}, {false, -0.5, 1, "- 0' 6 "},
      {false, 9.999, 2, "  9'11 "}, {false, 150.25, 2, " 150' 3 "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatHeight(c.height, c.style, unitSettings(c.metric)), c.expected)
        << c.height << (c.metric ? " m" : " ft") << " style " << c.style;
}

TEST(ParseHeight, ReadsTheTypedHeightOrRefusesItWithAMessage) {
  const struct {
    bool metric;
    const char* typed;
    float expected;
    const char* leftInBox;
    bool refused;
  } cases[] = {
      {true, "  2.5", 2.5f, "2.5", false}, {true, "8'6", 8.5 / 3.2808398950131235, "8'6", false},
      {false, "-1'6", -1.5f, "-1'6", false}, {false, " 8' 6 ", 8.5f, "8' 6 ", false},
      // Negative feet as shown, the blank after the sign included.
      {false, "- 2' 7 ", -(2 + 7 / 12.0f), "- 2' 7 ", false}, {false, "- 2'", -2.0f, "- 2'", false},
      {false, "2m", 6.5616798f, "2m", false}, {true, "2m", 2.0f, "2m", false},
      {true, "5'3m", 0.0f, "5'3m", false}, {false, "5'3m", 0.0f, "5'3m", false},
      {true, "250", 0.0f, "250", true}, {false, "-250", 0.0f, "-250", true},
      {true, "199", 199.0f, "199", false}, {true, "-199", -199.0f, "-199", false},
      {true, "199.01", 0.0f, "199.01", true}, {false, "61m", 0.0f, "61m", true},
      {true, "", 0.0f, "", false}, {true, "   ", 0.0f, "", false},
      {true, "deep", 0.0f, "deep", false}, {true, "1e999", 0.0f, "1e999", true},
      {false, "2.5m deep", 2.5f, "2.5m deep", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.typed + "\"");
    ScriptedPlatform platform;
    std::string text = c.typed;
    EXPECT_NEAR(ParseHeight(text, unitSettings(c.metric), platform), c.expected, 1e-5);
    EXPECT_EQ(text, c.leftInBox);
    ASSERT_EQ(platform.messages.size(), c.refused ? 1u : 0u);
    if (!c.refused) continue;
    EXPECT_EQ(platform.messages[0].text, "Inappropriate Input Value");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(platform.messages[0].caption, "Saltmark");
  }
}

// In metres the tide table tests check it.
TEST(FormatUkc, AddsDepthAndTakesDraughtInFeet) {
  ScriptedPlatform platform;
  Settings feet = unitSettings(false);
  feet.chartedDepth = 6.0f;
  feet.draught = 5.0f;
  EXPECT_EQ(FormatUkc(" 8' 6 ", feet, platform), "UKC   9' 6  ");
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace saltmark
