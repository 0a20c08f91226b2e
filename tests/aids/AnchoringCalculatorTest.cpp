#include "aids/AnchoringCalculator.h"

#include <gtest/gtest.h>

#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

DateTime at(int hour, int minute = 0, int second = 0) { return DateTime::fromCivil(2026, 12, 5, hour, minute, second); }

class AnchoringTest : public ::testing::Test {
 protected:
  AnchoringTest() {
    settings.echoSounderOffset = 1.0f;
    settings.draught = 1.5f;
    settings.chainOnBoard = 12.0f;
    settings.ropeOnBoard = 12.0f;
    events = {{"HI", at(3), "3.50 ", "2.00 "}, {"LO", at(9), "0.50 ", "-1.00 "}, {"HI", at(15), "3.50 ", "2.00 "}};
    display.esn = "3.0";
  }
  void refresh(DateTime instant, float height = 2.0f) {
    RefreshAnchoring(display, AnchoringCursor{instant, height, events}, settings, platform);
  }

  Settings settings;
  ScriptedPlatform platform;
  std::vector<HighLowRecord> events;
  AnchoringDisplay display;
};

// Each result from the texts shown: 2.04 is shown as 2.0 and the results use 2.0.
TEST_F(AnchoringTest, FallRiseDepthAndLengthsFromTheShownTexts) {
  refresh(at(6), 2.04f);
  const auto expectShown = [&](std::initializer_list<std::pair<std::string AnchoringDisplay::*, const char*>> shown) {
    for (const auto& [field, text] : shown) EXPECT_EQ(display.*field, text);
  };
  using D = AnchoringDisplay;
  // The next waters with their time, not only the day; depth 1.5 + 1.5 + 3.0 - 1.0; 20 of chain needed,
  // 12 on board: rope (5 - 12 / 4) x 6 = 12, exactly what is on board.
  expectShown({{&D::Datenow, "06:00 05 Dec 2026"}, {&D::Tidenow, " 2.0"}, {&D::nexthighdat, "15:00 05 Dec 2026"},
               {&D::nexthighval, "3.50 "}, {&D::nextlowdat, "09:00 05 Dec 2026"}, {&D::nextlowval, "0.50 "},
               {&D::fall, " 1.5"}, {&D::rise, " 1.5"}, {&D::offset, " 1.0"}, {&D::esr, " 2.5"}, {&D::Depth, " 5.0"},
               {&D::chain, "12.00"}, {&D::chainused, " 12.0"}, {&D::warpused, " 12.0"}, {&D::total, " 24.0"}});
  EXPECT_FALSE(display.warningVisible);
  ReadingNowChanged(display, "NA", settings, platform);
  expectShown({{&D::Depth, "NA"}, {&D::chainused, "NA"}});
  ReadingNowChanged(display, "2.0", settings, platform);  // depth 4: rope (4 - 3) x 6
  expectShown({{&D::Depth, " 4.0"}, {&D::chainused, " 12.0"}, {&D::warpused, " 6.0"}});
  // No rope on board shows the warning; chain enough for the depth is all chain and needs no rope.
  WarpTextChanged(display, "0", settings, platform);
  EXPECT_FLOAT_EQ(settings.ropeOnBoard, 0.0f);
  EXPECT_TRUE(display.warningVisible);
  ChainTextChanged(display, "16", settings, platform);
  EXPECT_FLOAT_EQ(settings.chainOnBoard, 16.0f);
  expectShown({{&D::chainused, " 16.0"}, {&D::warpused, " 0.0"}, {&D::total, " 16.0"}});
  EXPECT_FALSE(display.warningVisible);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AnchoringTest, NoHighWaterAfterTheCursorLeavesItsResultsNotAvailable) {
  refresh(at(16));
  for (const std::string AnchoringDisplay::*shown :
       {&AnchoringDisplay::nexthighdat, &AnchoringDisplay::nexthighval, &AnchoringDisplay::rise,
        &AnchoringDisplay::Depth, &AnchoringDisplay::chainused, &AnchoringDisplay::total,
        &AnchoringDisplay::nextlowval, &AnchoringDisplay::fall, &AnchoringDisplay::esr})
    EXPECT_EQ(display.*shown, "NA");
  EXPECT_FALSE(display.warningVisible);
}

TEST_F(AnchoringTest, AnEventAtTheCursorOrWithinASecondIsNotTheNext) {
  events[2].heightText = "4.00 ";
  const std::pair<DateTime, const char*> cases[] = {
      {at(3), "4.00 "}, {DateTime(at(3).serial() + 0.4 / 86400), "4.00 "}, {at(3, 0, 1), "3.50 "}};
  for (const auto& [high, next] : cases) {
    events[0].instant = high;
    refresh(at(3));
    EXPECT_EQ(display.nexthighval, next) << high.serial();
  }
}

TEST_F(AnchoringTest, ZeroChainMultiplierIsRefusedWithoutDividing) {
  settings.chainMultiplier = "none";  // no leading number: 0
  settings.chainOnBoard = -5.0f;      // the one case that would divide by zero
  refresh(at(6));
  EXPECT_EQ(display.Depth, " 5.0");
  EXPECT_EQ(display.chainused, "NA");
  EXPECT_EQ(display.warpused, "NA");
  EXPECT_EQ(display.total, "NA");
  EXPECT_FALSE(display.warningVisible);
  EXPECT_EQ(display.multiplierNote, kZeroChainMultiplierNote);
  settings.chainMultiplier = "4";
  AnchoringComputation(display, settings, platform);
  EXPECT_TRUE(display.multiplierNote.empty());
  EXPECT_NE(display.chainused, "NA");
}

TEST_F(AnchoringTest, FeetModeReadsFeetAndInchesBack) {
  settings.metricUnits = kFalse;
  settings.echoSounderOffset = 0;
  settings.draught = 6.0f;
  events = {{"LO", at(9), "  2' 0 ", ""}, {"HI", at(15), " 10' 6 ", ""}};
  display.esn = "5'";
  refresh(at(6), 8.5f);
  EXPECT_EQ(display.Tidenow, "  8' 6 ");
  EXPECT_EQ(display.fall, "  6' 6 ");
  EXPECT_EQ(display.rise, "  2' 0 ");
  EXPECT_EQ(display.Depth, " 13' 0 ");  // 2 + 6 + 5 - 0
}

}  // namespace
}  // namespace saltmark
