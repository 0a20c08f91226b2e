// The difference and stream database writers under each way a write can
// fail: the database that was there stays byte for byte, no temporary file
// is left, the user gets the writer's message, the changed flag stays set
// (the edits are not lost), and the next write, once the fault has passed,
// works.
#include <gtest/gtest.h>

#include "data/DifferenceFile.h"
#include "data/StreamFile.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"
#include "support/WriteFaults.h"

namespace saltmark {
namespace {

using test::WriteFault;

DifferenceRecord secondaryPort(const std::string& name) {
  DifferenceRecord record;
  record.name = name;
  record.latitudeText = "50\xB0" "45.3'N";
  record.diffText = {"4.50", "3.70", "1.80", "0.60", "+0030", "-0045", "0.20", "0.10", "0.00", "-0.10"};
  return record;
}

StreamRecord diamond(const std::string& name) {
  StreamRecord record;
  record.name = name;
  record.direction.fill(90);
  record.springRate.fill(150);
  return record;
}

class EditorWriterFault : public ::testing::TestWithParam<WriteFault> {
 protected:
  void SetUp() override {
    if (const auto why = test::WriteFaultUnavailable(GetParam(), dir.path()); !why.empty()) GTEST_SKIP() << why;
  }
  bool folderInPlace() const { return GetParam() == WriteFault::FolderInPlaceOfFile; }
  test::TempDir dir;
  ScriptedPlatform platform;
};

TEST_P(EditorWriterFault, DifferenceDatabaseKeepsTheOldFileAndTheEdits) {
  const auto file = dir / "MINE.dif";
  const DifferenceRecord old = secondaryPort("Old");
  if (!folderInPlace()) {
    ASSERT_TRUE(WriteDifferenceRecords(file, std::span(&old, 1)));
  }
  DifferenceTable table;
  table.records[0] = secondaryPort("Lymington");
  table.records[1] = secondaryPort("Yarmouth");
  table.differenceDataChanged = true;
  {
    test::WriteFaultScope fault(GetParam(), file);
    const auto before = test::FolderSnapshot(dir.path());
    EXPECT_FALSE(WriteDifferenceFile(file, table, 2, platform));
    EXPECT_EQ(test::FolderSnapshot(dir.path()), before);
  }
  EXPECT_TRUE(table.differenceDataChanged);
  EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{std::string(kDifferenceWriteError)});
  EXPECT_EQ(platform.lastMessage()->icon, MessageIcon::Exclamation);
  EXPECT_EQ(platform.lastMessage()->caption, "Saltmark");
  EXPECT_EQ(platform.busyDepth, 0);
  if (folderInPlace()) return;
  EXPECT_EQ(ReadDifferenceFile(file), std::vector<DifferenceRecord>{old});
  EXPECT_TRUE(WriteDifferenceFile(file, table, 2, platform));
  EXPECT_FALSE(table.differenceDataChanged);
  EXPECT_EQ(ReadDifferenceFile(file).size(), 2u);
}

TEST_P(EditorWriterFault, StreamDatabaseKeepsTheOldFileAndTheEdits) {
  const auto file = dir / "MINE.vel";
  const StreamRecord old = diamond("Old");
  if (!folderInPlace()) {
    ASSERT_TRUE(WriteStreamRecords(file, std::span(&old, 1)));
  }
  StreamTable table;
  table.records[0] = diamond("A");
  table.records[1] = diamond("B");
  table.streamDataChanged = true;
  {
    test::WriteFaultScope fault(GetParam(), file);
    const auto before = test::FolderSnapshot(dir.path());
    EXPECT_FALSE(WriteStreamFile(file, table, 2, platform));
    EXPECT_EQ(test::FolderSnapshot(dir.path()), before);
  }
  EXPECT_TRUE(table.streamDataChanged);
  EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{std::string(kStreamWriteError)});
  EXPECT_EQ(platform.lastMessage()->icon, MessageIcon::Exclamation);
  EXPECT_EQ(platform.lastMessage()->caption, "Saltmark");
  EXPECT_EQ(platform.busyDepth, 0);
  if (folderInPlace()) return;
  EXPECT_EQ(ReadStreamFile(file), std::vector<StreamRecord>{old});
  EXPECT_TRUE(WriteStreamFile(file, table, 2, platform));
  EXPECT_FALSE(table.streamDataChanged);
  EXPECT_EQ(ReadStreamFile(file).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(EveryFault, EditorWriterFault, ::testing::ValuesIn(test::kAllWriteFaults),
                         [](const auto& info) { return test::WriteFaultName(info.param); });

}  // namespace
}  // namespace saltmark
