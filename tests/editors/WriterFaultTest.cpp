// The difference and stream database writers under each way a write can
// fail: the database that was there stays byte for byte, no temporary file
// is left, the user gets the writer's message, the changed flag stays set
// (the edits are not lost), and the next write, once the fault has passed,
// works.
#include <gtest/gtest.h>

#include "data/DifferenceFile.h"
#include "data/StreamFile.h"
#include "platform/ScriptedPlatform.h"
#include "support/SampleRecords.h"
#include "support/TestSupport.h"
#include "support/WriteFaults.h"

namespace saltmark {
namespace {

using test::WriteFault;

const auto secondaryPort = test::SampleSecondaryPort;
const auto diamond = test::SampleDiamond;

class EditorWriterFault : public ::testing::TestWithParam<WriteFault> {
 protected:
  void SetUp() override {
    if (const auto why = test::WriteFaultUnavailable(GetParam(), dir.path()); !why.empty()) GTEST_SKIP() << why;
  }
  bool folderInPlace() const { return GetParam() == WriteFault::FolderInPlaceOfFile; }
  test::TempDir dir;
  ScriptedPlatform platform;

  // Writes two records over a file of one (old) under the fault, then again
  // once it has passed.
  template <typename Record, typename Table>
  void expectOldFileAndEditsKept(const char* fileName, const Record& old, Table& table, bool Table::*changed,
                                 std::string_view error, auto writeRecords, auto writeFile, auto readFile) {
    const auto file = dir / fileName;
    if (!folderInPlace()) {
      ASSERT_TRUE(writeRecords(file, std::span(&old, 1)));
    }
    table.*changed = true;
    test::ExpectWriteRefused(GetParam(), file, [&] { return writeFile(file, table, 2, platform); });
    EXPECT_TRUE(table.*changed);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{std::string(error)});
    EXPECT_EQ(platform.lastMessage()->icon, MessageIcon::Exclamation);
    EXPECT_EQ(platform.lastMessage()->caption, "Saltmark");
    EXPECT_EQ(platform.busyDepth, 0);
    if (folderInPlace()) return;
    EXPECT_EQ(readFile(file), std::vector<Record>{old});
    EXPECT_TRUE(writeFile(file, table, 2, platform));
    EXPECT_FALSE(table.*changed);
    EXPECT_EQ(readFile(file).size(), 2u);
  }
};

TEST_P(EditorWriterFault, DifferenceDatabaseKeepsTheOldFileAndTheEdits) {
  DifferenceTable table;
  table.records[0] = secondaryPort("Lymington");
  table.records[1] = secondaryPort("Yarmouth");
  expectOldFileAndEditsKept("MINE.dif", secondaryPort("Old"), table, &DifferenceTable::differenceDataChanged,
                            kDifferenceWriteError, WriteDifferenceRecords, WriteDifferenceFile, ReadDifferenceFile);
}

TEST_P(EditorWriterFault, StreamDatabaseKeepsTheOldFileAndTheEdits) {
  StreamTable table;
  table.records[0] = diamond("A");
  table.records[1] = diamond("B");
  expectOldFileAndEditsKept("MINE.vel", diamond("Old"), table, &StreamTable::streamDataChanged, kStreamWriteError,
                            WriteStreamRecords, WriteStreamFile, ReadStreamFile);
}

INSTANTIATE_TEST_SUITE_P(EveryFault, EditorWriterFault, ::testing::ValuesIn(test::kAllWriteFaults),
                         [](const auto& info) { return test::WriteFaultName(info.param); });

}  // namespace
}  // namespace saltmark
