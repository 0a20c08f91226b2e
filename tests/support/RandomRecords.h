#pragma once
// Random but valid contents for every file the program reads and writes, for
// the round-trip tests and the fuzzers' seed files. Texts hold any 8-bit
// characters; numbers cover their whole range (singles and doubles finite,
// so that records compare equal field by field). Seeded, so every run makes
// the same cases.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "data/DifferenceRecord.h"
#include "data/LocationIndexFile.h"
#include "data/Settings.h"
#include "data/StreamRecord.h"
#include "data/TideDatabaseFile.h"

namespace saltmark::test {

class RandomRecords {
 public:
  explicit RandomRecords(std::uint32_t seed) : engine_(seed) {}

  int number(int lowest, int highest) { return std::uniform_int_distribution<int>(lowest, highest)(engine_); }
  bool chance(double probability) { return std::bernoulli_distribution(probability)(engine_); }
  std::int16_t int16();
  float single();    // finite
  double real();     // finite
  // Any bytes; mostly short, now and then long, sometimes empty.
  std::string text(std::size_t longest = 300);
  // Texts as a user types them: digits, signs, points, blanks and letters.
  std::string typedText(std::size_t longest = 12);

  Settings settings();
  TideDatabaseContents tideDatabase(int mostLines = 40);
  // A port line of the 55 fields the program reads (a plausible one).
  std::string locationLine();
  LocationIndexContents locationIndex(int mostEntries = 60);
  DifferenceRecord differenceRecord();
  StreamRecord streamRecord();
  std::vector<DifferenceRecord> differenceRecords(int most = 20) { return records(most, &RandomRecords::differenceRecord); }
  std::vector<StreamRecord> streamRecords(int most = 20) { return records(most, &RandomRecords::streamRecord); }

 private:
  template <typename Record>
  std::vector<Record> records(int most, Record (RandomRecords::*make)()) {
    std::vector<Record> out(static_cast<std::size_t>(number(0, most)));
    for (auto& record : out) record = (this->*make)();
    return out;
  }

  std::mt19937 engine_;
};

}  // namespace saltmark::test
