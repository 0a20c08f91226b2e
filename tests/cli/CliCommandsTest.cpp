// The command-line companion run as a user runs it, over a small data folder
// written by the tests: its numbers must be the engine's, exactly.
#include <gtest/gtest.h>

#include <sstream>

#include "data/LocationLine.h"
#include "engine/TideEngine.h"
#include "cli/CliRun.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

using CliCommands = test::CliFolderTest;

TEST_F(CliCommands, HeightsAreTheEnginesToNineDigits) {
  const test::CliRun r = cli("heights TEST.tid 'test harbour' --start '2026-03-01 00:00' --days 1 --step 30");
  ASSERT_EQ(r.status, 0);
  Settings settings;
  TideEngine engine(settings);
  engine.setPort(ParseLocationLine(test::kTestPortLine));
  std::istringstream lines(r.out);
  std::string line;
  int count = 0;
  for (; std::getline(lines, line); ++count) {
    const DateTime listed = DateTime::fromCivil(2026, 3, 1).addMinutes(30.0 * count);
    engine.PredictHeight(listed.addMinutes(-60));  // the port keeps zone +1: an hour behind GMT
    char expected[64];
    std::snprintf(expected, sizeof expected, "\t%.9g", static_cast<double>(engine.tideHeight()));
    ASSERT_EQ(line.substr(19), expected) << line;
  }
  EXPECT_EQ(count, 49);
  EXPECT_EQ(r.out.substr(0, 20), "2026-03-01 00:00:00\t");
}

TEST_F(CliCommands, SecondaryAndStreamRuns) {
  const test::CliRun secondary = cli("secondary TEST.dif 'Up River' --start '2026-03-01 00:00' --days 0.5");
  ASSERT_EQ(secondary.status, 0);
  EXPECT_EQ(std::count(secondary.out.begin(), secondary.out.end(), '\n'), 13);

  const test::CliRun stream = cli("stream TEST.vel 'Sample Diamond A' --start '2026-03-01 00:00' --days 0.25 --units kmh");
  ASSERT_EQ(stream.status, 0);
  EXPECT_NE(stream.out.find("2026-03-01 06:00:00\t4.63\t90\n"), std::string::npos) << stream.out;
}

TEST_F(CliCommands, MistakesExitWithStatusTwo) {
  const char* cases[] = {
      "heights '/no/such.tid' '#0' --start '2026-03-01 00:00'",
      "heights TEST.tid 'Nowhere' --start '2026-03-01 00:00'",
      "heights TEST.tid '#0' --start 'yesterday'",
      "stream TEST.vel 'No Such Diamond' --start '2026-03-01 00:00'",
      // steps under a minute, runs past the cap of steps or past the year 9999
      "heights TEST.tid '#0' --start '2026-03-01 00:00' --step 0.5",
      "table TEST.tid '#0' --start '2026-03-01 00:00' --list interval --mins 0.001",
      "table TEST.tid '#0' --start '2026-03-01 00:00' --days 5000",
      "stream-table TEST.vel '#0' --start '2026-03-01 00:00' --list interval --mins 0.5",
      "heights TEST.tid '#0' --start '9999-12-31 00:00' --days 2",
      "table TEST.tid '#0' --start '9999-12-30 00:00' --days 5",
      // what the program's boxes refuse
      "heights TEST.tid '#0' --start '2026-03-01 00:00 tomorrow'",
      "graph TEST.tid '#0' --start '2026-03-01 00:00' --days 60 --png /dev/null",
      "graph TEST.tid '#0' --start '2026-03-01 00:00' --days 0.5 --png /dev/null",
      "graph TEST.tid '#0' --start '2026-03-01 00:00' --days 2x --png /dev/null",
      // a listing of samples is no calendar
      "heights TEST.tid '#0' --start '2026-03-01 00:00' --format ics",
      "table TEST.tid '#0' --start '2026-03-01 00:00' --list interval --format ics",
  };
  for (const char* c : cases) EXPECT_EQ(cli(c).status, 2) << c;
}

// The commands print names in UTF-8; the same spelling selects the port.
TEST_F(CliCommands, APortIsFoundByTheNameAsPrinted) {
  const std::string utf8Name = "'Mayag\xC3\xBC" "ez'";
  for (const std::string command : {"heights", "table"}) {
    const test::CliRun r = cli(command + " TEST.tid " + utf8Name + " --start '2026-03-01 00:00'");
    EXPECT_EQ(r.status, 0) << command;
  }
  const test::CliRun table = cli("table TEST.tid 'MAYAG\xC3\xBC" "EZ' --start '2026-03-01 00:00'");
  EXPECT_EQ(table.status, 0);
  EXPECT_NE(table.out.find("Mayag\xC3\xBC" "ez"), std::string::npos) << table.out;
}

// The time base moves the listed instants, not the heights, and the tables
// name its zone. 12:00 GMT is 13:00 in a zone one hour east (-4 quarter-hours).
TEST_F(CliCommands, TimeBasesMoveTheListedInstantsNotTheHeights) {
  const std::string heights = "heights TEST.tid '#0' --days 0 --start '2026-03-01 ";
  const test::CliRun gmt = cli(heights + "12:00'");
  ASSERT_EQ(gmt.status, 0);
  EXPECT_EQ(cli(heights + "13:00' --time-base local --local-zone -4").out.substr(19), gmt.out.substr(19));
  EXPECT_EQ(cli(heights + "13:00' --time-base system --system-zone -4").out.substr(19), gmt.out.substr(19));

  const std::string table = "table TEST.tid '#0' --list interval --mins 60 --days 1 --start '2026-03-01 0";
  const test::CliRun gmtTable = cli(table + "0:00'");
  const test::CliRun localTable = cli(table + "1:00' --time-base local --local-zone -4");
  EXPECT_NE(gmtTable.out.find("Time Zone: GMT"), std::string::npos);
  EXPECT_NE(localTable.out.find("Time Zone: -01:00"), std::string::npos) << localTable.out;
  // The row of 03:00 GMT is listed at 04:00 local with the same height (the
  // shifting of every row is the table generator's, tests/tables).
  const auto heightAt = [](const std::string& out, const std::string& time) {
    const auto at = out.find(time + "\t");
    return at == std::string::npos ? "none" : out.substr(at + 6, out.find('\t', at + 6) - at - 6);
  };
  EXPECT_NE(heightAt(gmtTable.out, "03:00"), "none");
  EXPECT_EQ(heightAt(localTable.out, "04:00"), heightAt(gmtTable.out, "03:00"));
  const test::CliRun streams = cli("stream-table TEST.vel '#0' --start '2026-03-01 00:00' --time-base system --system-zone 8");
  EXPECT_NE(streams.out.find("Time Zone: +02:00"), std::string::npos) << streams.out;
}

}  // namespace
}  // namespace saltmark
