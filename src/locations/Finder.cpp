#include "locations/Finder.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "common/RuntimeError.h"
#include "common/VbNumbers.h"
#include "locations/Positions.h"

namespace saltmark {

double Distance(double lon1, double lat1, double lon2, double lat2) {
  const double dLat = lat1 - lat2;
  double dLon = lon1 - lon2;
  if (dLon < -kPi) dLon += kTwoPi;
  if (dLon > kPi) dLon = kTwoPi - dLon;  // only its size matters below
  const double x = std::cos(lat1) * dLon;
  return std::sqrt(x * x + dLat * dLat) * kDistanceUnitsPerRadian;
}

FinderResult FindNearestLocations(const LocationIndex& index, double latitude, double longitude) {
  const std::vector<LocationIndexEntry>& entries = index.entries();
  struct Ranked {
    double distance;
    std::size_t number;
  };
  std::vector<Ranked> ranked;
  ranked.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    double d = Distance(longitude, latitude, entries[i].longitude, entries[i].latitude);
    if (std::isnan(d)) d = std::numeric_limits<double>::infinity();
    ranked.push_back({d, i});
  }
  const std::size_t count = std::min<std::size_t>(kNearestLocationCount, ranked.size());
  std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(count), ranked.end(),
                    [](const Ranked& a, const Ranked& b) {
                      return a.distance != b.distance ? a.distance < b.distance : a.number < b.number;
                    });

  FinderResult result;
  for (std::size_t k = 0; k < count; ++k) {
    const LocationIndexEntry& entry = entries[ranked[k].number];
    result.nearest.push_back(
        {entry.LocationName, static_cast<std::int16_t>(ranked[k].number), ranked[k].distance, entry.databaseNumber});
  }
  if (!result.nearest.empty()) result.databaseName = index.databaseName(result.nearest.front().databaseNumber);
  return result;
}

FinderResult FindNearestLocations(const LocationIndex& index, std::string_view latitudeText,
                                  std::string_view longitudeText) {
  return FindNearestLocations(index, ParseLatitude(kPositionTemplate, latitudeText),
                              ParseLongitude(kPositionTemplate, longitudeText));
}

std::string FinderDistanceText(std::string_view text) {
  float value = 0;
  try {
    value = Single(Val(text));
  } catch (const RuntimeError&) {
    value = 0;
  }
  if (!std::isfinite(value) || value == 0) value = 0;  // and no "-0"
  char digits[32];
  const auto written = std::to_chars(digits, digits + sizeof digits, value);
  std::string shown(digits, written.ptr);
  return value < 0 ? shown : " " + shown;
}

}  // namespace saltmark
