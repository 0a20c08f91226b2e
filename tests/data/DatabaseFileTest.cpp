// The difference and stream databases' files: their packed layout, the
// damaged files the loaders refuse without changing anything, and the
// record counts the writers refuse.
#include <gtest/gtest.h>

#include "data/DifferenceFile.h"
#include "data/StreamFile.h"
#include "platform/ScriptedPlatform.h"
#include "support/SampleRecords.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

using namespace std::string_literals;
const auto port = test::SampleSecondaryPort;
const auto diamond = test::SampleDiamond;

// A file of two equal records with the count set to 258 and as many records.
std::string recordsOverTheLimit(const std::string& twoRecords) {
  std::string bytes = "\x02\x01"s;  // 258
  for (int i = 0; i < 258; ++i) bytes += twoRecords.substr(2, (twoRecords.size() - 2) / 2);
  return bytes;
}

class DatabaseFileTest : public ::testing::Test {
 protected:
  // The bytes as the file, or a folder in its place.
  std::filesystem::path place(const char* name, const std::string& what, const std::string& bytes) {
    std::filesystem::remove_all(dir / name);
    if (what.starts_with("a folder"))
      std::filesystem::create_directory(dir / name);
    else
      test::writeFile(dir / name, bytes);
    return dir / name;
  }
  test::TempDir dir;
  ScriptedPlatform platform;
  DifferenceTable differences;
  StreamTable streams;
  std::vector<std::string> names;
};

TEST_F(DatabaseFileTest, TheLayoutsArePacked) {
  const DifferenceRecord d{"A\xE9", "", "", 258, 7, {"", "", "", "", "+0130"}};
  EXPECT_EQ(DifferenceFile::encode(std::vector{d}), "\x01\x00"s + "\x02\x00"s + "A\xE9" + "\x00\x00"s + "\x00\x00"s +
                                                        "\x02\x01"s + "\x07\x00"s + std::string(8, '\0') +
                                                        "\x05\x00"s + "+0130" + std::string(10, '\0'));
  StreamRecord s{"\xC5", "", "", 5000, 3, {359}, {}, {}};  // 0x1388, 0x0167
  s.neapRate[12] = -1;
  EXPECT_EQ(StreamFile::encode(std::vector{s}), "\x01\x00"s + "\x01\x00\xC5"s + "\x00\x00"s + "\x00\x00"s +
                                                     "\x88\x13"s + "\x03\x00"s + "\x67\x01"s +
                                                     std::string(2 * 12 + 2 * 13 + 2 * 12, '\0') + "\xFF\xFF"s);
  EXPECT_EQ(DifferenceFile::encode({}), "\x00\x00"s);
  EXPECT_EQ(StreamFile::encode({}), "\x00\x00"s);
}

// An empty database is no damage.
TEST_F(DatabaseFileTest, LoadingReplacesOnlyTheRecordsRead) {
  differences.records[0] = port("Old 0");
  differences.records[5] = port("Old 5");
  ASSERT_TRUE(DifferenceFile::write(dir / "MINE.dif", std::vector{port("New 0"), port("New 1")}));
  ASSERT_TRUE(LoadDifferenceFile(dir / "MINE.dif", differences, names, platform));
  EXPECT_EQ(differences.records[0], port("New 0"));
  EXPECT_EQ(differences.records[5], port("Old 5"));
  EXPECT_EQ(names, (std::vector<std::string>{"New 0", "New 1"}));
  EXPECT_TRUE(LoadDifferenceFile(place("NONE.dif", "", "\x00\x00"s), differences, names, platform));
  EXPECT_TRUE(names.empty());
  EXPECT_TRUE(LoadStreamFile(place("NONE.vel", "", "\x00\x00"s), streams, names, platform));
  EXPECT_TRUE(platform.messages.empty());
}

// The difference loader gives the reason and leaves the message to its
// caller; the stream loader shows "File Read Error". Neither changes a record.
TEST_F(DatabaseFileTest, DamagedFilesAreRefusedAndChangeNothing) {
  const std::string dif = DifferenceFile::encode(std::vector{port("Alpha"), port("Bravo")});
  const std::string vel = StreamFile::encode(std::vector{diamond("A"), diamond("B")});
  const struct { const char* what; std::string dif, vel; const char* reason; } cases[] = {
      {"empty file", "", "", "empty"}, {"half a count", "\x01"s, "\x01"s, "too short"},
      {"negative count", "\xFF\xFF"s, "\x00\x80"s, "not valid"},
      {"count without records", "\x03\x00"s, "\x01\x00"s, "record 1 of 3"},
      {"cut inside the last record", dif.substr(0, dif.size() - 1), vel.substr(0, vel.size() - 3), "record 2 of 2"},
      {"cut inside a text", dif.substr(0, 5), vel.substr(0, 5), "record 1 of 2"},
      {"more than 257 records", recordsOverTheLimit(dif), recordsOverTheLimit(vel), "at most 257"},
      {"a folder in place of the file", "", "", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    platform.clear();
    differences.records[0] = port("Kept");
    streams.records[0] = diamond("Kept");
    names = {"kept"};
    const FileLoadResult result = LoadDifferenceFile(place("MINE.dif", c.what, c.dif), differences, names, platform);
    EXPECT_FALSE(result);
    EXPECT_NE(result.reason.find(c.reason), std::string::npos) << result.reason;
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(LoadStreamFile(place("SOLENT.vel", c.what, c.vel), streams, names, platform));
    EXPECT_EQ(differences.records[0], port("Kept"));
    EXPECT_EQ(streams.records[0], diamond("Kept"));
    EXPECT_EQ(names, std::vector<std::string>{"kept"});
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"File Read Error"});
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(platform.busyDepth, 0);
  }
}

TEST_F(DatabaseFileTest, RecordCountsAndTextsTheFilesCannotHoldAreWriteErrors) {
  for (int count : {-1, kMaxDatabaseRecords + 1}) {
    EXPECT_FALSE(WriteDifferenceFile(dir / "MINE.dif", differences, count, platform)) << count;
    EXPECT_FALSE(WriteStreamFile(dir / "MINE.vel", streams, count, platform)) << count;
  }
  differences.records[0].name.assign(70000, 'x');  // too long for its count
  EXPECT_FALSE(WriteDifferenceFile(dir / "MINE.dif", differences, 1, platform));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  const std::string differenceError = "Difference File Write Error", streamError = "Streams file Write Error";
  EXPECT_EQ(platform.messageTexts(),
            (std::vector{differenceError, streamError, differenceError, streamError, differenceError}));
  differences.records[0].name = "Full";
  EXPECT_TRUE(WriteDifferenceFile(dir / "MINE.dif", differences, kMaxDatabaseRecords, platform));
  EXPECT_TRUE(WriteStreamFile(dir / "MINE.vel", streams, kMaxDatabaseRecords, platform));
  EXPECT_EQ(DifferenceFile::read(dir / "MINE.dif").size(), 257u);
  EXPECT_EQ(StreamFile::read(dir / "MINE.vel").size(), 257u);
}

}  // namespace
}  // namespace saltmark
