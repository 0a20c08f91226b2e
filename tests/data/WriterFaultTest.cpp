// Every writer of this subsystem under each way a write can fail: the file
// that was there stays byte for byte, no temporary file is left, the user
// is told, and the next write, once the fault has passed, works.
#include <gtest/gtest.h>

#include "data/ConfigFile.h"
#include "data/DifferenceFile.h"
#include "data/LocationIndexFile.h"
#include "data/StreamFile.h"
#include "data/TideDatabaseFile.h"
#include "platform/ScriptedPlatform.h"
#include "support/SampleRecords.h"
#include "support/TestSupport.h"
#include "support/WriteFaults.h"

namespace saltmark {
namespace {

using test::WriteFault;

class DataWriterFault : public ::testing::TestWithParam<WriteFault> {
 protected:
  bool folderInPlace() const { return GetParam() == WriteFault::FolderInPlaceOfFile; }
  test::TempDir dir;
  ScriptedPlatform platform;
};

// A failed save, and the save the exit question makes, leave the old file
// (ExpectWriteRefused compares the folder's bytes); the program may still
// end, and a later save replaces the file whole.
TEST_P(DataWriterFault, ConfigurationKeepsTheOldFileAndSaysSo) {
  const auto file = ConfigFilePath(dir.path());
  Settings old;
  old.vesselName = "Old Boat";
  if (!folderInPlace()) test::writeFile(file, EncodeSettings(old));
  Settings changed;
  changed.vesselName = "New Boat with a longer name";
  platform.answerNext(MessageAnswer::Yes);
  if (!test::ExpectWriteRefused(GetParam(), file, [&] {
        return SaveSettings(changed, dir.path(), platform) || !ConfirmExit(changed, old, dir.path(), platform);
      }))
    GTEST_SKIP() << test::WriteFaultUnavailable(GetParam(), dir.path());
  EXPECT_EQ(platform.messageTexts(),
            (std::vector<std::string>{"Cannot Save Configuration File",
                                      "Configuration Settings Have Changed. Save New Values?",
                                      "Cannot Save Configuration File"}));
  EXPECT_EQ(platform.lastMessage()->icon, MessageIcon::None);
  if (folderInPlace()) return;
  EXPECT_TRUE(SaveSettings(changed, dir.path(), platform));
  EXPECT_EQ(test::readFile(file), EncodeSettings(changed));
}

// The database writers; the editors' tables stay marked as changed.
TEST_P(DataWriterFault, DatabaseAndIndexWritersKeepTheOldFiles) {
  if (const auto why = test::WriteFaultUnavailable(GetParam(), dir.path()); !why.empty()) GTEST_SKIP() << why;
  const auto database = dir / "MINE.tid";
  const auto index = dir / "SALTMARK.IND";
  DifferenceTable differences;
  differences.records[0] = test::SampleSecondaryPort("Lymington");
  differences.differenceDataChanged = true;
  StreamTable streams;
  streams.records[0] = test::SampleDiamond("A");
  streams.streamDataChanged = true;
  if (!folderInPlace()) {
    ASSERT_TRUE(WriteTideDatabaseFile(database, "Saltmark 100", {}, {"Old port,0"}));
    ASSERT_TRUE(WriteLocationIndexFile(index, {{"MINE.tid"}, {{0, 0, "Old port", 0.1, 0.2}}}));
    ASSERT_TRUE(DifferenceFile::write(dir / "MINE.dif", std::vector{test::SampleSecondaryPort("Old")}));
    ASSERT_TRUE(StreamFile::write(dir / "MINE.vel", std::vector{test::SampleDiamond("Old")}));
  }
  test::ExpectWriteRefused(GetParam(), dir / "MINE.dif",
                           [&] { return WriteDifferenceFile(dir / "MINE.dif", differences, 2, platform); });
  test::ExpectWriteRefused(GetParam(), dir / "MINE.vel",
                           [&] { return WriteStreamFile(dir / "MINE.vel", streams, 2, platform); });
  EXPECT_TRUE(differences.differenceDataChanged);
  EXPECT_TRUE(streams.streamDataChanged);
  EXPECT_EQ(platform.messageTexts(),
            (std::vector<std::string>{"Difference File Write Error", "Streams file Write Error"}));
  test::ExpectWriteRefused(GetParam(), database, [&] {
    return WriteTideDatabaseFile(database, "Saltmark 100", {"new"}, {"New port,0", "Another,1"}).ok;
  });
  test::ExpectWriteRefused(GetParam(), index, [&] {
    return WriteLocationIndexFile(index, {{"MINE.tid", "MORE.tid"}, {{0, 0, "New port", 0.3, 0.4}}}).ok;
  });
  if (folderInPlace()) return;
  EXPECT_TRUE(WriteDifferenceFile(dir / "MINE.dif", differences, 2, platform));
  EXPECT_FALSE(differences.differenceDataChanged);
  EXPECT_EQ(DifferenceFile::read(dir / "MINE.dif").size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(EveryFault, DataWriterFault, ::testing::ValuesIn(test::kAllWriteFaults),
                         [](const auto& info) { return test::WriteFaultName(info.param); });

}  // namespace
}  // namespace saltmark
