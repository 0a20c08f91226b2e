#pragma once
// Small location indexes and tide databases built on disk for the tests.
#include <cmath>
#include <string>
#include <vector>

#include "data/LocationIndex.h"
#include "data/LocationIndexFile.h"
#include "data/TideDatabaseFile.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark::test {

inline double degrees(double d) { return d * 3.14159265358979 / 180; }

inline LocationIndexEntry place(std::string name, double latitudeDegrees, double longitudeDegrees,
                                std::int16_t database = 0, std::int16_t number = 0) {
  return {database, number, std::move(name), degrees(latitudeDegrees), degrees(longitudeDegrees)};
}

inline LocationIndex indexOf(const TempDir& dir, const LocationIndexContents& contents) {
  const auto path = dir / "SALTMARK.IND";
  if (!WriteLocationIndexFile(path, contents)) throw std::runtime_error("cannot write the index");
  LocationIndex index;
  ScriptedPlatform platform;
  if (!index.LoadLocationIndexFile(path, platform)) throw std::runtime_error("cannot load the index");
  return index;
}

// A full location line: name, zone, position fields and 47 zero values.
inline std::string locationLine(const std::string& name, const std::string& position) {
  std::string line = name + ",0," + position;
  for (int i = 0; i < 47; ++i) line += ",0";
  return line;
}

inline void writeTideDatabase(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  if (!WriteTideDatabaseFile(path, "Saltmark 100", {}, lines)) throw std::runtime_error("cannot write the database");
}

}  // namespace saltmark::test
