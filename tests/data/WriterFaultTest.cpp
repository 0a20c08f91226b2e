// Every writer of this subsystem under each way a write can fail: the file
// that was there stays byte for byte, no temporary file is left, the user
// is told (for the configuration), and the next write, once the fault has
// passed, works.
#include <gtest/gtest.h>

#include "data/ConfigFile.h"
#include "data/LocationIndexFile.h"
#include "data/TideDatabaseFile.h"
#include "platform/ScriptedPlatform.h"
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

TEST_P(DataWriterFault, ConfigurationKeepsTheOldFileAndSaysSo) {
  const auto file = ConfigFilePath(dir.path());
  Settings old;
  old.vesselName = "Old Boat";
  if (!folderInPlace()) test::writeFile(file, EncodeSettings(old));
  Settings changed;
  changed.vesselName = "New Boat with a longer name";
  if (!test::ExpectWriteRefused(GetParam(), file, [&] { return SaveSettings(changed, dir.path(), platform); }))
    GTEST_SKIP() << test::WriteFaultUnavailable(GetParam(), dir.path());
  EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"Cannot Save Configuration File"});
  EXPECT_EQ(platform.lastMessage()->icon, MessageIcon::None);
  if (folderInPlace()) return;

  // The exit question after a failed save still lets the program end, and a
  // later save, with the fault gone, replaces the file whole.
  Settings loaded, copy;
  ASSERT_EQ(LoadSettings(loaded, copy, dir.path(), platform), SettingsSource::File);
  EXPECT_EQ(loaded.vesselName, "Old Boat");
  EXPECT_TRUE(SaveSettings(changed, dir.path(), platform));
  EXPECT_EQ(test::readFile(file), EncodeSettings(changed));
}

TEST_P(DataWriterFault, ExitSaveThatFailsStillEndsWithTheMessage) {
  const auto file = ConfigFilePath(dir.path());
  if (!folderInPlace()) test::writeFile(file, EncodeSettings(Settings{}));
  Settings settings, savedCopy;
  settings.vesselName = "Changed";
  platform.answerNext(MessageAnswer::Yes);
  test::WriteFaultScope fault(GetParam(), file);
  if (!fault.active()) GTEST_SKIP() << fault.whyNot();
  const auto before = test::FolderSnapshot(dir.path());
  EXPECT_TRUE(ConfirmExit(settings, savedCopy, dir.path(), platform));
  EXPECT_EQ(test::FolderSnapshot(dir.path()), before);
  EXPECT_EQ(platform.messageTexts().back(), "Cannot Save Configuration File");
}

TEST_P(DataWriterFault, TideDatabaseAndIndexWritersKeepTheOldFiles) {
  if (const auto why = test::WriteFaultUnavailable(GetParam(), dir.path()); !why.empty()) GTEST_SKIP() << why;
  const auto database = dir / "MINE.tid";
  const auto index = dir / "SALTMARK.IND";
  const LocationIndexContents oldIndex{{"MINE.tid"}, {{0, 0, "Old port", 0.1, 0.2}}};
  if (!folderInPlace()) {
    ASSERT_TRUE(WriteTideDatabaseFile(database, "Saltmark 100", {}, {"Old port,0"}));
    ASSERT_TRUE(WriteLocationIndexFile(index, oldIndex));
  }
  test::ExpectWriteRefused(GetParam(), database, [&] {
    return WriteTideDatabaseFile(database, "Saltmark 100", {"new"}, {"New port,0", "Another,1"}).ok;
  });
  test::ExpectWriteRefused(GetParam(), index, [&] {
    return WriteLocationIndexFile(index, {{"MINE.tid", "MORE.tid"}, {{0, 0, "New port", 0.3, 0.4}}}).ok;
  });
  if (folderInPlace()) return;
  EXPECT_EQ(ReadTideDatabaseFile(database).locationLines, std::vector<std::string>{"Old port,0"});
  EXPECT_EQ(ReadLocationIndexFile(index), oldIndex);
}

INSTANTIATE_TEST_SUITE_P(EveryFault, DataWriterFault, ::testing::ValuesIn(test::kAllWriteFaults),
                         [](const auto& info) { return test::WriteFaultName(info.param); });

}  // namespace
}  // namespace saltmark
