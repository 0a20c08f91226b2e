// Which folder the program works in, and how the user's folder is filled and
// kept up to date from the installed data without losing the user's edits.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "data/DataFolder.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {
namespace fs = std::filesystem;

// A folder the test may not write to; root may write anywhere it has set
// permissions on, but not into a process's /proc folder.
fs::path unwritableFolder(const test::TempDir& dir) {
  if (::geteuid() == 0) return "/proc/self";
  const fs::path folder = dir / "locked";
  fs::create_directory(folder);
  ::chmod(folder.c_str(), 0555);
  return folder;
}

class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"program", "installed"}) fs::create_directory(dir / name);
    bundle({{"SALTMARK.IND", "index 1"}, {"Coast.tid", "coast 1"}, {"Coast.dif", "differences 1"},
            {"SAMPLE.vel", "streams 1"}, {"README", "not data"}});
    places.programFolder = dir / "program";
    places.installedFolder = dir / "installed";
    places.userFolder = dir / "home/.local/share/saltmark";
  }

  std::optional<DataFolderChoice> choose() { return ChooseDataFolder(places, platform); }
  void bundle(std::initializer_list<std::pair<const char*, const char*>> files) {
    for (const auto& [name, bytes] : files) test::writeFile(dir / "installed" / name, bytes);
  }
  std::string user(const char* name) { return test::readFile(places.userFolder / name); }

  test::TempDir dir;
  DataFolderPlaces places;
  ScriptedPlatform platform;
};

TEST_F(DataFolderTest, FolderIsChosenInOrder) {
  const struct { const char* what; bool given, programHoldsIndex; fs::path expected; } cases[] = {
      {"--folder wins over a program folder with data", true, true, dir / "mine"},
      {"a program folder with data is used as it is", false, true, dir / "program"},
      {"an installed program works in the user's folder", false, false, places.userFolder}};
  fs::create_directory(dir / "mine");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    places.given = c.given ? std::optional<fs::path>(dir / "mine") : std::nullopt;
    fs::remove(dir / "program/SALTMARK.IND");
    if (c.programHoldsIndex) test::writeFile(dir / "program/SALTMARK.IND", "index");
    const auto choice = choose();
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->folder, c.expected);
    EXPECT_TRUE(platform.messages.empty());
  }
}

TEST_F(DataFolderTest, UnusableFolderStopsTheStartWithAMessage) {
  struct Case { const char* what; fs::path given; const char* says; };  // given empty: no user folder made
  test::writeFile(dir / "plain-file", "x");
  const Case cases[] = {
      {"missing", dir / "nowhere", "does not exist"}, {"a file, not a folder", dir / "plain-file", "is not a folder"},
      {"read only", unwritableFolder(dir), "cannot be written to"},
      {"the installed data", dir / "installed", "kept as shipped"},
      {"user folder blocked by a file", {}, "cannot be created"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    platform.clear();
    places.given = c.given.empty() ? std::nullopt : std::optional<fs::path>(c.given);
    if (c.given.empty()) places.userFolder = dir / "plain-file/saltmark";
    EXPECT_FALSE(choose());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find(c.says), std::string::npos) << platform.messages[0].text;
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  }
}

// The first start copies only the data files; an upgrade replaces the
// unedited copies and keeps the edited ones and the user's own.
TEST_F(DataFolderTest, UpgradeReplacesUneditedCopiesAndKeepsEditedOnes) {
  ASSERT_TRUE(choose());
  EXPECT_EQ(user("SALTMARK.IND"), "index 1");
  EXPECT_EQ(user("SAMPLE.vel"), "streams 1");
  EXPECT_FALSE(fs::exists(places.userFolder / "README"));
  EXPECT_TRUE(platform.messages.empty());
  test::writeFile(places.userFolder / "Coast.dif", "my own secondary ports");
  test::writeFile(places.userFolder / "SALTMARK.CFG", "settings");
  bundle({{"Coast.tid", "coast 2"}, {"Coast.dif", "differences 2"}, {"New.tid", "new coast"},
          {"Other.tid", "other coast"}});
  test::writeFile(places.userFolder / "Other.tid", "brought from elsewhere");

  ASSERT_TRUE(choose());
  for (const auto& [name, bytes] : {std::pair{"Coast.tid", "coast 2"}, {"SAMPLE.vel", "streams 1"},
                                    {"New.tid", "new coast"}, {"Other.tid", "brought from elsewhere"},
                                    {"Coast.dif", "my own secondary ports"}, {"SALTMARK.CFG", "settings"}})
    EXPECT_EQ(user(name), bytes) << name;
  EXPECT_EQ(test::readFile(dir / "installed/Coast.dif"), "differences 2");
  ASSERT_EQ(platform.messages.size(), 1u);
  const std::string& note = platform.messages[0].text;
  EXPECT_NE(note.find("Coast.dif"), std::string::npos) << note;
  EXPECT_NE(note.find("Other.tid"), std::string::npos) << note;
  EXPECT_EQ(note.find("Coast.tid"), std::string::npos) << note;

  platform.clear();
  ASSERT_TRUE(choose());
  EXPECT_TRUE(platform.messages.empty()) << "said once";
  EXPECT_EQ(user("Coast.dif"), "my own secondary ports");
}

TEST_F(DataFolderTest, InstalledIntoTheUsersOwnFolderTheInstalledDataStayAsShipped) {
  places.userFolder = places.installedFolder;  // cmake --install --prefix ~/.local
  const auto choice = choose();
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->folder, dir / "installed/user");
  EXPECT_EQ(user("user/Coast.tid"), "coast 1");
  EXPECT_FALSE(fs::exists(dir / "installed/.bundled-copies"));
}

}  // namespace
}  // namespace saltmark
