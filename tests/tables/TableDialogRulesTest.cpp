#include "tables/TableDialogRules.h"

#include <gtest/gtest.h>

#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

TEST(TableDialogRules, DepthAndDraughtAreReadIntoTheSettingsAndShownBack) {
  struct Case {
    bool metric;
    const char* draught;
    const char* depth;
    float storedDraught, storedDepth;
    const char* shownDraught;
    const char* shownDepth;
    int messages;
  } cases[] = {
      // Feet and inches typed in metres are converted.
      {true, "5'6", "2.5", 1.6764f, 2.5f, "1.68", "2.50", 0},
      {true, "  1.2", "3m", 1.2f, 3.0f, "1.20", "3.00", 0},
      {false, "6'3", "2m", 6.25f, 6.56168f, "  6' 3 ", "  6' 6 ", 0},
      // Out of range: the message, and 0 stored.
      {true, "250", "4", 0.0f, 4.0f, "0.00", "4.00", 1},
      // Not a number reads as 0 without a message.
      {true, "deep", "", 0.0f, 0.0f, "0.00", "0.00", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.draught);
    Settings settings;
    settings.metricUnits = toFlag(c.metric);
    ScriptedPlatform platform;
    VesselHeightTexts texts{c.depth, c.draught};
    StoreVesselHeights(texts, settings, platform);
    EXPECT_NEAR(settings.draught, c.storedDraught, 1e-4);
    EXPECT_NEAR(settings.chartedDepth, c.storedDepth, 1e-4);
    EXPECT_EQ(static_cast<int>(platform.messages.size()), c.messages);
    const VesselHeightTexts shown = VesselHeightTextsFor(settings);
    EXPECT_EQ(shown.draught, c.shownDraught);
    EXPECT_EQ(shown.depth, c.shownDepth);
  }
}

TEST(TableDialogRules, LocationLineOfAPortAndOfASecondaryPort) {
  Settings settings;
  LocationRecord port;
  port.portName = "Portsmouth";
  port.positionText = "50\xB0" "48'N  1\xB0" "07'W";
  DifferenceRecord cowes;
  cowes.name = "Cowes";
  cowes.latitudeText = "50\xB0" "46'N";
  cowes.longitudeText = "1\xB0" "18'W";

  settings.portMode = 0;
  EXPECT_EQ(TideTableLocationText(settings, port, &cowes), "Portsmouth 50\xB0" "48'N  1\xB0" "07'W");
  settings.portMode = 2;
  EXPECT_EQ(TideTableLocationText(settings, port, &cowes), "Cowes [Portsmouth] 50\xB0" "46'N 1\xB0" "18'W");
  // No secondary port chosen: the port itself rather than an empty name.
  EXPECT_EQ(TideTableLocationText(settings, port, nullptr), "Portsmouth 50\xB0" "48'N  1\xB0" "07'W");
}

}  // namespace
}  // namespace saltmark
