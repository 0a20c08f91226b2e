// The table viewer on its own: the generators' text in the box, and the
// Export menu's clipboard, file and printer.
#include <QAction>
#include <QPlainTextEdit>
#include <QPrinter>

#include <gtest/gtest.h>

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
    viewer.AppendTableLine("Saltmark Tide Table");
    viewer.AppendTableLine("");
    viewer.AppendTableLine("05 Dec 2026 14:05\t4.23\tHI");
    viewer.AppendTableLine("05 Dec 2026 20:17\t0.87\tLO");
  }
  void trigger(const char* name) { viewer.findChild<QAction*>(name)->trigger(); }

  static constexpr const char* kText =
      "Saltmark Tide Table\r\n\r\n05 Dec 2026 14:05\t4.23\tHI\r\n05 Dec 2026 20:17\t0.87\tLO\r\n";
  TempDir dir;
  ScriptedPlatform platform;
  TableViewerWindow viewer{platform, dir.path()};
};

TEST_F(TableViewerTest, TheBoxShowsTheTextOnceTheRunIsOver) {
  EXPECT_EQ(viewer.tableText(), kText);
  viewer.showTable();
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_EQ(viewer.box()->toPlainText().toStdString(),
            "Saltmark Tide Table\n\n05 Dec 2026 14:05\t4.23\tHI\n05 Dec 2026 20:17\t0.87\tLO\n");
  viewer.ClearTableText();
  viewer.refreshBox();
  EXPECT_TRUE(viewer.box()->toPlainText().isEmpty());
  trigger("Exit_Table");
  EXPECT_FALSE(viewer.isVisible());
  trigger("Help");
  EXPECT_EQ(platform.helpTopics, std::vector<int>{8});
}

TEST_F(TableViewerTest, ToClipboardTakesTheWholeText) {
  trigger("Clip");
  EXPECT_EQ(platform.clipboard, kText);
}

TEST_F(TableViewerTest, ToFileWritesTheTextAndALineEndOverTheOldFile) {
  const auto path = dir / "week.txt";
  writeFile(path, "an older table, longer than the new one ...................................\r\n");
  platform.fileNext(path);
  trigger("MyFil");
  EXPECT_EQ(readFile(path), std::string(kText) + "\r\n");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(FolderSnapshot(dir.path()).size(), 1u);  // no temporary file left

  // Cancelling the dialog changes nothing and says nothing.
  viewer.AppendTableLine("more");
  platform.fileNext(std::nullopt);
  trigger("MyFil");
  EXPECT_EQ(readFile(path), std::string(kText) + "\r\n");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TableViewerTest, ToFileIntoAMissingFolderSaysSo) {
  platform.fileNext(dir / "no such folder" / "table.txt");
  trigger("MyFil");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(platform.messages[0].text.rfind("The table could not be saved as ", 0), 0u) << platform.messages[0].text;
  EXPECT_TRUE(FolderSnapshot(dir.path()).empty());
}

class TableViewerFault : public TableViewerTest, public ::testing::WithParamInterface<WriteFault> {};

TEST_P(TableViewerFault, AFailedSaveKeepsTheOldFile) {
  const auto folder = dir / "tables";
  std::filesystem::create_directory(folder);
  if (const auto why = WriteFaultUnavailable(GetParam(), folder); !why.empty()) GTEST_SKIP() << why;
  const auto path = folder / "table.txt";
  if (GetParam() != WriteFault::FolderInPlaceOfFile) writeFile(path, "the old table\r\n");
  WriteFaultScope fault(GetParam(), path);
  ASSERT_TRUE(fault.active()) << fault.whyNot();
  const auto before = FolderSnapshot(folder);
  platform.fileNext(path);
  trigger("MyFil");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(FolderSnapshot(folder), before);
}

INSTANTIATE_TEST_SUITE_P(EveryFault, TableViewerFault, ::testing::ValuesIn(kAllWriteFaults),
                         [](const auto& info) { return WriteFaultName(info.param); });

TEST_F(TableViewerTest, PrintsToAPdfFileWholeOrTheSelection) {
  viewer.showTable();
  struct Case {
    const char* file;
    bool selectFirstLine;
  } cases[] = {{"whole.pdf", false}, {"selection.pdf", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    QTextCursor cursor = viewer.box()->textCursor();
    cursor.movePosition(QTextCursor::Start);
    if (c.selectFirstLine) cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    viewer.box()->setTextCursor(cursor);
    const auto path = dir / c.file;
    auto printer = pdfPrinter(QString::fromStdString(path.string()));
    EXPECT_TRUE(viewer.printTable(*printer, c.selectFirstLine));
    printer.reset();
    const std::string pdf = readFile(path);
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_GT(pdf.size(), 500u);
  }
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace saltmark::test
