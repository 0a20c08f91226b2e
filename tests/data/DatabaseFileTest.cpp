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

template <typename Table>
class DatabaseFileTest : public ::testing::Test {
 protected:
  virtual std::filesystem::path file() const = 0;
  // The bytes as the file, or a folder in its place.
  void placeFile(const std::string& what, const std::string& bytes) {
    std::filesystem::remove_all(file());
    if (what.starts_with("a folder"))
      std::filesystem::create_directory(file());
    else
      test::writeFile(file(), bytes);
  }
  test::TempDir dir;
  ScriptedPlatform platform;
  Table table;
  std::vector<std::string> names;
};

class DifferenceFileTest : public DatabaseFileTest<DifferenceTable> {
 protected:
  std::filesystem::path file() const override { return dir / "MINE.dif"; }
};

class StreamFileTest : public DatabaseFileTest<StreamTable> {
 protected:
  std::filesystem::path file() const override { return dir / "SOLENT.vel"; }
};

TEST_F(DifferenceFileTest, TheLayoutIsPacked) {
  DifferenceRecord r;
  r.name = "A\xE9";
  r.referencePort = 258;
  r.reserved = 7;
  r.diffText[4] = "+0130";
  const std::string expected = "\x01\x00"s + "\x02\x00"s + "A\xE9" + "\x00\x00"s + "\x00\x00"s + "\x02\x01"s +
                               "\x07\x00"s + "\x00\x00\x00\x00\x00\x00\x00\x00"s + "\x05\x00"s + "+0130" +
                               std::string(10, '\0');
  EXPECT_EQ(EncodeDifferenceRecords(std::vector<DifferenceRecord>{r}), expected);
  EXPECT_EQ(expected.size(), 2u + 30 + 2 + 5);
  EXPECT_EQ(EncodeDifferenceRecords({}), "\x00\x00"s);
}

TEST_F(DifferenceFileTest, LoadingReplacesOnlyTheRecordsRead) {
  table.records[0] = port("Old 0");
  table.records[5] = port("Old 5");
  ASSERT_TRUE(WriteDifferenceRecords(file(), std::vector{port("New 0"), port("New 1")}));
  ASSERT_TRUE(LoadDifferenceFile(file(), table, names, platform));
  EXPECT_EQ(table.records[0], port("New 0"));
  EXPECT_EQ(table.records[5], port("Old 5"));
}

TEST_F(DifferenceFileTest, DamagedFilesAreRefusedAndChangeNothing) {
  const std::string good = EncodeDifferenceRecords(std::vector{port("Alpha"), port("Bravo")});
  const std::string tooMany = recordsOverTheLimit(good);
  const struct {
    const char* what;
    std::string bytes;
    const char* reason;
  } cases[] = {
      {"empty file", "", "empty"},
      {"half a count", "\x01"s, "too short"},
      {"count without records", "\x03\x00"s, "record 1 of 3"},
      {"cut inside the last record", good.substr(0, good.size() - 1), "record 2 of 2"},
      {"cut inside a text", good.substr(0, 5), "record 1 of 2"},
      {"more than 257 records", tooMany, "at most 257"},
      {"negative count", "\xFF\xFF"s, "not valid"},
      {"a folder in place of the file", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    table.records[0] = port("Kept");
    names = {"kept"};
    placeFile(c.what, c.bytes);
    const FileLoadResult result = LoadDifferenceFile(file(), table, names, platform);
    EXPECT_FALSE(result);
    EXPECT_NE(result.reason.find(c.reason), std::string::npos) << result.reason;
    EXPECT_EQ(table.records[0], port("Kept"));
    EXPECT_EQ(names, std::vector<std::string>{"kept"});
  }
  EXPECT_TRUE(platform.messages.empty());  // the caller decides what to say
  EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(DifferenceFileTest, RecordCountsAndTextsTheFileCannotHoldAreWriteErrors) {
  for (int count : {-1, 258}) {
    EXPECT_FALSE(WriteDifferenceFile(file(), table, count, platform)) << count;
  }
  EXPECT_FALSE(std::filesystem::exists(file()));
  EXPECT_EQ(platform.messageTexts(), std::vector<std::string>(2, "Difference File Write Error"));
  EXPECT_TRUE(WriteDifferenceFile(file(), table, 257, platform));
  EXPECT_EQ(ReadDifferenceFile(file()).size(), 257u);
  table.records[0].name.assign(70000, 'x');  // too long for its count
  EXPECT_FALSE(WriteDifferenceFile(dir / "LONG.dif", table, 1, platform));
  EXPECT_FALSE(std::filesystem::exists(dir / "LONG.dif"));
}

TEST_F(StreamFileTest, RecordCountsTheFileCannotHoldAreWriteErrors) {
  for (int count : {-1, kMaxDatabaseRecords + 1}) EXPECT_FALSE(WriteStreamFile(file(), table, count, platform)) << count;
  EXPECT_EQ(platform.messageTexts(), std::vector<std::string>(2, "Streams file Write Error"));
  EXPECT_TRUE(WriteStreamFile(file(), table, kMaxDatabaseRecords, platform));
  EXPECT_EQ(ReadStreamFile(file()).size(), static_cast<std::size_t>(kMaxDatabaseRecords));
}

TEST_F(StreamFileTest, TheLayoutIsPacked) {
  StreamRecord r;
  r.name = "\xC5";
  r.referencePort = 5000;  // 0x1388
  r.speedUnits = 3;
  r.direction[0] = 359;   // 0x0167
  r.neapRate[12] = -1;
  std::string expected = "\x01\x00"s + "\x01\x00\xC5"s + "\x00\x00"s + "\x00\x00"s + "\x88\x13"s + "\x03\x00"s +
                         "\x67\x01"s + std::string(2 * 12 + 2 * 13 + 2 * 12, '\0') + "\xFF\xFF"s;
  EXPECT_EQ(EncodeStreamRecords(std::vector<StreamRecord>{r}), expected);
  EXPECT_EQ(expected.size(), 2u + 88 + 1);
  EXPECT_EQ(EncodeStreamRecords({}), "\x00\x00"s);
}

TEST_F(StreamFileTest, DamagedFilesShowFileReadErrorAndChangeNothing) {
  const std::string good = EncodeStreamRecords(std::vector{diamond("A"), diamond("B")});
  const std::string tooMany = recordsOverTheLimit(good);
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"count without records", "\x01\x00"s},
      {"cut inside the hourly values", good.substr(0, good.size() - 3)},
      {"more than 257 records", tooMany},
      {"negative count", "\x00\x80"s},
      {"a folder in place of the file", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    platform.clear();
    table.records[0] = diamond("Kept");
    names = {"kept"};
    placeFile(c.what, c.bytes);
    EXPECT_FALSE(LoadStreamFile(file(), table, names, platform));
    EXPECT_EQ(table.records[0], diamond("Kept"));
    EXPECT_EQ(names, std::vector<std::string>{"kept"});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "File Read Error");
    EXPECT_EQ(platform.messages[0].caption, "Saltmark");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(platform.busyDepth, 0);
  }
}

}  // namespace
}  // namespace saltmark
