// The bundled program folder as the build made it: every file loads with the
// program's own readers, every index entry leads to its port, every
// secondary and stream station's reference port exists.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "common/Version.h"
#include "data/DifferenceFile.h"
#include "data/LocationIndexFile.h"
#include "data/LocationLine.h"
#include "data/StreamFile.h"
#include "data/TideDatabaseFile.h"
#include "editors/DifferenceValues.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

namespace fs = std::filesystem;

class BundledFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = test::programDir();
    if (dir_.empty() || !fs::exists(dir_ / "SALTMARK.IND")) GTEST_SKIP() << "no bundled data in this build";
    index_ = ReadLocationIndexFile(dir_ / "SALTMARK.IND");
  }
  std::vector<fs::path> filesWith(const char* extension) const {
    std::vector<fs::path> files;
    for (const auto& item : fs::directory_iterator(dir_))
      if (item.path().extension() == extension) files.push_back(item.path());
    return files;
  }
  fs::path dir_;
  LocationIndexContents index_;
};

TEST_F(BundledFolder, EveryIndexEntryLeadsToItsPortAndEveryDatabaseIsIndexed) {
  ASSERT_FALSE(index_.entries.empty());
  ASSERT_LE(index_.databaseNames.size(), 15u);
  std::vector<TideDatabaseContents> databases;
  for (const std::string& name : index_.databaseNames) {
    databases.push_back(ReadTideDatabaseFile(dir_ / name));
    EXPECT_TRUE(databases.back().signature.starts_with(kVersionString)) << name;
    EXPECT_LE(databases.back().locationLines.size(), 701u) << name;
  }
  std::size_t lines = 0;
  for (const auto& db : databases) lines += db.locationLines.size();
  EXPECT_EQ(lines, index_.entries.size()) << "every port is in the index once";
  for (const LocationIndexEntry& entry : index_.entries) {
    ASSERT_GE(entry.databaseNumber, 0);
    ASSERT_LT(entry.databaseNumber, static_cast<int>(databases.size()));
    const auto& db = databases[static_cast<std::size_t>(entry.databaseNumber)];
    ASSERT_LT(entry.locationNumber, static_cast<int>(db.locationLines.size())) << entry.LocationName;
    const LocationRecord port = ParseLocationLine(db.locationLines[static_cast<std::size_t>(entry.locationNumber)]);
    EXPECT_EQ(port.portName, entry.LocationName);
    EXPECT_FALSE(port.harmonic[2].empty()) << entry.LocationName;
  }
  const std::set<std::string> indexed(index_.databaseNames.begin(), index_.databaseNames.end());
  for (const fs::path& file : filesWith(".tid")) EXPECT_TRUE(indexed.count(file.filename().string())) << file;
}

TEST_F(BundledFolder, EverySecondaryPortsReferenceExists) {
  const auto files = filesWith(".dif");
  ASSERT_FALSE(files.empty());
  for (const fs::path& file : files) {
    const auto records = DifferenceFile::read(file);
    EXPECT_FALSE(records.empty()) << file;
    for (const DifferenceRecord& r : records) {
      EXPECT_GE(r.referencePort, 0) << r.name;
      EXPECT_LT(r.referencePort, static_cast<int>(index_.entries.size())) << r.name;
      EXPECT_FALSE(DifferenceCombinationProblem(r.diffText)) << r.name << " in " << file;
    }
  }
}

TEST_F(BundledFolder, TheStreamDatabasesHoldRealStationsOnRealPorts) {
  EXPECT_FALSE(fs::exists(dir_ / "SAMPLE.vel"));
  const auto files = filesWith(".vel");
  ASSERT_FALSE(files.empty());
  std::size_t stations = 0;
  for (const fs::path& file : files) {
    const auto records = StreamFile::read(file);
    EXPECT_FALSE(records.empty()) << file;
    EXPECT_LE(records.size(), 257u) << file;
    stations += records.size();
    for (const StreamRecord& r : records) {
      EXPECT_EQ(r.name.find("not real data"), std::string::npos) << r.name;
      EXPECT_GE(r.referencePort, 0) << r.name;
      EXPECT_LT(r.referencePort, static_cast<int>(index_.entries.size())) << r.name;
      for (int j = 0; j < kStreamHours; ++j) {
        EXPECT_GE(r.springRate[j], 0) << r.name;
        EXPECT_GE(r.neapRate[j], 0) << r.name;
        EXPECT_LT(r.direction[j], 360) << r.name;
      }
    }
  }
  EXPECT_GT(stations, 300u);
}

}  // namespace
}  // namespace saltmark
