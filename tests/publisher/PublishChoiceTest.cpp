// Which ports a run of the publisher takes from the main window's choices,
// and the zone each page names.
#include "publisher/PublishChoice.h"

#include <gtest/gtest.h>

#include "data/TideDatabaseFile.h"
#include "display/ClockDisplay.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"
#include "tables/GeneratorTestSupport.h"

namespace saltmark {
namespace {

DateTime start() { return DateTime::fromCivil(2026, 3, 1); }

std::string portLine(const std::string& name, const std::string& zone) {
  std::string line = name + "," + zone + ",50,48,n,1,7,w";
  for (int i = 0; i < 47; ++i) line += ",0";
  return line;
}

class NamedPorts : public PortHeights {
 public:
  TideHeightSource& heightsFor(const LocationRecord& port, const Settings&) override {
    ports.push_back(port.portName);
    return heights;
  }
  test::CurveHeights heights{start(), test::twiceDaily};
  std::vector<std::string> ports;
};

class PublishChoiceTest : public ::testing::Test {
 protected:
  PublishChoiceTest() {
    // Database order differs from the alphabetical order of the list.
    EXPECT_TRUE(WriteTideDatabaseFile(dir / "EAST.tid", "Saltmark 100", {},
                                      {portLine("Yarmouth", "0"), portLine("Brest", "-1"), portLine("Morlaix", "-1")}));
    EXPECT_TRUE(WriteTideDatabaseFile(dir / "WEST.tid", "Saltmark 100", {},
                                      {portLine("Wick", "0"), portLine("Oban", "0")}));
    east = (dir / "EAST.tid").string();
    west = (dir / "WEST.tid").string();
    EXPECT_TRUE(database.LoadTideDatabase(east, platform));
    choice.chosenDatabase = east;
    choice.chosenLocation = 2;  // Morlaix
    request.start = start();
    request.saveDir = (dir / "web").string();
    request.zoneName = "GMT";
  }

  JobOutcome publish() {
    return PublishChosen(request, choice, database, PublishRun{settings, platform, progress, writer, ports, events});
  }

  test::TempDir dir;
  std::string east, west;
  Settings settings;
  ScriptedPlatform platform;
  TideDatabase database;
  PublishChoice choice;
  WebPublishRequest request;
  test::RecordingProgress progress;
  FilePageWriter writer;
  NamedPorts ports;
  WaterEventCounter events;
};

TEST_F(PublishChoiceTest, LocationsComeInTheListsOrder) {
  ASSERT_TRUE(database.LoadTideDatabase(west, platform));
  const struct {
    const char* what;
    bool chosenDatabase;
    bool all;
    std::vector<int> lines;
  } cases[] = {
      {"every port, alphabetically", true, true, {1, 2, 0}},
      {"the chosen port", true, false, {2}},
      {"another database: the first of its list", false, false, {1}},
      {"another database, every port", false, true, {1, 0}},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(database.LoadDatabaseIfNew(c.chosenDatabase ? east : west, platform));
    EXPECT_EQ(LocationsToPublish(database, choice, c.all), c.lines) << c.what;
  }
}

TEST_F(PublishChoiceTest, EveryDatabaseGetsItsOwnPortNotTheChosenLine) {
  choice.databases = {east, west};
  for (int i = 0; i < 2; ++i) platform.answerNext(MessageAnswer::Yes);
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
  for (int i = 0; i < 3; ++i) platform.answerNext(MessageAnswer::Yes);
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

TEST_F(PublishChoiceTest, AbortStopsTheWholeRun) {
  choice.databases = {east, west};
  test::RecordingProgress cancelling(10);
  EXPECT_EQ(PublishChosen(request, choice, database, PublishRun{settings, platform, cancelling, writer, ports, events}),
            JobOutcome::Cancelled);
  EXPECT_EQ(ports.ports, std::vector<std::string>{"Morlaix"});
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace saltmark
