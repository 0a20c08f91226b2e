#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Fixtures.h"
#include "data/DifferenceFile.h"
#include "data/StreamFile.h"
#include "data/TideDatabase.h"
#include "locations/DatabaseChoice.h"
#include "locations/ListMatching.h"
#include "locations/Positions.h"
#include "locations/SelectionCheck.h"

namespace saltmark {
namespace {

TEST(MatchListText, KeepsAChoiceOrTakesTheFirstEqualEntry) {
  const std::vector<std::string> entries = {"SOLENT.tid", "BRITTANY.tid", "SOLENT.tid"};
  const struct {
    std::optional<int> chosen;
    const char* text;
    std::optional<int> result;
  } cases[] = {{1, "SOLENT.tid", 1},          {std::nullopt, "SOLENT.tid", 0}, {std::nullopt, "BRITTANY.tid", 1},
               {std::nullopt, "solent.tid", std::nullopt}, {std::nullopt, "", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(MatchListText(entries, c.chosen, c.text), c.result) << c.text;
}

// A complete choice for the port mode, with one change made to it.
SelectionInput complete(std::int16_t mode, const std::function<void(SelectionInput&)>& change = {}) {
  SelectionInput in;
  in.dateText = "06/12/2024";
  in.timeText = "12:00";
  in.portMode = mode;
  in.tideDatabase = "SOLENT.tid";
  in.tideLocationItemData = 0;
  in.streamDatabaseChosen = in.streamLocationChosen = true;
  in.differenceDatabaseChosen = in.differenceLocationChosen = true;
  if (change) change(in);
  return in;
}

TEST(SelectionProblem, TheLastFailingTestIsTheOneShown) {
  StationChoice unweighed;
  unweighed.count = 2;
  const char* tid = "Please select a Database (.tid file).";
  const char* location = "Please select a Location.";
  const struct {
    const char* what;
    SelectionInput input;
    std::optional<std::string> message;
  } cases[] = {
      {"heights complete", complete(0), std::nullopt},
      {"publisher is checked as heights", complete(3, [](auto& i) { i.tideDatabase.reset(); }), tid},
      {"no date", complete(0, [](auto& i) { i.dateText.clear(); }), "Please enter a valid date."},
      {"no time", complete(1, [](auto& i) { i.timeText.clear(); }), "Please enter a valid time."},
      {"no date and no location",
       complete(0, [](auto& i) { i.dateText.clear(), i.tideLocationItemData.reset(); }), location},
      {"neither tide list",
       complete(0, [](auto& i) { i.tideLocationItemData.reset(), i.tideDatabase.reset(); }), tid},
      {"no stream station", complete(1, [](auto& i) { i.streamLocationChosen = false; }), location},
      {"stations not weighed", complete(1, [&](auto& i) { i.stations = &unweighed; }),
       "Please enter a position and press Interpolate."},
      {"no secondary port", complete(2, [](auto& i) { i.differenceLocationChosen = false; }),
       "Please select a Location"},
      {"differences ignore the tide lists", complete(2, [](auto& i) { i.tideDatabase.reset(); }), std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(SelectionProblem(c.input), c.message) << c.what;
}

class SelectionWithFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    test::writeTideDatabase(dir / "SOLENT.tid", {test::locationLine("Yarmouth", "50,42,N,1,30,W"),
                                                 test::locationLine("Portsmouth", "50,48,N,1,07,W")});
    test::writeTideDatabase(dir / "BRITTANY.tid", {test::locationLine("Brest", "48,23,N,4,30,W")});
    LocationIndexContents contents;
    contents.databaseNames = {"SOLENT.tid", "BRITTANY.tid"};
    contents.entries = {test::place("Yarmouth", 50.7, -1.5, 0, 0), test::place("Portsmouth", 50.8, -1.12, 0, 1),
                        test::place("Brest", 48.38, -4.5, 1, 0)};
    index = test::indexOf(dir, contents);
  }
  SelectionOutcome check(const SelectionInput& input) {
    SelectionContext context{database, index, differences, record, settings, platform, dir.path(), {}};
    return CheckSelection(input, context);
  }

  test::TempDir dir;
  LocationIndex index;
  TideDatabase database;
  DifferenceTable differences;
  LocationRecord record;
  Settings settings;
  ScriptedPlatform platform;
};

// A failing test loads nothing; a chosen location is read from the list, or by
// distance through the index, or refused when it is in neither.
TEST_F(SelectionWithFiles, HeightsReadTheChosenLocationFromTheListOrThroughTheIndex) {
  EXPECT_FALSE(check(complete(0, [](auto& i) { i.timeText.clear(); })).complete);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Please enter a valid time.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(database.currentDatabase(), "");

  SelectionInput in = complete(0, [](auto& i) { i.tideLocationItemData = 1; });
  SelectionOutcome outcome = check(in);
  EXPECT_TRUE(outcome.complete);
  EXPECT_FALSE(outcome.tideDatabaseText);
  EXPECT_EQ(record.portName, "Portsmouth");
  EXPECT_EQ(database.currentDatabase(), (dir / "SOLENT.tid").string());

  // By distance, whatever the list shows, the location's own database is loaded.
  in.byDistance = true;
  in.tideLocationItemData = 2;
  outcome = check(in);
  EXPECT_TRUE(outcome.complete);
  EXPECT_EQ(outcome.tideDatabaseText, "BRITTANY.tid");
  EXPECT_EQ(record.portName, "Brest");

  in.tideLocationItemData = 7;
  EXPECT_FALSE(check(in).complete);
  EXPECT_EQ(platform.lastMessage()->text, "The chosen location is not in the location index.");

  // A database that does not load leaves the choice incomplete.
  platform.clear();
  EXPECT_FALSE(check(complete(0, [](auto& i) { i.tideDatabase = "MISSING.tid"; })).complete);
  EXPECT_FALSE(platform.messages.empty());  // the loader's own message
}

TEST_F(SelectionWithFiles, ASecondaryPortBringsItsReferencePortIntoPlace) {
  differences.records[3].name = "Bembridge";
  differences.records[3].referencePort = 1;
  SelectionInput in = complete(2, [](auto& i) { i.selectedDifferenceRecord = 3; });
  EXPECT_TRUE(check(in).complete);
  EXPECT_EQ(record.portName, "Portsmouth");

  differences.records[3].referencePort = 4000;
  EXPECT_FALSE(check(in).complete);
  EXPECT_EQ(platform.lastMessage()->text, "The reference port of Bembridge is not in the location index.");

  // A record number outside the table is no choice at all.
  for (int outside : {-1, static_cast<int>(differences.records.size())}) {
    platform.clear();
    in.selectedDifferenceRecord = outside;
    EXPECT_FALSE(check(in).complete) << outside;
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"Please select a Location"}) << outside;
  }
}

TEST_F(SelectionWithFiles, ChoosingDatabasesLoadsThemAndRemembersTheirNamesOrRefusesThem) {
  DifferenceRecord port;
  port.name = "Bembridge";
  port.referencePort = 1;
  ASSERT_TRUE(DifferenceFile::write(dir / "MINE.dif", std::vector<DifferenceRecord>{port}));
  StreamRecord diamond;
  diamond.name = "Diamond A";
  ASSERT_TRUE(StreamFile::write(dir / "SOLENT.vel", std::vector<StreamRecord>{diamond}));
  DifferenceTable table;
  StreamTable streams;
  std::vector<std::string> dloc, sloc;

  EXPECT_TRUE(SelectDifferenceDatabase("MINE.dif", table, dloc, settings, platform, dir.path()));
  EXPECT_EQ(dloc, std::vector<std::string>{"Bembridge"});
  EXPECT_EQ(settings.differenceDatabasePath, "MINE.dif");
  EXPECT_TRUE(SelectStreamDatabase("SOLENT.vel", streams, sloc, settings, platform, dir.path()));
  EXPECT_EQ(sloc, std::vector<std::string>{"Diamond A"});
  EXPECT_EQ(settings.streamDatabasePath, "SOLENT.vel");

  const DifferenceLocationLabels labels = ShowDifferenceLocation(table, 0, index);
  EXPECT_EQ(labels.rfp + " " + labels.Rlat + " " + labels.Rlon, "Portsmouth 50\xB0" "48.0'N 001\xB0" "07.2'W");
  for (int outside : {-1, static_cast<int>(table.records.size())})
    EXPECT_EQ(ShowDifferenceLocation(table, outside, index).dlat, "") << outside;
  EXPECT_FALSE(SelectDifferenceDatabase("", table, dloc, settings, platform, dir.path()));
  EXPECT_TRUE(platform.messages.empty());

  // Missing and damaged databases are refused, and the list and the remembered name are kept.
  std::vector<std::string> list = {"kept"};
  EXPECT_FALSE(SelectDifferenceDatabase("GONE.dif", table, list, settings, platform, dir.path()));
  EXPECT_FALSE(SelectStreamDatabase("GONE.vel", streams, list, settings, platform, dir.path()));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].text, "File GONE.dif does not exist.");
  EXPECT_EQ(platform.messages[0].caption, "Saltmark:Tidal Differences");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(platform.messages[1].caption, "Saltmark:Tidal Streams");

  platform.clear();
  test::writeFile(dir / "BAD.dif", std::string("\x05\x00", 2));
  EXPECT_FALSE(SelectDifferenceDatabase("BAD.dif", table, list, settings, platform, dir.path()));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.rfind("The file is not a valid Saltmark Difference Database\nBAD.dif: ", 0), 0u);
  EXPECT_EQ(list, std::vector<std::string>{"kept"});
  EXPECT_EQ(settings.differenceDatabasePath, "MINE.dif");
}

}  // namespace
}  // namespace saltmark
