#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/StreamFile.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

using namespace std::string_literals;

StreamRecord diamond(int i) {
  StreamRecord r;
  r.name = "Diamond " + std::string(1, static_cast<char>('A' + i));
  r.latitudeText = "50\xB0" "45.3'N";
  r.longitudeText = "001\xB0" "12.0'W";
  r.referencePort = static_cast<std::int16_t>(200 + i);
  r.speedUnits = static_cast<std::int16_t>(i % 4);
  for (int j = 0; j < kStreamHours; ++j) {
    r.direction[static_cast<std::size_t>(j)] = static_cast<std::int16_t>((j * 30 + i) % 360);
    r.springRate[static_cast<std::size_t>(j)] = static_cast<std::int16_t>(100 * j + i);
    r.neapRate[static_cast<std::size_t>(j)] = static_cast<std::int16_t>(50 * j + i);
  }
  return r;
}

std::vector<StreamRecord> diamonds(int count) {
  std::vector<StreamRecord> records;
  for (int i = 0; i < count; ++i) records.push_back(diamond(i));
  return records;
}

class StreamFileTest : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return dir / "SOLENT.vel"; }

  test::TempDir dir;
  ScriptedPlatform platform;
  StreamTable table;
  std::vector<std::string> names;
};

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
  const std::string good = EncodeStreamRecords(diamonds(2));
  std::string tooMany = "\x02\x01"s;  // 258
  for (int i = 0; i < 258; ++i) tooMany += good.substr(2, (good.size() - 2) / 2);
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"count without records", "\x01\x00"s},
      {"cut inside the hourly values", good.substr(0, good.size() - 3)},
      {"more than 257 records", tooMany},
      {"negative count", "\x00\x80"s},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    platform.clear();
    table.records[0] = diamond(9);
    names = {"kept"};
    test::writeFile(file(), c.bytes);
    EXPECT_FALSE(LoadStreamFile(file(), table, names, platform));
    EXPECT_EQ(table.records[0], diamond(9));
    EXPECT_EQ(names, std::vector<std::string>{"kept"});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "File Read Error");
    EXPECT_EQ(platform.messages[0].caption, "Saltmark");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(platform.busyDepth, 0);
  }
}

// (Writing over a folder is one of the writer faults.)
TEST_F(StreamFileTest, AFolderInPlaceOfTheFileIsRefused) {
  std::filesystem::create_directory(file());
  EXPECT_FALSE(LoadStreamFile(file(), table, names, platform));
  EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"File Read Error"});
}

}  // namespace
}  // namespace saltmark
