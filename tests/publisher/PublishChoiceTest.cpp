// Which ports a run of the publisher takes from the main window's choices,
// and the zone each page names.
#include "publisher/PublishChoice.h"

#include <gtest/gtest.h>

#include "display/ClockDisplay.h"
#include "publisher/PublisherRig.h"

namespace saltmark {
namespace {

DateTime start() { return DateTime::fromCivil(2026, 3, 1); }

class PublishChoiceTest : public ::testing::Test, protected test::PublishRig {
 protected:
  PublishChoiceTest() : PublishRig(start()) {
    settings = Settings{};
    request.allLocations = false;
    // Database order differs from the alphabetical order of the list.
    east = writeDatabase("EAST.tid", {test::blankPortLine("Yarmouth", "0"), test::blankPortLine("Brest", "-1"),
                                      test::blankPortLine("Morlaix", "-1")});
    west = writeDatabase("WEST.tid", {test::blankPortLine("Wick"), test::blankPortLine("Oban")});
    EXPECT_TRUE(database.LoadTideDatabase(east, platform));
    choice.chosenDatabase = east;
    choice.chosenLocation = 2;  // Morlaix
  }

  JobOutcome publish() { return PublishChosen(request, choice, database, run()); }

  std::string east, west;
  PublishChoice choice;
};

TEST_F(PublishChoiceTest, LocationsComeInTheListsOrder) {
  ASSERT_TRUE(database.LoadTideDatabase(west, platform));
  const struct { const char* what; bool chosenDatabase, all; std::vector<int> lines; } cases[] = {
      {"every port, alphabetically", true, true, {1, 2, 0}}, {"the chosen port", true, false, {2}},
      {"another database: the first of its list", false, false, {1}},
      {"another database, every port", false, true, {1, 0}}};
  for (const auto& c : cases) {
    ASSERT_TRUE(database.LoadDatabaseIfNew(c.chosenDatabase ? east : west, platform));
    EXPECT_EQ(LocationsToPublish(database, choice, c.all), c.lines) << c.what;
  }
  choice.chosenLocation = 0;  // the database's first line is a choice too
  ASSERT_TRUE(database.LoadDatabaseIfNew(east, platform));
  EXPECT_EQ(LocationsToPublish(database, choice, false), std::vector<int>{0});
}

// An abort stops the whole run; a full run takes each database's own port, not the chosen line.
TEST_F(PublishChoiceTest, EveryDatabaseGetsItsOwnPortNotTheChosenLine) {
  choice.databases = {east, west};
  test::RecordingProgress cancelling(10);
  EXPECT_EQ(PublishChosen(request, choice, database, run(ports, cancelling)), JobOutcome::Cancelled);
  EXPECT_EQ(ports.ports, std::vector<std::string>{"Morlaix"});
  EXPECT_TRUE(platform.messages.empty());
  ports.ports.clear();
  answerYes(2);
  ASSERT_EQ(publish(), JobOutcome::Completed);
  EXPECT_EQ(ports.ports, (std::vector<std::string>{"Morlaix", "Oban"}));
  EXPECT_TRUE(std::filesystem::exists(dir / "web" / "EAST" / "Morlaix.html"));
  EXPECT_TRUE(std::filesystem::exists(dir / "web" / "WEST" / "Oban.html"));
  EXPECT_EQ(database.currentDatabase(), west);  // the caller puts its own database back
}

TEST_F(PublishChoiceTest, WithTheAutomaticLocalZoneEachPageNamesItsPortsZone) {
  settings.autoLocalZone = 1;
  settings.timeBase = static_cast<std::int16_t>(TimeBase::Local);
  request.allLocations = true;
  request.zoneNameOf = [](const Settings& s) { return ZoneLabelText(s); };
  choice.databases = {east};
  answerYes(3);
  ASSERT_EQ(publish(), JobOutcome::Completed);
  const std::string brest = test::readFile(dir / "web" / "EAST" / "Brest.html");
  const std::string yarmouth = test::readFile(dir / "web" / "EAST" / "Yarmouth.html");
  const auto zoneOf = [](std::int16_t quarters) {
    Settings local;
    local.timeBase = static_cast<std::int16_t>(TimeBase::Local);
    local.localZoneOffset = quarters;
    return ZoneLabelText(local);
  };
  ASSERT_NE(zoneOf(-4), zoneOf(0));
  EXPECT_NE(brest.find("TIME ZONE:" + zoneOf(-4)), std::string::npos);
  EXPECT_NE(yarmouth.find("TIME ZONE:" + zoneOf(0)), std::string::npos);
}

}  // namespace
}  // namespace saltmark
