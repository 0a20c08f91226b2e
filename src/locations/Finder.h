#pragma once
// The nearest-location finder: the locations of every database, ranked by
// their distance from a typed position.
//
// Distance is a flat projection around the first position (longitude
// differences shrunk by the cosine of its latitude), good for the short
// ranges the finder and the stream interpolation are used at; it takes the
// short way round when the longitude difference exceeds half a turn. The
// result is in the finder's distance unit, 6383.895753348 per radian.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/LocationIndex.h"

namespace saltmark {

inline constexpr double kDistanceUnitsPerRadian = 6383.895753348;
inline constexpr int kNearestLocationCount = 11;

// All angles in radians.
double Distance(double lon1, double lat1, double lon2, double lat2);

// One line of the finder's list, in list order.
struct NearestLocation {
  std::string name;                 // the list text (LocationName)
  std::int16_t locationNumber = 0;  // the entry's item data
  double distance = 0;              // nearestDistance
  std::int16_t databaseNumber = 0;  // nearestDatabase
};

struct FinderResult {
  std::vector<NearestLocation> nearest;  // at most 11, nearest first
  // The database of the nearest location, for the tide database list's text;
  // empty when nothing was found.
  std::string databaseName;
};

// The 11 locations nearest to the position (or all of them when the index has
// fewer), whatever their distance; equal distances list the lower location
// number first. A location whose distance cannot be computed comes last.
FinderResult FindNearestLocations(const LocationIndex& index, double latitude, double longitude);

// The same from the finder's latitude and longitude box texts.
FinderResult FindNearestLocations(const LocationIndex& index, std::string_view latitudeText,
                                  std::string_view longitudeText);

// What the distance box shows after it loses the focus: its number as a
// single, as plain text with as many digits as it needs, a leading space
// when not negative ("20.0" shows " 20", "-3.25" shows "-3.25").
std::string FinderDistanceText(std::string_view text);

}  // namespace saltmark
