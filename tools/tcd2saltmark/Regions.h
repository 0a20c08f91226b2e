#pragma once
// Which coast a station belongs to, and how ports are shared out among the
// database files so that a mariner finds a stretch of coast in one file:
// at most 701 ports in a tide database, at most 15 tide databases (the
// location index names no more), at most 257 secondary ports in a
// difference file.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace saltmark::tcd {

struct Region {
  std::string fileStem;  // "NewEngland": NewEngland.tid, NewEngland.dif
  int order = 0;         // along the coast, for the order of the files
};

// The region of a station from the last part of its name ("..., Maine"),
// else from its zoneinfo name, else "Other".
Region RegionOf(std::string_view stationName, std::string_view tzfile);

// The place name parts from the widest to the narrowest ("Maine", "Casco
// Bay", "Portland"), lower-cased and joined, so that sorting by it keeps a
// stretch of coast together.
std::string CoastalSortKey(std::string_view stationName);

struct GroupingError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// One file's share: its name and the positions (into the caller's list) of
// its members, in the order they are to be written.
struct FileShare {
  std::string fileName;
  std::vector<int> members;
};

struct GroupItem {
  Region region;
  std::string sortKey;
};

// Shares items out by region, in coast order, each region's items sorted by
// their keys; a region with more than perFile items is cut into numbered
// files (Alaska1, Alaska2, ...). extension includes the dot. Throws
// GroupingError when more than maxFiles files would be needed.
std::vector<FileShare> ShareIntoFiles(const std::vector<GroupItem>& items, int perFile, int maxFiles,
                                      std::string_view extension);

}  // namespace saltmark::tcd
