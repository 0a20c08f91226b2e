// Random valid records written and read back are the same, field by field
// and byte by byte, for the difference and stream databases: a few hundred
// seeded cases each in memory, and some through the files and the table.
#include <gtest/gtest.h>

#include "data/DifferenceFile.h"
#include "data/StreamFile.h"
#include "platform/ScriptedPlatform.h"
#include "support/RandomRecords.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

constexpr int kCases = 300;
constexpr int kFileCases = 20;

TEST(RoundTripProperty, DifferenceRecords) {
  test::RandomRecords random(11);
  for (int i = 0; i < kCases; ++i) {
    SCOPED_TRACE(i);
    const auto written = random.differenceRecords(i == 0 ? kMaxDatabaseRecords : 20);
    const std::string bytes = EncodeDifferenceRecords(written);
    const auto read = DecodeDifferenceRecords(bytes);
    ASSERT_EQ(read, written);
    ASSERT_EQ(EncodeDifferenceRecords(read), bytes);
  }
}

TEST(RoundTripProperty, DifferenceFilesThroughTheTable) {
  test::RandomRecords random(12);
  test::TempDir dir;
  ScriptedPlatform platform;
  for (int i = 0; i < kFileCases; ++i) {
    SCOPED_TRACE(i);
    const auto written = random.differenceRecords();
    DifferenceTable table;
    std::copy(written.begin(), written.end(), table.records.begin());
    table.differenceDataChanged = true;
    ASSERT_TRUE(WriteDifferenceFile(dir / "MINE.dif", table, static_cast<int>(written.size()), platform));
    DifferenceTable reloaded;
    std::vector<std::string> names;
    ASSERT_TRUE(LoadDifferenceFile(dir / "MINE.dif", reloaded, names, platform));
    ASSERT_EQ(names.size(), written.size());
    for (std::size_t r = 0; r < written.size(); ++r) {
      ASSERT_EQ(reloaded.records[r], written[r]);
      ASSERT_EQ(names[r], written[r].name);
    }
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST(RoundTripProperty, StreamRecords) {
  test::RandomRecords random(13);
  for (int i = 0; i < kCases; ++i) {
    SCOPED_TRACE(i);
    const auto written = random.streamRecords(i == 0 ? kMaxDatabaseRecords : 20);
    const std::string bytes = EncodeStreamRecords(written);
    const auto read = DecodeStreamRecords(bytes);
    ASSERT_EQ(read, written);
    ASSERT_EQ(EncodeStreamRecords(read), bytes);
  }
}

TEST(RoundTripProperty, StreamFilesThroughTheTable) {
  test::RandomRecords random(14);
  test::TempDir dir;
  ScriptedPlatform platform;
  for (int i = 0; i < kFileCases; ++i) {
    SCOPED_TRACE(i);
    const auto written = random.streamRecords();
    StreamTable table;
    std::copy(written.begin(), written.end(), table.records.begin());
    ASSERT_TRUE(WriteStreamFile(dir / "MINE.vel", table, static_cast<int>(written.size()), platform));
    StreamTable reloaded;
    std::vector<std::string> names;
    ASSERT_TRUE(LoadStreamFile(dir / "MINE.vel", reloaded, names, platform));
    ASSERT_EQ(names.size(), written.size());
    for (std::size_t r = 0; r < written.size(); ++r) ASSERT_EQ(reloaded.records[r], written[r]);
  }
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace saltmark
