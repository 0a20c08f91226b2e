#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "data/TideDatabase.h"
#include "locations/LocationOrder.h"
#include "Fixtures.h"

namespace saltmark {
namespace {

using test::degrees;

TEST(AlphabeticalOrder, IgnoresCaseAndFilesAccentsWithTheirLetters) {
  const std::vector<std::string> names = {"portsmouth", "Cowes", "F\xE9" "camp", "\xC9tretat",
                                          "cowes",      "Dieppe", "Emsworth", "Ryde"};
  EXPECT_EQ(AlphabeticalOrder(names), (std::vector<int>{1, 4, 5, 6, 3, 2, 0, 7}));
  EXPECT_TRUE(AlphabeticalOrder({}).empty());
}

TEST(CoastalOrder, WalksFromOneEndToItsNearestNeighbours) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  auto at = [](double lat, double lon) { return GeoPosition{degrees(lat), degrees(lon)}; };
  const struct {
    const char* what;
    std::vector<GeoPosition> ports;
    std::vector<int> order;
  } cases[] = {
      // Along one parallel, shuffled: the walk starts at the end farthest
      // from the first port and goes along the line.
      {"a straight coast",
       {at(50, 2), at(50, 0), at(50, 5), at(50, 1), at(50, 4), at(50, 3)},
       {2, 4, 5, 0, 3, 1}},
      // Round a corner: up the west side, then along the north.
      {"a corner",
       {at(50, 0), at(51, 1), at(51, 0), at(50.5, 0), at(51, 0.5)},
       {1, 4, 2, 3, 0}},
      {"equal neighbours go to the earlier port", {at(50, 0), at(50, 1), at(50, -1)}, {1, 0, 2}},
      {"unreadable positions come last", {at(50, 0), {nan, nan}, at(50, 1)}, {2, 0, 1}},
      {"a single port", {at(50, 0)}, {0}},
      {"nothing", {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CoastalOrder(c.ports), c.order);
  }
}

TEST(LocationLinePosition, ReadsTheDegreesMinutesAndHemispheres) {
  const GeoPosition p = LocationLinePosition(test::locationLine("Portsmouth", "50,48,N,1,07,W"));
  EXPECT_NEAR(p.latitude, degrees(50.8), 1e-12);
  EXPECT_NEAR(p.longitude, degrees(-(1 + 7.0 / 60)), 1e-12);
  const GeoPosition south = LocationLinePosition("Hobart,-10,42,53,s,147,20,E");
  EXPECT_LT(south.latitude, 0);
  EXPECT_GT(south.longitude, 0);
  EXPECT_TRUE(std::isnan(LocationLinePosition("Short,0,50,48,N").latitude));
}

TEST(OrderedLocationList, CarriesEachPortsLocationIndex) {
  test::TempDir dir;
  const auto path = dir / "SOLENT.tid";
  test::writeTideDatabase(path, {test::locationLine("Yarmouth", "50,42,N,1,30,W"),
                                 test::locationLine("Cowes", "50,46,N,1,18,W"),
                                 test::locationLine("Portsmouth", "50,48,N,1,07,W"),
                                 test::locationLine("Lymington", "50,45,N,1,32,W")});
  TideDatabase database;
  ScriptedPlatform platform;
  ASSERT_TRUE(database.LoadTideDatabase(path.string(), platform));

  EXPECT_EQ(OrderedLocationList(database, LocationOrder::Alphabetical),
            (std::vector<LocationListEntry>{{"Cowes", 1}, {"Lymington", 3}, {"Portsmouth", 2}, {"Yarmouth", 0}}));
  EXPECT_EQ(OrderedLocationList(database, LocationOrder::Coastal),
            (std::vector<LocationListEntry>{{"Portsmouth", 2}, {"Cowes", 1}, {"Yarmouth", 0}, {"Lymington", 3}}));
}

}  // namespace
}  // namespace saltmark
