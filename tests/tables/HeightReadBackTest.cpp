// A height as the program shows it, typed or read back from a label (the
// clearance and depth labels are), is the height shown. Found by fuzzing:
// a negative height in feet (‹- 2' 7 ›) read back as -0.58 ft, since the
// blank after the minus sign stopped the number.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/ScriptedPlatform.h"
#include "tables/HeightText.h"

namespace saltmark {
namespace {

Settings inFeet() {
  Settings settings;
  settings.metricUnits = kFalse;
  return settings;
}

TEST(HeightReadBack, NegativeFeetAndInchesReadBackWhole) {
  struct Case {
    std::string shown;
    float feet;
  };
  for (const Case& c : {Case{"- 2' 7 ", -(2 + 7 / 12.0f)}, Case{"- 0' 6 ", -0.5f}, Case{"-12'11 ", -(12 + 11 / 12.0f)},
                        Case{"-1'6", -1.5f}, Case{"- 2'", -2.0f}}) {
    ScriptedPlatform platform;
    std::string text = c.shown;
    EXPECT_FLOAT_EQ(ParseHeight(text, inFeet(), platform), c.feet) << c.shown;
    EXPECT_TRUE(platform.messages.empty());
  }
}

TEST(HeightReadBack, EveryShownHeightReadsBackWithinItsLastFigure) {
  for (bool metric : {true, false}) {
    Settings settings;
    settings.metricUnits = toFlag(metric);
    for (int hundredths = -15000; hundredths <= 15000; hundredths += 37) {
      const float height = static_cast<float>(hundredths) / 100.0f;
      for (std::int16_t style : {1, 2}) {
        ScriptedPlatform platform;
        std::string shown = FormatHeight(height, style, settings);
        const std::string before = shown;
        const float read = ParseHeight(shown, settings, platform);
        const double tolerance = metric ? (style == 1 ? 0.05 : 0.005) + 1e-4 : 1.0 / 12 + 1e-4;
        EXPECT_LE(std::fabs(read - height), tolerance) << "shown ‹" << before << "›";
      }
    }
  }
}

}  // namespace
}  // namespace saltmark
