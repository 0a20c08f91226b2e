// The table viewer on its own: the generators' text in the box, and the
// Export menu's clipboard, file, printer, CSV and iCalendar.
#include <QAction>
#include <QPlainTextEdit>
#include <QPrinter>

#include <gtest/gtest.h>

#include "common/AtomicFile.h"
#include "platform/ScriptedPlatform.h"
#include "platform/gui/Printing.h"
#include "support/TestSupport.h"
#include "support/WriteFaults.h"
#include "tables/gui/TableViewerWindow.h"

namespace saltmark::test {
namespace {

class TableViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    viewer.ClearTableText();
    for (const char* line : {"Saltmark Tide Table", "Units: Metres", "", "05 Dec 2026 14:05\t4.23\tHI",
                             "05 Dec 2026 20:17\t0.87\tLO"})
      viewer.AppendTableLine(line);
    TableExportContext context;
    context.utcOffsetMinutes = 60;  // the table in a zone an hour east
    context.location = "Test Harbour";
    context.geo = std::pair{50.8, -1.1167};
    viewer.setExportContext(context);
  }
  void trigger(const char* name) { viewer.findChild<QAction*>(name)->trigger(); }

  static constexpr const char* kText =
      "Saltmark Tide Table\r\nUnits: Metres\r\n\r\n05 Dec 2026 14:05\t4.23\tHI\r\n05 Dec 2026 20:17\t0.87\tLO\r\n";
  TempDir dir;
  ScriptedPlatform platform;
  TableViewerWindow viewer{platform, dir.path()};
};

TEST_F(TableViewerTest, TheBoxShowsTheTextOnceTheRunIsOverAndExportsOneEntryPerWater) {
  EXPECT_EQ(viewer.tableText(), kText);
  viewer.showTable();
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_EQ(viewer.box()->toPlainText().toStdString(),
            "Saltmark Tide Table\nUnits: Metres\n\n05 Dec 2026 14:05\t4.23\tHI\n05 Dec 2026 20:17\t0.87\tLO\n");
  trigger("Clip");
  EXPECT_EQ(platform.clipboard, kText);
  // CSV rows carry the zone's offset; calendar events are in GMT.
  platform.fileNext(dir / "week.csv");
  trigger("CsvExport");
  EXPECT_EQ(readFile(dir / "week.csv"),
            "time,height_m,kind\r\n2026-12-05T14:05:00+01:00,4.23,HI\r\n2026-12-05T20:17:00+01:00,0.87,LO\r\n");
  platform.fileNext(dir / "week.ics");
  trigger("IcsExport");
  const std::string ics = readFile(dir / "week.ics");
  EXPECT_NE(ics.find("DTSTART:20261205T130500Z\r\nDTEND:20261205T130500Z\r\nSUMMARY:High water 4.23 m\r\n"
                     "LOCATION:Test Harbour\r\nGEO:50.800000;-1.116700\r\n"), std::string::npos) << ics;
  EXPECT_NE(ics.find("UID:20261205T191700Z-LW-"), std::string::npos);
  EXPECT_EQ(ics.substr(ics.size() - 15), "END:VCALENDAR\r\n");
  EXPECT_TRUE(platform.messages.empty());
  viewer.ClearTableText();
  viewer.refreshBox();
  EXPECT_TRUE(viewer.box()->toPlainText().isEmpty());
  trigger("Exit_Table");
  EXPECT_FALSE(viewer.isVisible());
  trigger("Help");
  EXPECT_EQ(platform.helpTopics, std::vector<int>{8});
}

// A save replaces the old file; a cancelled one changes nothing; on a full disk
// each save says so in a critical message and leaves the old file.
TEST_F(TableViewerTest, ToFileWritesTheTextAndALineEndOverTheOldFileOrSaysWhyNot) {
  const auto path = dir / "week.txt";
  writeFile(path, "an older table, longer than the new one ...................................\r\n");
  platform.fileNext(path);
  trigger("MyFil");
  const std::string saved = std::string(kText) + "\r\n";
  EXPECT_EQ(readFile(path), saved);
  viewer.AppendTableLine("more");
  platform.fileNext(std::nullopt);
  trigger("MyFil");
  EXPECT_EQ(readFile(path), saved);
  EXPECT_TRUE(platform.messages.empty());

  setWriteFaultForTesting([](const std::filesystem::path&) { return false; });
  const char* saveFailed = "The table could not be saved as ";
  const char* exportFailed = "The table could not be exported as ";
  for (auto [action, message] :
       {std::pair{"MyFil", saveFailed}, {"CsvExport", exportFailed}, {"IcsExport", exportFailed}}) {
    platform.messages.clear();
    platform.fileNext(path);
    trigger(action);
    ASSERT_EQ(platform.messages.size(), 1u) << action;
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(platform.messages[0].text.rfind(message, 0), 0u) << platform.messages[0].text;
  }
  setWriteFaultForTesting(nullptr);
  EXPECT_EQ(readFile(path), saved);
  EXPECT_EQ(FolderSnapshot(dir.path()).size(), 1u);  // no temporary file left
}

TEST_F(TableViewerTest, PrintsToAPdfFileWholeOrTheSelection) {
  viewer.showTable();
  for (bool selectFirstLine : {false, true}) {
    SCOPED_TRACE(selectFirstLine);
    QTextCursor cursor = viewer.box()->textCursor();
    cursor.movePosition(QTextCursor::Start);
    if (selectFirstLine) cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    viewer.box()->setTextCursor(cursor);
    const auto path = dir / "table.pdf";
    auto printer = pdfPrinter(QString::fromStdString(path.string()));
    EXPECT_TRUE(viewer.printTable(*printer, selectFirstLine));
    printer.reset();
    const std::string pdf = readFile(path);
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_GT(pdf.size(), 500u);
  }
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace saltmark::test
