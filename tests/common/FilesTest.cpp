#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "common/AtomicFile.h"
#include "common/ByteIO.h"
#include "common/RuntimeError.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

TEST(ByteIO, RoundTripsPackedLittleEndianFieldsAndStopsAtTheEnd) {
  ByteWriter w;
  w.writeInt16(-2);
  w.writeSingle(1.5f);
  w.writeDouble(-0.25);
  w.writeText("Dover\xe9");
  EXPECT_EQ(w.bytes().size(), 2u + 4 + 8 + 2 + 6);
  EXPECT_EQ(w.bytes().substr(0, 2), std::string("\xfe\xff", 2));
  ByteReader r(w.bytes());
  EXPECT_EQ(r.readInt16(), -2);
  EXPECT_EQ(r.readSingle(), 1.5f);
  EXPECT_EQ(r.readDouble(), -0.25);
  EXPECT_EQ(r.readText(), "Dover\xe9");
  EXPECT_TRUE(r.atEnd());
  // Reads past the end fail without moving.
  const std::string bytes("\x05\x00" "ab", 4);  // a text claiming 5 characters, holding 2
  ByteReader past(bytes);
  EXPECT_THROW(past.readText(), RuntimeError);
  EXPECT_EQ(past.position(), 0u);
  EXPECT_EQ(past.readInt16(), 5);
  EXPECT_THROW(past.readDouble(), RuntimeError);
}

TEST(AtomicFile, ReplacesTheFileWholeOrKeepsThePreviousOne) {
  test::TempDir dir;
  const auto file = dir / "a.cfg";
  test::writeFile(file, "old contents that are longer");
  ASSERT_TRUE(writeFileAtomically(file, "precious"));
  EXPECT_EQ(test::readFile(file), "precious");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

  setWriteFaultForTesting([](const std::filesystem::path&) { return false; });
  const WriteResult injected = writeFileAtomically(file, "damaged");
  setWriteFaultForTesting({});
  EXPECT_FALSE(injected.ok);
  EXPECT_FALSE(injected.error.empty());

  std::filesystem::create_directory(dir / "folder");
  EXPECT_FALSE(writeFileAtomically(dir / "folder", "x").ok);

  if (::geteuid() != 0) {  // root writes into read-only folders anyway
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(writeFileAtomically(file, "damaged").ok);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
  }

  EXPECT_EQ(test::readFile(file), "precious");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

// A run killed between its temporary file and the rename leaves the file;
// the next write into the folder removes it, and only files of that pattern
// whose process is gone.
TEST(AtomicFile, TheFirstWriteIntoAFolderRemovesTemporaryFilesOfEndedRuns) {
  test::TempDir dir;
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_GT(child, 0);
  ::waitpid(child, nullptr, 0);  // now a process that no longer runs
  const std::string ended = std::to_string(child), running = std::to_string(::getpid());
  const struct { std::string name; bool removed; } cases[] = {
      {"page.html.tmp" + ended + "_3", true},    {"SALTMARK.CFG.tmp" + ended + "_0", true},
      {"page.html.tmp" + running + "_99", false}, {"notes.tmp", false},
      {"page.tmp" + ended, false},                {"page.tmp" + ended + "_x", false},
  };
  for (const auto& c : cases) test::writeFile(dir / c.name, "left");
  ASSERT_TRUE(writeFileAtomically(dir / "index.html", "page"));
  for (const auto& c : cases) EXPECT_EQ(std::filesystem::exists(dir / c.name), !c.removed) << c.name;
  EXPECT_EQ(test::readFile(dir / "index.html"), "page");
}

}  // namespace
}  // namespace saltmark
