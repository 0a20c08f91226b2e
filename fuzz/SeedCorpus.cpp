// Writes the fuzzers' seed files with the program's own writers, one folder
// per fuzz target: well-formed databases, index and configuration files of
// several shapes, and texts as the program shows them and as users type them.
//   fuzz_seeds <folder>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "common/VbNumbers.h"
#include "data/ConfigFile.h"
#include "data/DifferenceFile.h"
#include "data/LocationIndexFile.h"
#include "data/StreamFile.h"
#include "data/TideDatabaseFile.h"
#include "display/StartInstant.h"
#include "editors/DifferenceValues.h"
#include "editors/StreamValues.h"
#include "locations/Positions.h"
#include "support/RandomRecords.h"
#include "support/SampleRecords.h"
#include "tables/HeightText.h"
#include "tables/TimeText.h"

using namespace saltmark;

namespace {

class SeedFolder {
 public:
  SeedFolder(const std::filesystem::path& root, const std::string& target) : path_(root / target) {
    std::filesystem::create_directories(path_);
  }
  void add(std::string_view bytes) {
    std::ofstream out(path_ / ("seed-" + std::to_string(count_++)), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write a seed in " + path_.string());
  }
  void addAll(std::initializer_list<std::string_view> texts) {
    for (std::string_view text : texts) add(text);
  }

 private:
  std::filesystem::path path_;
  int count_ = 0;
};

constexpr int kRandomSeeds = 12;

void tideDatabaseSeeds(SeedFolder seeds, test::RandomRecords& random) {
  seeds.add(EncodeTideDatabase(kVersionString, {}, {}));
  seeds.add(EncodeTideDatabase(kVersionString, {"HEADER ONE", "two", ""},
                               {"PORTSMOUTH,0,50,48,N,1,7,W,2.8,130,1.4,172,0.43,0,0.06,0,0.05,30,0.1,0,0,"
                                "0,0,0,0,0,0,0,0,0,0,0,0,1,1,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,0,0,0,0,0"}));
  for (int i = 0; i < kRandomSeeds; ++i) {
    const auto db = random.tideDatabase(i < 2 ? 3 : 40);
    seeds.add(EncodeTideDatabase(db.signature, db.headers, db.locationLines));
  }
}

void locationIndexSeeds(SeedFolder seeds, test::RandomRecords& random) {
  seeds.add(EncodeLocationIndex({}));
  seeds.add(EncodeLocationIndex({{"SAMPLE.tid"}, {{0, 0, "Portsmouth", 0.8866, -0.0195}}}));
  for (int i = 0; i < kRandomSeeds; ++i) seeds.add(EncodeLocationIndex(random.locationIndex(i < 2 ? 2 : 30)));
}

void configSeeds(SeedFolder seeds, test::RandomRecords& random) {
  seeds.add(EncodeSettings(Settings{}));
  for (int i = 0; i < kRandomSeeds; ++i) seeds.add(EncodeSettings(random.settings()));
}

void differenceSeeds(SeedFolder seeds, test::RandomRecords& random) {
  seeds.add(DifferenceFile::encode({}));
  const DifferenceRecord typical = test::SampleSecondaryPort("Lymington");
  seeds.add(DifferenceFile::encode(std::span(&typical, 1)));
  for (int i = 0; i < kRandomSeeds; ++i) seeds.add(DifferenceFile::encode(random.differenceRecords(i < 2 ? 2 : 12)));
}

void streamSeeds(SeedFolder seeds, test::RandomRecords& random) {
  seeds.add(StreamFile::encode({}));
  const StreamRecord typical = test::SampleDiamond("Diamond A");
  seeds.add(StreamFile::encode(std::span(&typical, 1)));
  for (int i = 0; i < kRandomSeeds; ++i) seeds.add(StreamFile::encode(random.streamRecords(i < 2 ? 2 : 12)));
}

void heightSeeds(SeedFolder seeds, test::RandomRecords& random) {
  seeds.addAll({"", "  2.5", "8'6", "-1'6", "2m", "5'3m", "250", "199", "-0.46", "1e3", "12'11 "});
  for (bool metric : {true, false}) {
    Settings settings;
    settings.metricUnits = toFlag(metric);
    for (int i = 0; i < kRandomSeeds; ++i) {
      const float height = static_cast<float>(random.number(-19900, 19900)) / 100.0f;
      seeds.add(FormatHeight1(height, settings));
      seeds.add(FormatHeight2(height, settings));
    }
  }
}

void startInstantSeeds(SeedFolder seeds, test::RandomRecords& random) {
  seeds.addAll({"05 Dec 2026\n14:05", "5 December 2026\n7:5", "Dec 5 2026\n", "5/12/26\n23:59:59",
                "2026-12-05\n00:00", "29 Feb 2028\n12:00:00", "31 Apr 2026\n25:00"});
  for (int i = 0; i < kRandomSeeds; ++i) {
    const DateTime instant = DateTime::fromCivil(random.number(1900, 2100), random.number(1, 12),
                                                 random.number(1, 28), random.number(0, 23),
                                                 random.number(0, 59), random.number(0, 59));
    seeds.add(FormatDate(instant) + "\n" + (i % 2 ? FormatTimeHM(instant) : FormatTimeHMS(instant)));
  }
}

void differenceValueSeeds(SeedFolder seeds, test::RandomRecords& random) {
  seeds.addAll({"130", "-45", "0", "75", "2400", "+0060", "-2359", "2359.5", "130.6", "1.2", "-.5",
                "4.70\n3.80\n1.90\n0.80\n-0010\n+0005\n-1.70\n-1.20\n-0.50\n-0.10", "\n\n\n\n+0100\n-0030"});
  for (int i = 0; i < kRandomSeeds; ++i) {
    seeds.add(NormaliseTimeDifference(random.typedText()));
    seeds.add(NormaliseDifferenceHeight(random.typedText()));
  }
}

void streamValueSeeds(SeedFolder seeds, test::RandomRecords& random) {
  seeds.addAll({"0.125", "359.6", "359.4", "7", "327", "327.5", "-1", ""});
  for (int i = 0; i < kRandomSeeds; ++i) {
    seeds.add(FormatStreamDirection(static_cast<std::int16_t>(random.number(0, 359))));
    seeds.add(FormatStreamRate(static_cast<std::int16_t>(random.number(0, 32700))));
  }
}

void angleSeeds(SeedFolder seeds, test::RandomRecords& random) {
  seeds.addAll({"", "50 45.3N", "50\xB0" "45.3'N", "50-45.3 n", "50'45.3", "50,45.3", "50.755", "50 45 30",
                "181", "50\xB0" "59.97'N", "1 12W", "**\n50 45.3N", "d?m*\n5x3 12.5S"});
  for (int i = 0; i < kRandomSeeds; ++i) {
    const double radians = (random.number(-1800000, 1800000) / 10000.0) * kDegreesToRadians;
    seeds.add(FormatLatLon(radians, kLatitude));
    seeds.add(FormatLatLon(radians, kLongitude));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: fuzz_seeds <folder>\n";
    return 2;
  }
  const std::filesystem::path root = argv[1];
  test::RandomRecords random(20261205);
  tideDatabaseSeeds({root, "tide_database"}, random);
  locationIndexSeeds({root, "location_index"}, random);
  configSeeds({root, "config_file"}, random);
  differenceSeeds({root, "difference_file"}, random);
  streamSeeds({root, "stream_file"}, random);
  heightSeeds({root, "height_text"}, random);
  startInstantSeeds({root, "start_instant"}, random);
  differenceValueSeeds({root, "difference_values"}, random);
  streamValueSeeds({root, "stream_values"}, random);
  angleSeeds({root, "angle_text"}, random);
  return 0;
}
