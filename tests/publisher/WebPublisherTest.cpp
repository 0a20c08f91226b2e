#include "publisher/WebPublisher.h"

#include <gtest/gtest.h>

#include <regex>

#include "data/TideDatabaseFile.h"
#include "platform/ScriptedPlatform.h"
#include "publisher/MonthEvents.h"
#include "support/TestSupport.h"
#include "tables/GeneratorTestSupport.h"

namespace saltmark {
namespace {

DateTime start() { return DateTime::fromCivil(2026, 12, 5); }

TEST(MonthEvents, CalendarMonthKeepsTheDayWhereItCan) {
  EXPECT_EQ(AddCalendarMonth(DateTime::fromCivil(2026, 12, 15, 10, 30)), DateTime::fromCivil(2027, 1, 15, 10, 30));
  EXPECT_EQ(AddCalendarMonth(DateTime::fromCivil(2027, 1, 31, 6)), DateTime::fromCivil(2027, 2, 28, 6));
  EXPECT_EQ(AddCalendarMonth(DateTime::fromCivil(2028, 1, 30)), DateTime::fromCivil(2028, 2, 29));
}

TEST(MonthEvents, EveryWaterOfTheMonthWithoutTheEnd) {
  Settings settings;
  test::CurveHeights heights(start(), test::twiceDaily);
  test::RecordingProgress progress;
  WaterEventCounter counter;
  const auto result = CollectMonthEvents(start(), heights, settings, "0", progress, counter);
  ASSERT_EQ(result.outcome, JobOutcome::Completed);
  EXPECT_EQ(heights.asked.size(), 31u * 240u);  // 5 Dec 00:00 up to, not including, 5 Jan 00:00
  ASSERT_EQ(result.events.size(), 124u);
  EXPECT_EQ(result.events.front().time, DateTime::fromCivil(2026, 12, 5, 3));
  EXPECT_FLOAT_EQ(result.events.front().height, 3.5f);
  EXPECT_EQ(result.events[1].time, DateTime::fromCivil(2026, 12, 5, 9));
  EXPECT_EQ(result.events.back().time, DateTime::fromCivil(2027, 1, 4, 21));
  EXPECT_EQ(counter.count(), 124);
}

TEST(MonthEvents, SamplesInThePortsTimeBaseAndStopsOnAbort) {
  Settings settings;
  test::CurveHeights heights(start(), test::twiceDaily);
  test::RecordingProgress cancelling(50);
  WaterEventCounter counter;
  const auto result = CollectMonthEvents(start(), heights, settings, "-1", cancelling, counter);
  EXPECT_EQ(result.outcome, JobOutcome::Cancelled);
  EXPECT_TRUE(result.events.empty());
  ASSERT_EQ(heights.asked.size(), 50u);
  EXPECT_EQ(heights.asked[0], start().addMinutes(60));
}

class CurvePorts : public PortHeights {
 public:
  TideHeightSource& heightsFor(const LocationRecord& port, const Settings&) override {
    ports.push_back(port.portName);
    return heights;
  }
  test::CurveHeights heights{start(), test::twiceDaily};
  std::vector<std::string> ports;
};

std::string portLine(const std::string& name) {
  std::string line = name + ",0,50,48,n,1,7,w";
  for (int i = 0; i < 47; ++i) line += ",0";
  return line;
}

// Every href of a page, with its entities decoded.
std::vector<std::string> links(const std::string& page) {
  std::vector<std::string> found;
  const std::regex href("href=\"([^\"]*)\"");
  for (std::sregex_iterator it(page.begin(), page.end(), href), end; it != end; ++it)
    found.push_back(std::regex_replace((*it)[1].str(), std::regex("&amp;"), "&"));
  return found;
}

class WebPublisherTest : public ::testing::Test {
 protected:
  WebPublisherTest() {
    settings.autoLocalZone = 0;
    const auto path = dir / "SOLENT.tid";
    EXPECT_TRUE(WriteTideDatabaseFile(path, "Saltmark 100", {}, {portLine("North/Bay"), portLine("Ho & Co")}));
    EXPECT_TRUE(database.LoadTideDatabase(path.string(), platform));
    request.start = start();
    request.saveDir = (dir / "web").string();
    request.allLocations = true;
    request.zoneName = "GMT";
  }
  ~WebPublisherTest() override { setWriteFaultForTesting(nullptr); }

  JobOutcome publish(JobProgress& progress) {
    return PublishDatabase(request, database, {0, 1}, PublishRun{settings, platform, progress, writer, ports, events});
  }
  JobOutcome publish() { return publish(progress); }

  test::TempDir dir;
  Settings settings;
  ScriptedPlatform platform;
  TideDatabase database;
  WebPublishRequest request;
  test::RecordingProgress progress;
  FilePageWriter writer;
  CurvePorts ports;
  WaterEventCounter events;
};

TEST_F(WebPublisherTest, PagesLieBesideTheirIndexAndEveryLinkResolves) {
  platform.answerNext(MessageAnswer::Yes);
  platform.answerNext(MessageAnswer::Yes);
  ASSERT_EQ(publish(), JobOutcome::Completed);
  const auto folder = dir / "web" / "SOLENT";
  EXPECT_TRUE(std::filesystem::exists(folder / "North-Bay.html"));
  EXPECT_TRUE(std::filesystem::exists(folder / "Ho_&_Co.html"));
  const std::string index = test::readFile(folder / "index.html");
  const auto indexLinks = links(index);
  ASSERT_EQ(indexLinks.size(), 4u);  // the credit, two pages, the world index
  for (std::size_t i = 1; i < indexLinks.size(); ++i)
    EXPECT_TRUE(std::filesystem::exists(folder / indexLinks[i])) << indexLinks[i];
  EXPECT_NE(index.find("50\xB0" "48'N 1\xB0" "07'W Ho &amp; Co</a><br>\r\n\r\n"), std::string::npos);
  const auto worldLinks = links(test::readFile(dir / "web" / "index.html"));
  ASSERT_EQ(worldLinks.size(), 2u);
  EXPECT_EQ(worldLinks[1], "SOLENT/index.html");

  const std::vector<std::string> texts = platform.messageTexts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0], "Create Web Page: '" + (folder / "North-Bay.html").string() + "' for North/Bay.  OK");
  EXPECT_EQ(texts[1].substr(0, texts[1].find('\r')),
            "Web Page: '" + (folder / "North-Bay.html").string() + "' successfully created.");
  EXPECT_EQ(ports.ports, (std::vector<std::string>{"North/Bay", "Ho & Co"}));
}

TEST_F(WebPublisherTest, AnsweringNoWritesNothingAndIsNotListed) {
  platform.answerNext(MessageAnswer::No);
  platform.answerNext(MessageAnswer::Yes);
  ASSERT_EQ(publish(), JobOutcome::Completed);
  const auto folder = dir / "web" / "SOLENT";
  EXPECT_FALSE(std::filesystem::exists(folder / "North-Bay.html"));
  EXPECT_EQ(test::readFile(folder / "index.html").find("North"), std::string::npos);
  const auto texts = platform.messageTexts();
  ASSERT_EQ(texts.size(), 3u);  // no message after the No
  EXPECT_EQ(texts[1].substr(0, 16), "Create Web Page:");
}

TEST_F(WebPublisherTest, AnAbortedRunKeepsTheIndexOfTheLastRun) {
  platform.answerNext(MessageAnswer::Yes);
  platform.answerNext(MessageAnswer::Yes);
  ASSERT_EQ(publish(), JobOutcome::Completed);
  const auto index = dir / "web" / "SOLENT" / "index.html";
  const std::string before = test::readFile(index);
  test::RecordingProgress cancelling(10);
  EXPECT_EQ(publish(cancelling), JobOutcome::Cancelled);
  EXPECT_EQ(test::readFile(index), before);
}

TEST_F(WebPublisherTest, BadRowsOrNoFolderAreRefused) {
  request.rowsText = "0";
  EXPECT_EQ(publish(), JobOutcome::Refused);
  request.rowsText = "8";
  request.saveDir = "  ";
  EXPECT_EQ(publish(), JobOutcome::Refused);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_FALSE(std::filesystem::exists(dir / "web"));
  EXPECT_TRUE(ports.ports.empty());
}

TEST_F(WebPublisherTest, OneLocationWithoutIndexAndTheRunOverDatabases) {
  request.allLocations = false;
  platform.answerNext(MessageAnswer::Yes);
  const auto path = (dir / "SOLENT.tid").string();
  ASSERT_EQ(PublishDatabases(request, {path}, database, 1, PublishRun{settings, platform, progress, writer, ports, events}),
            JobOutcome::Completed);
  EXPECT_TRUE(std::filesystem::exists(dir / "web" / "SOLENT" / "Ho_&_Co.html"));
  EXPECT_FALSE(std::filesystem::exists(dir / "web" / "SOLENT" / "index.html"));
  EXPECT_FALSE(std::filesystem::exists(dir / "web" / "index.html"));
  EXPECT_EQ(DatabaseFolder("out", "/data/WORLD.tid"), std::filesystem::path("out") / "WORLD");
  EXPECT_EQ(DatabaseFolder("out", "x.t"), std::filesystem::path("out"));
}

}  // namespace
}  // namespace saltmark
