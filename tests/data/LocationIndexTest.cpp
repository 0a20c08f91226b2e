#include <gtest/gtest.h>

#include "data/LocationIndex.h"
#include "data/LocationIndexFile.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

using namespace std::string_literals;

LocationIndexContents sampleIndex(int entries, int databases = 2) {
  LocationIndexContents c;
  for (int d = 0; d < databases; ++d) c.databaseNames.push_back("DB" + std::to_string(d) + ".tid");
  for (int j = 0; j < entries; ++j)
    c.entries.push_back({static_cast<std::int16_t>(j % 2), static_cast<std::int16_t>(j / 2), "Port " + std::to_string(j),
                         0.5 + j * 1e-4, -0.02 - j * 1e-4});
  return c;
}

class LocationIndexLoad : public ::testing::Test {
 protected:
  std::filesystem::path indexPath() const { return dir / kLocationIndexFileName; }
  bool load(const std::string& bytes) {
    test::writeFile(indexPath(), bytes);
    return index.LoadLocationIndex(dir.path(), platform);
  }

  test::TempDir dir;
  ScriptedPlatform platform;
  LocationIndex index;
};

TEST_F(LocationIndexLoad, TheLayoutIsPacked) {
  LocationIndexContents c;
  c.databaseNames = {"A.tid"};
  c.entries = {{3, -2, "Ry", 1.0, -0.5}};
  EXPECT_EQ(EncodeLocationIndex(c), "\x01\x00\x05\x00"s + "A.tid" + "\x03\x00\xFE\xFF\x02\x00"s + "Ry" +
                                        std::string(6, '\0') + "\xF0\x3F" + std::string(6, '\0') + "\xE0\xBF");
}

TEST_F(LocationIndexLoad, AllEntriesUpToTheLimitAreLookedUpByNumber) {
  ASSERT_TRUE(load(EncodeLocationIndex(sampleIndex(kMaxIndexEntries, kMaxIndexDatabases))));
  EXPECT_EQ(index.indexEntryCount(), 5001);
  EXPECT_EQ(index.indexDatabaseNames().size(), 15u);
  for (int i : {0, 2499, 2500, 5000}) EXPECT_EQ(index.LocationName(i), "Port " + std::to_string(i));
  for (int i : {-1, 5001}) EXPECT_EQ(index.LocationName(i), "");
  ASSERT_NE(index.entry(2500), nullptr);
  EXPECT_EQ(index.entry(2500)->locationNumber, 1250);
  EXPECT_DOUBLE_EQ(index.entry(2500)->latitude, 0.75);
  EXPECT_EQ(index.databaseName(14), "DB14.tid");
  for (int i : {-1, 15}) EXPECT_EQ(index.databaseName(i), "");
}

// What the loader takes from each file: its entries, an incomplete last one
// not counted; or, from a file it cannot read, nothing: the index read
// before stays. With no file and none read before, there is none.
TEST_F(LocationIndexLoad, FilesAreReadUpToTheLastWholeEntryOrNotAtAll) {
  EXPECT_FALSE(index.LoadLocationIndex(dir.path(), platform));
  EXPECT_EQ(index.indexEntryCount(), -1);
  EXPECT_TRUE(index.indexDatabaseNames().empty());
  EXPECT_EQ(index.entry(0), nullptr);
  const std::string namesBytes = EncodeLocationIndex(sampleIndex(0));
  std::string sixteenBytes = EncodeLocationIndex(sampleIndex(0, 15));
  sixteenBytes[0] = 16;
  sixteenBytes += "\x04\x00"s + "X.td";
  std::string nameCountTooBig = namesBytes;
  nameCountTooBig[0] = 3;  // a third name that is not there
  const std::string full = EncodeLocationIndex(sampleIndex(kMaxIndexEntries));
  struct Case { std::string name, bytes; int entries; };  // entries -1: refused
  std::vector<Case> cases = {
      {"empty file", "", -1},                        {"half a count", "\x01"s, -1},
      {"names cut short", namesBytes.substr(0, namesBytes.size() - 1), -1},
      {"name count past the names", nameCountTooBig, -1}, {"name length past the end", "\x01\x00\xFF\xFF" "abc"s, -1},
      {"sixteen databases", sixteenBytes, -1},       {"names only", namesBytes, 0},
      {"5002 entries", full + EncodeLocationIndex(sampleIndex(1)).substr(namesBytes.size()), -1},
      {"5001 entries and part of one more", full + "\x01\x00\x02"s, 5001}};
  const std::string three = EncodeLocationIndex(sampleIndex(3));
  for (std::size_t cut = EncodeLocationIndex(sampleIndex(2)).size() + 1; cut < three.size(); ++cut)
    cases.push_back({"three entries cut after " + std::to_string(cut) + " bytes", three.substr(0, cut), 2});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(load(EncodeLocationIndex(sampleIndex(4))));
    EXPECT_EQ(load(c.bytes), c.entries >= 0);
    const int expected = c.entries >= 0 ? c.entries : 4;
    EXPECT_EQ(index.indexEntryCount(), expected);
    EXPECT_EQ(index.entries().size(), static_cast<std::size_t>(expected));
  }
  std::filesystem::remove(indexPath());  // a folder in its place: the last index read stays
  std::filesystem::create_directory(indexPath());
  EXPECT_FALSE(index.LoadLocationIndex(dir.path(), platform));
  EXPECT_EQ(index.indexEntryCount(), 2);
  EXPECT_TRUE(platform.messages.empty());  // the caller decides what to say
}

TEST_F(LocationIndexLoad, TheWriterRefusesMoreThanTheReaderTakes) {
  EXPECT_FALSE(WriteLocationIndexFile(indexPath(), sampleIndex(0, 16)).ok);
  EXPECT_FALSE(WriteLocationIndexFile(indexPath(), sampleIndex(kMaxIndexEntries + 1)).ok);
  LocationIndexContents longName = sampleIndex(1);
  longName.entries[0].LocationName.assign(65536, 'x');
  EXPECT_FALSE(WriteLocationIndexFile(indexPath(), longName).ok);
  EXPECT_FALSE(std::filesystem::exists(indexPath()));
  longName.entries[0].LocationName.pop_back();  // the longest a 16-bit count holds
  EXPECT_TRUE(WriteLocationIndexFile(indexPath(), longName).ok);
}

}  // namespace
}  // namespace saltmark
