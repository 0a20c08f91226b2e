#pragma once
// The two orders of the tide location list besides the finder's ranking.
//
// Alphabetically: by name, ignoring case, an accented letter filed with its
// plain letter (Étretat between Dieppe and Fécamp); names that differ only in
// case keep the database's order.
//
// In coastal order: a database lists ports along a stretch of coast, so the
// list follows the coast as a walk from port to port. It starts at one end of
// the stretch, taken as the port farthest from the database's first port
// (on a coastline, the farthest point from anywhere is an end), and from each
// port goes on to the nearest port not yet listed (ties to the earlier port in
// the database). Near a headland or an island the walk may jump back for a
// port it passed; the order is approximate, as a mariner scanning the list
// expects. Ports without a readable position come last, in database order.
#include <cstdint>
#include <string>
#include <vector>

#include "data/TideDatabase.h"

namespace saltmark {

enum class LocationOrder { Alphabetical = 0, Coastal = 1 };

struct GeoPosition {
  double latitude = 0;   // radians, north positive
  double longitude = 0;  // radians, east positive
};

// The positions 0..n-1 of names in alphabetical order.
std::vector<int> AlphabeticalOrder(const std::vector<std::string>& names);

// The positions 0..n-1 of the ports in coastal order.
std::vector<int> CoastalOrder(const std::vector<GeoPosition>& positions);

// A port's position from its location line: fields 3-5 latitude degrees,
// minutes and hemisphere, 6-8 longitude. Not a number (NaN) when the line
// has fewer fields.
GeoPosition LocationLinePosition(std::string_view line);

// One entry of the tide location list: its text and its item data, the
// port's location index in the loaded database.
struct LocationListEntry {
  std::string name;
  std::int16_t locationIndex = 0;

  friend bool operator==(const LocationListEntry&, const LocationListEntry&) = default;
};

// The loaded database's ports, in the chosen order.
std::vector<LocationListEntry> OrderedLocationList(const TideDatabase& database, LocationOrder order);

}  // namespace saltmark
