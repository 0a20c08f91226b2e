#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "locations/Finder.h"
#include "Fixtures.h"

namespace saltmark {
namespace {

using test::degrees;

TEST(Distance, IsAFlatProjectionAroundTheFirstPosition) {
  const double oneMinute = degrees(1.0 / 60) * kDistanceUnitsPerRadian;
  const struct {
    const char* what;
    double lon1, lat1, lon2, lat2;
    double expected;
  } cases[] = {
      {"same place", 10, 50, 10, 50, 0},
      {"a minute of latitude", 0, 0, 0, 1.0 / 60, oneMinute},
      {"a minute of longitude at the equator", 0, 0, 1.0 / 60, 0, oneMinute},
      {"a degree of longitude at 60N is half a degree", 0, 60, 1, 60, 30 * oneMinute},
      {"the first position supplies the cosine", 0, 60, 1, 0, std::hypot(30.0, 3600.0) * oneMinute},
      {"across 180 degrees the short way", 179.9, 0, -179.9, 0, 12 * oneMinute},
      {"and the other way round", -179.9, 0, 179.9, 0, 12 * oneMinute},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_NEAR(Distance(degrees(c.lon1), degrees(c.lat1), degrees(c.lon2), degrees(c.lat2)), c.expected, 1e-6);
  }
}

LocationIndex indexWith(const test::TempDir& dir, std::vector<LocationIndexEntry> entries) {
  return test::indexOf(dir, {{"SOLENT.tid", "BRITTANY.tid"}, std::move(entries)});
}

std::vector<std::int16_t> numbers(const FinderResult& result) {
  std::vector<std::int16_t> n;
  for (const NearestLocation& l : result.nearest) n.push_back(l.locationNumber);
  return n;
}

TEST(Finder, ListsTheElevenNearestWithEqualDistancesInLocationOrder) {
  test::TempDir dir;
  std::vector<LocationIndexEntry> entries;
  // Location i lies (i % 8) minutes north of the origin, so each distance
  // but the last is shared by two locations.
  for (int i = 0; i < 15; ++i)
    entries.push_back(test::place("P" + std::to_string(i), (i % 8) / 60.0, 0, static_cast<std::int16_t>(i % 2)));
  const FinderResult found = FindNearestLocations(indexWith(dir, entries), 0.0, 0.0);
  EXPECT_EQ(numbers(found), (std::vector<std::int16_t>{0, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5}));
  EXPECT_EQ(found.nearest[1].name, "P8");
  EXPECT_EQ(found.nearest[1].databaseNumber, 0);
  EXPECT_EQ(found.nearest[2].databaseNumber, 1);
  EXPECT_NEAR(found.nearest[2].distance, degrees(1.0 / 60) * kDistanceUnitsPerRadian, 1e-9);
  EXPECT_EQ(found.databaseName, "SOLENT.tid");
}

TEST(Finder, ShortIndexesListEverythingWithUnmeasurablePositionsLast) {
  test::TempDir dir;
  LocationIndexEntry broken = test::place("Broken", 0, 0);
  broken.latitude = std::numeric_limits<double>::quiet_NaN();
  const LocationIndex index = indexWith(dir, {test::place("Far", -30, 150, 1), test::place("Near", 50.1, -1.2, 0),
                                            broken, test::place("Middle", 48.5, -4.5, 1)});
  const FinderResult found = FindNearestLocations(index, "50 6N", "1 12W");
  EXPECT_EQ(numbers(found), (std::vector<std::int16_t>{1, 3, 0, 2}));
  EXPECT_NEAR(found.nearest[0].distance, 0, 1e-6);
  EXPECT_EQ(FindNearestLocations(index, degrees(48.5), degrees(-4.5)).databaseName, "BRITTANY.tid");

  const FinderResult none = FindNearestLocations(indexWith(dir, {}), 0.0, 0.0);
  EXPECT_TRUE(none.nearest.empty());
  EXPECT_EQ(none.databaseName, "");
}

TEST(FinderDistanceText, ShowsTheNumberWithALeadingSpace) {
  const struct {
    const char* typed;
    const char* shown;
  } cases[] = {{"20.0", " 20"}, {"5.5", " 5.5"}, {"-3.25", "-3.25"}, {"", " 0"},
               {"x", " 0"},     {"-0", " 0"},    {"0.1", " 0.1"},   {"1e400", " 0"}};
  for (const auto& c : cases) EXPECT_EQ(FinderDistanceText(c.typed), c.shown) << c.typed;
}

}  // namespace
}  // namespace saltmark
