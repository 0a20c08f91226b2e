// The table viewer's CSV and iCalendar exports: the rows with their zone
// offset, the high and low waters as calendar events, and a failed export
// that says so and keeps the file that was there.
#include <QAction>

#include <gtest/gtest.h>

#include "common/AtomicFile.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"
#include "support/WriteFaults.h"
#include "tables/gui/TableViewerWindow.h"

namespace saltmark::test {
namespace {

class TableViewerExport : public ::testing::Test {
 protected:
  void SetUp() override {
    viewer.AppendTableLine("Saltmark Tide Table");
    viewer.AppendTableLine("Units: Metres");
    viewer.AppendTableLine("");
    viewer.AppendTableLine("05 Dec 2026 14:05\t4.23\tHI");
    viewer.AppendTableLine("05 Dec 2026 20:17\t0.87\tLO");
    TableExportContext context;
    context.utcOffsetMinutes = 60;  // the table in a zone an hour east
    context.location = "Test Harbour";
    context.geo = std::pair{50.8, -1.1167};
    viewer.setExportContext(context);
  }
  void trigger(const char* name) { viewer.findChild<QAction*>(name)->trigger(); }

  TempDir dir;
  ScriptedPlatform platform;
  TableViewerWindow viewer{platform, dir.path()};
};

TEST_F(TableViewerExport, CsvHasOneRowPerEventWithTheZoneOffset) {
  const auto path = dir / "week.csv";
  platform.fileNext(path);
  trigger("CsvExport");
  EXPECT_EQ(readFile(path),
            "time,height_m,kind\r\n"
            "2026-12-05T14:05:00+01:00,4.23,HI\r\n"
            "2026-12-05T20:17:00+01:00,0.87,LO\r\n");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TableViewerExport, ICalendarHasAnEventPerWaterInGmt) {
  const auto path = dir / "week.ics";
  platform.fileNext(path);
  trigger("IcsExport");
  const std::string ics = readFile(path);
  EXPECT_NE(ics.find("DTSTART:20261205T130500Z\r\nDTEND:20261205T130500Z\r\nSUMMARY:High water 4.23 m\r\n"
                     "LOCATION:Test Harbour\r\nGEO:50.800000;-1.116700\r\n"),
            std::string::npos)
      << ics;
  EXPECT_NE(ics.find("UID:20261205T191700Z-LW-"), std::string::npos);
  EXPECT_EQ(ics.substr(ics.size() - 15), "END:VCALENDAR\r\n");
}

TEST_F(TableViewerExport, AnExportThatCannotBeWrittenSaysSoAndKeepsTheOldFile) {
  const auto path = dir / "week.csv";
  writeFile(path, "the old export\r\n");
  setWriteFaultForTesting([](const std::filesystem::path&) { return false; });  // the disk is full
  for (const char* action : {"CsvExport", "IcsExport"}) {
    platform.messages.clear();
    platform.fileNext(path);
    trigger(action);
    ASSERT_EQ(platform.messages.size(), 1u) << action;
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(platform.messages[0].text.rfind("The table could not be exported as ", 0), 0u);
  }
  setWriteFaultForTesting(nullptr);
  EXPECT_EQ(readFile(path), "the old export\r\n");
  EXPECT_EQ(FolderSnapshot(dir.path()).size(), 1u);  // no temporary file left
}

}  // namespace
}  // namespace saltmark::test
