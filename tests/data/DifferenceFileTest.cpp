#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/DifferenceFile.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

using namespace std::string_literals;

DifferenceRecord secondaryPort(int i) {
  DifferenceRecord r;
  r.name = "Port " + std::to_string(i);
  r.latitudeText = "50\xB0" "45.3'N";
  r.longitudeText = "001\xB0" "12.0'W";
  r.referencePort = static_cast<std::int16_t>(100 + i);
  r.diffText = {"4.50", "3.70", "1.80", "0.60", "+0030", "-0045", "0.20", "0.10", "0.00", "-0.10"};
  return r;
}

std::vector<DifferenceRecord> ports(int count) {
  std::vector<DifferenceRecord> records;
  for (int i = 0; i < count; ++i) records.push_back(secondaryPort(i));
  return records;
}

class DifferenceFileTest : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return dir / "MINE.dif"; }

  test::TempDir dir;
  ScriptedPlatform platform;
  DifferenceTable table;
  std::vector<std::string> names;
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
  table.records[0] = secondaryPort(90);
  table.records[5] = secondaryPort(95);
  ASSERT_TRUE(WriteDifferenceRecords(file(), ports(2)));
  ASSERT_TRUE(LoadDifferenceFile(file(), table, names, platform));
  EXPECT_EQ(table.records[0], secondaryPort(0));
  EXPECT_EQ(table.records[5], secondaryPort(95));
}

TEST_F(DifferenceFileTest, DamagedFilesAreRefusedAndChangeNothing) {
  const std::string good = EncodeDifferenceRecords(ports(2));
  std::string tooMany = "\x02\x01"s;  // 258
  for (int i = 0; i < 258; ++i) tooMany += good.substr(2, (good.size() - 2) / 2);
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
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    table.records[0] = secondaryPort(42);
    names = {"kept"};
    test::writeFile(file(), c.bytes);
    const FileLoadResult result = LoadDifferenceFile(file(), table, names, platform);
    EXPECT_FALSE(result);
    EXPECT_NE(result.reason.find(c.reason), std::string::npos) << result.reason;
    EXPECT_EQ(table.records[0], secondaryPort(42));
    EXPECT_EQ(names, std::vector<std::string>{"kept"});
  }
  EXPECT_TRUE(platform.messages.empty());  // the caller decides what to say
  EXPECT_EQ(platform.busyDepth, 0);
}

// (Writing over a folder is one of the writer faults.)
TEST_F(DifferenceFileTest, AFolderInPlaceOfTheFileIsRefused) {
  std::filesystem::create_directory(file());
  EXPECT_FALSE(LoadDifferenceFile(file(), table, names, platform));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DifferenceFileTest, RecordCountsTheFileCannotHoldAreWriteErrors) {
  for (int count : {-1, 258}) {
    EXPECT_FALSE(WriteDifferenceFile(file(), table, count, platform)) << count;
  }
  EXPECT_FALSE(std::filesystem::exists(file()));
  EXPECT_EQ(platform.messageTexts(), std::vector<std::string>(2, "Difference File Write Error"));
  EXPECT_TRUE(WriteDifferenceFile(file(), table, 257, platform));
  EXPECT_EQ(ReadDifferenceFile(file()).size(), 257u);
}

TEST_F(DifferenceFileTest, ATextTooLongForItsCountIsAWriteError) {
  table.records[0].name.assign(70000, 'x');
  EXPECT_FALSE(WriteDifferenceFile(file(), table, 1, platform));
  EXPECT_FALSE(std::filesystem::exists(file()));
}

}  // namespace
}  // namespace saltmark
