#include "publisher/WebPublisher.h"

#include <gtest/gtest.h>

#include "publisher/MonthEvents.h"
#include "publisher/PageNames.h"
#include "publisher/PublisherRig.h"
#include "publisher/WebCredit.h"

namespace saltmark {
namespace {

DateTime start() { return DateTime::fromCivil(2026, 12, 5); }

TEST(MonthEvents, CalendarMonthKeepsTheDayWhereItCan) {
  EXPECT_EQ(AddCalendarMonth(DateTime::fromCivil(2026, 12, 15, 10, 30)), DateTime::fromCivil(2027, 1, 15, 10, 30));
  EXPECT_EQ(AddCalendarMonth(DateTime::fromCivil(2027, 1, 31, 6)), DateTime::fromCivil(2027, 2, 28, 6));
  EXPECT_EQ(AddCalendarMonth(DateTime::fromCivil(2028, 1, 30)), DateTime::fromCivil(2028, 2, 29));
}

// A month from the 5th up to, not including, the 5th of the next, sampled in
// the port's own time base; an abort keeps no water.
TEST(MonthEvents, EveryWaterOfTheMonthWithoutTheEnd) {
  Settings settings;
  WaterEventCounter counter;
  test::CurveHeights heights(start(), test::twiceDaily);
  test::RecordingProgress progress;
  const auto result = CollectMonthEvents(start(), heights, settings, "0", progress, counter);
  ASSERT_EQ(result.outcome, JobOutcome::Completed);
  EXPECT_EQ(heights.asked.size(), 31u * 240u);
  ASSERT_EQ(result.events.size(), 124u);
  EXPECT_EQ(result.events.front().time, DateTime::fromCivil(2026, 12, 5, 3));
  EXPECT_FLOAT_EQ(result.events.front().height, 3.5f);
  EXPECT_EQ(result.events[1].time, DateTime::fromCivil(2026, 12, 5, 9));
  EXPECT_EQ(result.events.back().time, DateTime::fromCivil(2027, 1, 4, 21));
  EXPECT_EQ(counter.count(), 124);

  test::CurveHeights east(start(), test::twiceDaily);
  test::RecordingProgress cancelling(50);
  const auto stopped = CollectMonthEvents(start(), east, settings, "-1", cancelling, counter);
  EXPECT_EQ(stopped.outcome, JobOutcome::Cancelled);
  EXPECT_TRUE(stopped.events.empty());
  ASSERT_EQ(east.asked.size(), 50u);
  EXPECT_EQ(east.asked[0], start().addMinutes(60));
}

class WebPublisherTest : public ::testing::Test, protected test::PublishRig {
 protected:
  WebPublisherTest() : PublishRig(start()) {
    const std::string path = writeDatabase("SOLENT.tid", {test::blankPortLine("North/Bay"), test::blankPortLine("Ho & Co")});
    EXPECT_TRUE(database.LoadTideDatabase(path, platform));
  }

  JobOutcome publish(JobProgress& jobProgress) { return PublishDatabase(request, database, {0, 1}, run(ports, jobProgress)); }
  JobOutcome publish() { return publish(progress); }
  std::filesystem::path solent() const { return dir / "web" / "SOLENT"; }
};

// Ports whose names clean to the same file name, or to the index's name,
// each keep a page of their own, on every run the same.
TEST(PageNames, EveryPageOfADatabaseHasItsOwnFileAndNoneIsTheIndex) {
  const std::vector<std::string> ports = {"A B", "A_B", "A/B", "A-B", "index", "INDEX", "A_B_2", "Cowes", "Z", "z"};
  EXPECT_EQ(PageFileNames(ports), (std::vector<std::string>{"A_B", "A_B_2", "A-B", "A-B_2", "index_2", "INDEX_3",
                                                             "A_B_2_2", "Cowes", "Z", "z_2"}));
  EXPECT_EQ(PageFileNames(ports), PageFileNames(ports));
  EXPECT_EQ(DatabaseFolder("out", "/data/WORLD.tid"), std::filesystem::path("out") / "WORLD");
  EXPECT_EQ(DatabaseFolder("out", "x.t"), std::filesystem::path("out"));
}

// Pages lie beside their index under cleaned names, each its own; the links
// are escaped, and each resolves once decoded.
TEST_F(WebPublisherTest, PortsWhoseNamesCleanAlikeGetPagesOfTheirOwn) {
  const std::string path = writeDatabase("CLASH.tid", {test::blankPortLine("A B"), test::blankPortLine("A_B"),
                                                       test::blankPortLine("index"), test::blankPortLine("Ho & Co")});
  ASSERT_TRUE(database.LoadTideDatabase(path, platform));
  answerYes(4);
  ASSERT_EQ(PublishDatabase(request, database, {0, 1, 2, 3}, run()), JobOutcome::Completed);
  const auto folder = dir / "web" / "CLASH";
  const auto links = test::links(test::readFile(folder / "index.html"));
  EXPECT_EQ(links, (std::vector<std::string>{std::string(kMakerWebAddress), "A_B.html", "A_B_2.html", "index_2.html",
                                             "Ho_&_Co.html", "../index.html"}));
  for (std::size_t i = 1; i < links.size(); ++i) EXPECT_TRUE(std::filesystem::exists(folder / links[i])) << links[i];
  const std::pair<const char*, const char*> pages[] = {{"A_B.html", "A B"}, {"A_B_2.html", "A_B"}, {"index_2.html", "index"}};
  for (const auto& [file, port] : pages)
    EXPECT_NE(test::readFile(folder / file).find(std::string("<title>") + port + "</title>"), std::string::npos) << file;
  EXPECT_EQ(test::links(test::readFile(dir / "web" / "index.html")).back(), "CLASH/index.html");
  EXPECT_EQ(ports.ports, (std::vector<std::string>{"A B", "A_B", "index", "Ho & Co"}));
}

// The save folder's index.html may be the user's own home page: it is
// replaced only with the user's yes; the program's own is replaced silently.
TEST_F(WebPublisherTest, TheUsersOwnWorldIndexIsReplacedOnlyWhenTheUserAgrees) {
  const auto world = dir / "web" / "index.html";
  std::filesystem::create_directories(dir / "web");
  test::writeFile(world, "<html>my home page</html>");
  for (const auto& [answer, replaced] : {std::pair{MessageAnswer::No, false}, {MessageAnswer::Yes, true}}) {
    platform.clear();
    answerYes(2);
    platform.answerNext(answer);
    ASSERT_EQ(publish(), JobOutcome::Completed);
    EXPECT_EQ(platform.unansweredQuestions, 0);
    EXPECT_EQ(platform.messages.back().text, "Create Web Page: '" + world.string() + "' for World Index.  OK");
    EXPECT_EQ(test::readFile(world) == "<html>my home page</html>", !replaced);
  }
  // Now the program's own: the next run replaces it without a question.
  platform.clear();
  answerYes(2);
  ASSERT_EQ(publish(), JobOutcome::Completed);
  EXPECT_EQ(platform.unansweredQuestions, 0);
  EXPECT_EQ(platform.messages.size(), 4u);
  EXPECT_EQ(test::readFile(world).rfind("<!-- Saltmark world index -->", 0), 0u);
}

// A port answered No is neither written nor listed; an aborted run keeps
// the index of the last run.
TEST_F(WebPublisherTest, AnsweringNoWritesNothingAndAnAbortKeepsTheLastIndex) {
  platform.answerNext(MessageAnswer::No);
  platform.answerNext(MessageAnswer::Yes);
  ASSERT_EQ(publish(), JobOutcome::Completed);
  EXPECT_FALSE(std::filesystem::exists(solent() / "North-Bay.html"));
  const std::string index = test::readFile(solent() / "index.html");
  EXPECT_EQ(index.find("North"), std::string::npos);
  const auto texts = platform.messageTexts();
  ASSERT_EQ(texts.size(), 3u);  // no message after the No
  EXPECT_EQ(texts[1].substr(0, 16), "Create Web Page:");
  test::RecordingProgress cancelling(10);
  EXPECT_EQ(publish(cancelling), JobOutcome::Cancelled);
  EXPECT_EQ(test::readFile(solent() / "index.html"), index);
}

// A port whose prediction overflows is named and skipped; the others and
// the index are still written.
TEST_F(WebPublisherTest, APortThatCannotBePredictedIsSkippedAndNamed) {
  struct OverflowingFirst : test::CurvePorts {
    using CurvePorts::CurvePorts;
    TideHeightSource& heightsFor(const LocationRecord& port, const Settings& s) override {
      if (port.portName == "North/Bay") throw RuntimeError(errc::kOverflow);
      return CurvePorts::heightsFor(port, s);
    }
  } failing(start());
  answerYes(1);
  ASSERT_EQ(PublishDatabase(request, database, {0, 1}, run(failing, progress)), JobOutcome::Completed);
  EXPECT_TRUE(std::filesystem::exists(solent() / "Ho_&_Co.html"));
  const std::string index = test::readFile(solent() / "index.html");
  EXPECT_EQ(index.find("North"), std::string::npos);
  EXPECT_NE(index.find("Ho &amp; Co"), std::string::npos);
  EXPECT_EQ(platform.messages.back().text, "No page for North/Bay: Overflow.");
  EXPECT_EQ(platform.messages.back().caption, "Saltmark Publisher");
}

TEST_F(WebPublisherTest, BadRowsOrNoFolderAreRefused) {
  for (const auto& [rows, folder] : {std::pair{"0", "web"}, {"100000", "web"}, {"8", "  "}}) {
    request.rowsText = rows;
    request.saveDir = folder == std::string("web") ? (dir / "web").string() : folder;
    EXPECT_EQ(publish(), JobOutcome::Refused) << rows;
  }
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(platform.messages[1].text, "Please enter a number of rows from 1 to 32767.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_FALSE(std::filesystem::exists(dir / "web"));
  EXPECT_TRUE(ports.ports.empty());
}

}  // namespace
}  // namespace saltmark
