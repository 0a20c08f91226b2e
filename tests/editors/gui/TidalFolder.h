#pragma once
// A program folder whose ports have real tides, for window tests that
// predict: three ports with semidiurnal constants and their location index.
#include <stdexcept>

#include "data/LocationIndex.h"
#include "data/LocationIndexFile.h"
#include "data/TideDatabaseFile.h"

namespace saltmark::test {

// Each port: name, zone, position, then mean level, M2 phase/amplitude, S2, K1,
// O1 and the shallow-water terms; monthly and spring-neap levels all zero.
inline void writeThreePortFolder(const std::filesystem::path& folder) {
  std::string zeros;
  for (int i = 0; i < 34; ++i) zeros += ",0";
  const std::vector<std::string> lines = {
      "Southampton,0,50,54,N,1,24,W,2.9,330,1.36,20,0.45,100,0.08,330,0.08,0,0,0,0" + zeros,
      "Portsmouth,0,50,48,N,1,7,W,2.8,320,1.40,10,0.46,105,0.07,325,0.07,0,0,0,0" + zeros,
      "Cherbourg,-1,49,39,N,1,38,W,3.8,210,1.90,255,0.70,90,0.08,320,0.07,0,0,0,0" + zeros};
  if (!WriteTideDatabaseFile(folder / "SOUTH.tid", "Saltmark 100", {}, lines)) throw std::runtime_error("database");
  const double degree = 3.14159265358979 / 180;
  const LocationIndexContents index{{"SOUTH.tid"},
                                    {{0, 0, "Southampton", 50.9 * degree, -1.4 * degree},
                                     {0, 1, "Portsmouth", 50.8 * degree, -(1 + 7.0 / 60) * degree},
                                     {0, 2, "Cherbourg", 49.65 * degree, -(1 + 38.0 / 60) * degree}}};
  if (!WriteLocationIndexFile(folder / "SALTMARK.IND", index)) throw std::runtime_error("index");
}

// The folder written and its location index read.
inline LocationIndex tidalIndex(const std::filesystem::path& folder, Platform& platform) {
  writeThreePortFolder(folder);
  LocationIndex index;
  index.LoadLocationIndex(folder, platform);
  return index;
}

}  // namespace saltmark::test
