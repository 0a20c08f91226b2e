// What an installed saltmark-cli adds: the --folder data folder and a manual
// page that describes every command and option the program really parses.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

#include "data/TideDatabaseFile.h"
#include "cli/CliRun.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

// The names CLI11's own --help lists in one of its sections ("Subcommands:",
// "Options:", "Positionals:"): the first word of each indented line.
std::set<std::string> helpSection(const std::string& help, const std::string& section) {
  std::set<std::string> names;
  std::istringstream lines(help);
  std::string line;
  bool inside = false;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] != ' ') {
      inside = line == section;
      continue;
    }
    std::smatch word;
    if (inside && std::regex_search(line, word, std::regex(R"(^  ([-\w]+))"))) names.insert(word[1]);
  }
  return names;
}

// The page as a reader sees it: font changes gone, escaped hyphens plain.
std::string plainText(std::string page) {
  page = std::regex_replace(page, std::regex(R"(\\f[BIR])"), "");
  return std::regex_replace(page, std::regex(R"(\\-)"), "-");
}

TEST(CliInstall, ManualPageDescribesEveryCommandAndOption) {
  const test::CliRun page = test::runCli("--manual-page", test::CliErrors::Kept);
  ASSERT_EQ(page.status, 0);
  const std::string text = plainText(page.out);
  EXPECT_NE(text.find("\n--folder DIR\n"), std::string::npos);

  const std::set<std::string> commands = helpSection(test::runCli("--help", test::CliErrors::Kept).out, "Subcommands:");
  ASSERT_GE(commands.size(), 8u);
  for (const std::string& command : commands) {
    SCOPED_TRACE(command);
    const std::size_t start = text.find(".SS \"" + command + "\"\n");
    ASSERT_NE(start, std::string::npos);
    const std::size_t end = text.find("\n.S", start + 1);
    const std::string section = text.substr(start, end - start);
    const std::string help = test::runCli(command + " --help", test::CliErrors::Kept).out;
    std::set<std::string> names = helpSection(help, "Options:");
    names.erase("-h");  // said once for every command
    for (const std::string& name : names) EXPECT_NE(section.find("\n" + name), std::string::npos) << name;
    for (const std::string& name : helpSection(help, "Positionals:"))
      EXPECT_NE(section.find("\n.TP\n" + name + "\n"), std::string::npos) << name;
  }
}

// The refusals themselves are CheckGivenFolder's (tests/data): here, that a
// bare name is found in the folder and a refusal reaches the user.
TEST(CliInstall, FolderOptionFindsBareNamesAndRefusesUnusableFolders) {
  test::TempDir dir;
  ASSERT_TRUE(WriteTideDatabaseFile(dir / "TEST.tid", "Saltmark 100", {}, {test::kTestPortLine}));
  const struct { std::string folder; int status; const char* says; } cases[] = {
      {dir.path().string(), 0, "Test Harbour"}, {(dir / "missing").string(), 2, "does not exist"}};
  for (const auto& c : cases) {
    const test::CliRun r = test::runCli("--folder '" + c.folder + "' ports TEST.tid", test::CliErrors::Kept);
    EXPECT_EQ(r.status, c.status) << c.folder;
    EXPECT_NE(r.out.find(c.says), std::string::npos) << r.out;
  }
}

}  // namespace
}  // namespace saltmark
