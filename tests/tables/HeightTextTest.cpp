#include "tables/HeightText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

Settings unitSettings(bool metric) {
  Settings settings;
  settings.metricUnits = toFlag(metric);
  return settings;
}

struct HeightCase {
  bool metric;
  double height;
  std::int16_t style;
  const char* expected;
};

class FormatHeightTest : public ::testing::TestWithParam<HeightCase> {};

TEST_P(FormatHeightTest, ShowsTheHeldValue) {
  const HeightCase& c = GetParam();
  EXPECT_EQ(FormatHeight(c.height, c.style, unitSettings(c.metric)), c.expected)
      << c.height << (c.metric ? " m" : " ft") << " style " << c.style;
}

INSTANTIATE_TEST_SUITE_P(
    Metric, FormatHeightTest,
    ::testing::Values(HeightCase{true, 0, 1, " 0.0"}, HeightCase{true, 3.25, 1, " 3.3"},
                      HeightCase{true, -0.46, 1, "-0.5"}, HeightCase{true, 123.44, 1, " 123.4"},
                      HeightCase{true, 0, 2, "0.00"}, HeightCase{true, 1.005, 2, "1.00"},
                      HeightCase{true, -2.5, 2, "-2.50"}, HeightCase{true, 4.567, 2, "4.57"},
                      HeightCase{true, 3.25, 3, ""}));

INSTANTIATE_TEST_SUITE_P(
    Feet, FormatHeightTest,
    ::testing::Values(HeightCase{false, 0, 1, "  0' 0 "}, HeightCase{false, 8.5, 1, "  8' 6 "},
                      HeightCase{false, 8.5, 2, "  8' 6 "}, HeightCase{false, -12.95, 2, "-12'11 "},
                      HeightCase{false, 10.99, 1, " 10'11 "}, HeightCase{false, -0.5, 1, "- 0' 6 "},
                      HeightCase{false, 9.999, 2, "  9'11 "}, HeightCase{false, 150.25, 2, " 150' 3 "}));

struct ParseCase {
  bool metric;
  const char* typed;
  float expected;
  const char* leftInBox;
  bool refused;
};

class ParseHeightTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseHeightTest, ReadsTypedHeight) {
  const ParseCase& c = GetParam();
  ScriptedPlatform platform;
  std::string text = c.typed;
  EXPECT_NEAR(ParseHeight(text, unitSettings(c.metric), platform), c.expected, 1e-5) << '"' << c.typed << '"';
  EXPECT_EQ(text, c.leftInBox);
  if (c.refused) {
    ASSERT_EQ(platform.messages.size(), 1u) << c.typed;
    EXPECT_EQ(platform.messages[0].text, "Inappropriate Input Value");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(platform.messages[0].caption, "Saltmark");
  } else {
    EXPECT_TRUE(platform.messages.empty()) << c.typed;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Typed, ParseHeightTest,
    ::testing::Values(ParseCase{true, "  2.5", 2.5f, "2.5", false},
                      ParseCase{true, "8'6", 8.5 / 3.2808398950131235, "8'6", false},
                      ParseCase{false, "-1'6", -1.5f, "-1'6", false},
                      ParseCase{false, " 8' 6 ", 8.5f, "8' 6 ", false},
                      ParseCase{false, "2m", 6.5616798f, "2m", false}, ParseCase{true, "2m", 2.0f, "2m", false},
                      ParseCase{true, "5'3m", 0.0f, "5'3m", false}, ParseCase{false, "5'3m", 0.0f, "5'3m", false},
                      ParseCase{true, "250", 0.0f, "250", true}, ParseCase{false, "-250", 0.0f, "-250", true},
                      ParseCase{true, "199", 199.0f, "199", false}, ParseCase{true, "-199", -199.0f, "-199", false},
                      ParseCase{true, "199.01", 0.0f, "199.01", true}, ParseCase{false, "61m", 0.0f, "61m", true},
                      ParseCase{true, "", 0.0f, "", false}, ParseCase{true, "   ", 0.0f, "", false},
                      ParseCase{true, "deep", 0.0f, "deep", false}, ParseCase{true, "1e999", 0.0f, "1e999", true},
                      ParseCase{false, "2.5m deep", 2.5f, "2.5m deep", false}));

TEST(FormatUkc, AddsDepthAndTakesDraught) {
  ScriptedPlatform platform;
  Settings metric = unitSettings(true);
  metric.chartedDepth = 2.0f;
  metric.draught = 1.5f;
  EXPECT_EQ(FormatUkc(" 3.2", metric, platform), "UKC  3.7 ");
  metric.chartedDepth = 1.1f;
  EXPECT_EQ(FormatUkc(" 0.0", metric, platform), "UKC -0.4 ");

  Settings feet = unitSettings(false);
  feet.chartedDepth = 6.0f;
  feet.draught = 5.0f;
  EXPECT_EQ(FormatUkc(" 8' 6 ", feet, platform), "UKC   9' 6  ");
  EXPECT_TRUE(platform.messages.empty());
}

// Heights typed and shown under a comma-decimal locale still use the point.
TEST(HeightText, CommaLocaleKeepsThePoint) {
  const char* found = nullptr;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR"})
    if ((found = std::setlocale(LC_ALL, name)) != nullptr) break;
  if (found == nullptr) GTEST_SKIP() << "no comma-decimal locale installed";
  ScriptedPlatform platform;
  std::string typed = "2.5";
  const Settings metric = unitSettings(true);
  const float parsed = ParseHeight(typed, metric, platform);
  const std::string shown = FormatHeight1(3.25f, metric);
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(shown, " 3.3");
  EXPECT_FLOAT_EQ(parsed, 2.5f);
}

}  // namespace
}  // namespace saltmark
