// The listings in their other forms, read by real parsers: JSON by Python's
// json module, iCalendar by Python's icalendar (both skipped where absent),
// and sun and moon for a port.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/CliRun.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// Debian's python3 with the module, not whatever python3 comes first on the path.
bool havePython(const char* module) {
  return test::runShell(std::string("/usr/bin/python3 -c 'import ") + module + "' 2>/dev/null").status == 0;
}

class CliFormats : public test::CliFolderTest {
 protected:
  // Writes the text to a file and runs the Python snippet on it (its path is sys.argv[1]).
  test::CliRun python(const std::string& text, const std::string& snippet) {
    const auto file = dir / "out.txt";
    std::ofstream(file, std::ios::binary) << text;
    return test::runShell("/usr/bin/python3 -c '" + snippet + "' '" + file.string() + "' 2>/dev/null");
  }
};

TEST_F(CliFormats, EveryListingGivesJsonThatParses) {
  if (!havePython("json")) GTEST_SKIP() << "no Python json module";
  const char* commands[] = {
      "table TEST.tid '#0' --start '2026-03-01 00:00' --days 2 --ukc --depth 2 --draught 1",
      "table TEST.tid '#0' --start '2026-03-01 00:00' --days 1 --list passage --depth 0 --draught 1.5",
      "heights TEST.tid '#0' --start '2026-03-01 00:00' --days 1",
      "stream TEST.vel 'Sample Diamond A' --start '2026-03-01 00:00' --days 1",
      "stream-table TEST.vel 'Sample Diamond A' --start '2026-03-01 00:00' --days 1 --list interval",
      "sun-moon TEST.tid '#0' --start '2026-03-01 00:00' --days 3",
  };
  for (const char* command : commands) {
    const test::CliRun r = cli(std::string(command) + " --format json");
    ASSERT_EQ(r.status, 0) << command;
    const test::CliRun parsed = python(r.out, "import json,sys; d=json.load(open(sys.argv[1])); print(len(d), sorted(d[0]))");
    EXPECT_EQ(parsed.status, 0) << command << "\n" << r.out;
    EXPECT_NE(parsed.out.find("time"), std::string::npos) << command;
  }
}

TEST_F(CliFormats, CsvHoldsTheSameSamplesAsTheText) {
  const std::string heights = "heights TEST.tid '#0' --start '2026-03-01 00:00' --days 1 --time-base local --local-zone -4";
  const test::CliRun text = cli(heights), csv = cli(heights + " --format csv");
  ASSERT_EQ(csv.status, 0);
  std::istringstream t(text.out), c(csv.out);
  std::string tl, cl;
  std::getline(c, cl);
  EXPECT_EQ(cl, "time,height_m\r");
  int rows = 0;
  // "2026-03-01 00:00:00<TAB>h" against "2026-03-01T00:00:00+01:00,h"
  for (; std::getline(t, tl) && std::getline(c, cl); ++rows)
    EXPECT_EQ(cl, tl.substr(0, 10) + "T" + tl.substr(11, 8) + "+01:00," + tl.substr(20) + "\r");
  EXPECT_EQ(rows, 25);
}

TEST_F(CliFormats, HighAndLowWatersMakeACalendarAtThePort) {
  if (!havePython("icalendar")) GTEST_SKIP() << "no python3-icalendar";
  const std::string command = "table TEST.tid '#0' --start '2026-03-01 00:00' --days 2";
  const test::CliRun text = cli(command);
  const test::CliRun ics = cli(command + " --format ics");
  ASSERT_EQ(ics.status, 0);
  const std::size_t waters = count(text.out, "\tHI") + count(text.out, "\tLO");
  ASSERT_GE(waters, 6u);
  const test::CliRun parsed = python(ics.out,
                            "import sys,icalendar; c=icalendar.Calendar.from_ical(open(sys.argv[1]).read()); "
                            "e=c.walk(\"VEVENT\"); g=e[0][\"GEO\"]; "
                            "print(len(e), set(str(x[\"LOCATION\"]) for x in e), round(g.latitude, 3), round(g.longitude, 3))");
  ASSERT_EQ(parsed.status, 0) << ics.out;
  EXPECT_EQ(parsed.out, std::to_string(waters) + " {'Test Harbour'} 50.8 -1.117\n");
}

TEST_F(CliFormats, SunAndMoonForThePortInItsTimeBase) {
  // The new moon of 8 April 2024 fell at 18:21 UT (USNO): 19:21 an hour east
  // of Greenwich. Every day at 50 degrees north has its sunrise and sunset.
  const test::CliRun local = cli("sun-moon TEST.tid '#0' --start '2024-04-07 00:00' --days 3 --time-base local --local-zone -4");
  ASSERT_EQ(local.status, 0);
  EXPECT_NE(local.out.find("2024-04-08 19:21:"), std::string::npos) << local.out;
  EXPECT_EQ(count(local.out, "\tSunrise\n") + count(local.out, "\tSunset\n"), 6u);
  if (!havePython("icalendar")) return;
  const test::CliRun ics = cli("sun-moon TEST.tid '#0' --start '2024-04-07 00:00' --days 3 --format ics");
  const test::CliRun parsed = python(ics.out,
                            "import sys,icalendar; c=icalendar.Calendar.from_ical(open(sys.argv[1]).read()); "
                            "print(sum(1 for x in c.walk(\"VEVENT\") if str(x[\"SUMMARY\"]) == \"New Moon\"))");
  EXPECT_EQ(parsed.out, "1\n") << ics.out;
}

}  // namespace
}  // namespace saltmark
