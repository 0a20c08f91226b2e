#pragma once
// A temporary program folder for the benchmarks: a tide database of busy
// ports, the location index and three stream stations on the first port.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "BenchPorts.h"
#include "data/LocationIndexFile.h"
#include "data/StreamRecord.h"
#include "data/TideDatabaseFile.h"

namespace saltmark::bench {

inline std::string busyPortLine(int number) {
  const LocationRecord port = busyPort();
  std::string line = "Bench Port " + std::to_string(number) + ",0,50," + std::to_string(number % 60) + ",N,1,7,W";
  for (const auto& text : port.harmonic) line += "," + text;
  for (const auto& text : port.monthlyLevel) line += "," + text;
  for (const auto& text : port.monthlyAmplitude) line += "," + text;
  for (int i = 0; i < 10; ++i) line += ",0";
  return line;
}

class BenchFolder {
 public:
  explicit BenchFolder(int ports) : path_(std::filesystem::temp_directory_path() / "saltmark-bench") {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    std::vector<std::string> lines;
    LocationIndexContents index;
    index.databaseNames = {"BENCH.tid"};
    for (int i = 0; i < ports; ++i) {
      lines.push_back(busyPortLine(i));
      index.entries.push_back({0, static_cast<std::int16_t>(i), "Bench Port " + std::to_string(i), 0.87, -0.02});
    }
    if (!WriteTideDatabaseFile(database(), "Saltmark 100", {}, lines) ||
        !WriteLocationIndexFile(path_ / "SALTMARK.IND", index))
      throw std::runtime_error("cannot write the benchmark folder");
  }
  ~BenchFolder() { std::filesystem::remove_all(path_); }
  BenchFolder(const BenchFolder&) = delete;
  BenchFolder& operator=(const BenchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path database() const { return path_ / "BENCH.tid"; }

 private:
  std::filesystem::path path_;
};

// A tidal diamond on port 0 with a rotating set and spring and neap rates.
inline StreamRecord benchStation(int offsetDegrees) {
  StreamRecord station;
  station.name = "Bench Diamond";
  station.referencePort = 0;
  for (int h = 0; h < kStreamHours; ++h) {
    station.direction[h] = static_cast<std::int16_t>((offsetDegrees + 30 * h) % 360);
    station.springRate[h] = static_cast<std::int16_t>(40 + 20 * (h % 7));
    station.neapRate[h] = static_cast<std::int16_t>(20 + 10 * (h % 7));
  }
  return station;
}

}  // namespace saltmark::bench
