// Positions of locations: read from typed text and shown back, the distance
// between two, the nearest locations to one, and the orders of a list.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "Fixtures.h"
#include "data/TideDatabase.h"
#include "locations/Finder.h"
#include "locations/LocationOrder.h"
#include "locations/Positions.h"

namespace saltmark {
namespace {

using test::degrees;

constexpr double kMinute = 1.0 / 60;

TEST(ParseAngleText, TheUsualTemplateReadsDegreesAndDecimalMinutes) {
  const struct {
    int kind;
    const char* text;
    double degrees;
  } cases[] = {
      {kLatitude, "50 45.3N", 50 + 45.3 * kMinute},  {kLatitude, "50\xB0" "45.3'N", 50 + 45.3 * kMinute},
      {kLatitude, "50'45.3", 50 + 45.3 * kMinute},   {kLatitude, "50.755", 50.755},
      {kLatitude, "50 45 30", 50 + 45 * kMinute},    // a third number is ignored
      {kLatitude, "", 0},                            {kLatitude, "N", 0},  // no number before the end
      {kLatitude, "50 45.3s", -(50 + 45.3 * kMinute)}, {kLatitude, "S 5 3.2", -(5 + 3.2 * kMinute)},
      {kLatitude, "50 45 W", 50 + 45 * kMinute},     // W means nothing to a latitude
      {kLongitude, "1 07W", -(1 + 7 * kMinute)},     {kLongitude, "001\xB0" "12.0'w", -(1 + 12 * kMinute)},
      {kLongitude, "2 30 S", 2 + 30 * kMinute},      // S means nothing to a longitude
      {kLongitude, "181", 181},
      {kLatitude, "99999999999999999999999999999999999999999999 30", 30 * kMinute},  // too big to hold: 0
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const double radians = ParseAngleText(c.kind, "**", c.text);
    EXPECT_NEAR(radians, degrees(c.degrees), 5e-8);  // parts are singles
    EXPECT_EQ(radians, c.kind == kLatitude ? ParseLatitude("**", c.text) : ParseLongitude("**", c.text));
  }
}

TEST(ParseAngleText, TemplatesTakeNumbersAndSingleCharacters) {
  const struct {
    const char* templateText;
    const char* text;
    double degrees;
  } cases[] = {
      {"ddmm", "5045", 50 + 45 * kMinute},   {"dd?mmmm", "50 45.3N", 50 + 45.3 * kMinute},
      {"dd.m", "50.4", 50 + 4 * kMinute},    // "." steps over one character
      {"***", "50 45 30", 50 + 45 * kMinute + 30.0 / 3600},
      {"?*", "N50 30", 50},                  // the template ends after one number
      {"dddd", "50", 50},                    // stops at the end of the text
      {"d*", "5 10", 10},                    // "*" counts numbers only: its first is degrees
      {"*s", "50x", 50},                     // "s" at the end takes nothing
      {"", "50 45", 0},                      {"**", "50..5 45", 50 + 45 * kMinute},  // "50..5" reads as 50
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.templateText) + " on " + c.text);
    EXPECT_NEAR(ParseAngleText(kLatitude, c.templateText, c.text), degrees(c.degrees), 5e-8);
  }
}

TEST(FormatLatLon, ShowsDegreesMinutesAndTheHemisphere) {
  const struct {
    double degrees;
    int kind;
    const char* shown;
  } cases[] = {
      {0, kLatitude, "00\xB0" "00.0'N"},                   {0, kLongitude, "000\xB0" "00.0'E"},
      {50 + 45.3 * kMinute, kLatitude, "50\xB0" "45.3'N"},  {-(5 + 3.2 * kMinute), kLatitude, "05\xB0" "03.2'S"},
      {50 + 59.97 * kMinute, kLatitude, "51\xB0" "00.0'N"},  // 60.0 minutes carry
      {-(1 + 12 * kMinute), kLongitude, "001\xB0" "12.0'W"}, {181, kLongitude, "179\xB0" "00.0'W"},
      {-180, kLongitude, "180\xB0" "00.0'E"},               {180, kLongitude, "180\xB0" "00.0'E"},
      {540, kLongitude, "180\xB0" "00.0'E"},                {-(59.99 * kMinute), kLongitude, "001\xB0" "00.0'W"},
      {1e300, kLongitude, "000\xB0" "00.0'E"},  // non-finite in degrees
  };
  for (const auto& c : cases) EXPECT_EQ(FormatLatLon(degrees(c.degrees), c.kind), c.shown) << c.degrees;
  EXPECT_EQ(FormatLatLon(std::numeric_limits<double>::quiet_NaN(), kLatitude), "00\xB0" "00.0'N");
  // A huge but finite angle is brought into range at once.
  EXPECT_EQ(FormatLatLon(degrees(360.0 * 1e12 + 10), kLongitude).substr(0, 3), "010");
}

TEST(FormatLatLon, BoxesShowWhatWasTypedInTheDisplayForm) {
  EXPECT_EQ(NormaliseLatitudeText("50 45.3n"), "50\xB0" "45.3'N");
  EXPECT_EQ(NormaliseLatitudeText(""), "00\xB0" "00.0'N");
  EXPECT_EQ(NormaliseLongitudeText("1 7 w"), "001\xB0" "07.0'W");
  // The display form reads back as itself.
  for (const char* shown : {"50\xB0" "45.3'N", "05\xB0" "03.2'S", "89\xB0" "59.9'S"})
    EXPECT_EQ(NormaliseLatitudeText(shown), shown);
}

TEST(IsNumberChar, DigitsPointAndTheEmptyText) {
  for (const char* yes : {"0", "5", "9", ".", ""}) EXPECT_TRUE(IsNumberChar(yes)) << yes;
  for (const char* no : {"-", " ", "N", "\xB0", "12", ","}) EXPECT_FALSE(IsNumberChar(no)) << no;
}

TEST(Distance, IsAFlatProjectionAroundTheFirstPosition) {
  const double oneMinute = degrees(1.0 / 60) * kDistanceUnitsPerRadian;
  const struct {
    const char* what;
    double lon1, lat1, lon2, lat2;
    double expected;
  } cases[] = {
      {"same place", 10, 50, 10, 50, 0},                  {"a minute of latitude", 0, 0, 0, 1.0 / 60, oneMinute},
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
      // Along one parallel, shuffled: from the end farthest from the first port along the line.
      {"a straight coast", {at(50, 2), at(50, 0), at(50, 5), at(50, 1), at(50, 4), at(50, 3)}, {2, 4, 5, 0, 3, 1}},
      // Round a corner: up the west side, then along the north.
      {"a corner", {at(50, 0), at(51, 1), at(51, 0), at(50.5, 0), at(51, 0.5)}, {1, 4, 2, 3, 0}},
      {"equal neighbours go to the earlier port", {at(50, 0), at(50, 1), at(50, -1)}, {1, 0, 2}},
      {"unreadable positions come last", {at(50, 0), {nan, nan}, at(50, 1)}, {2, 0, 1}},
      {"a single port", {at(50, 0)}, {0}}, {"nothing", {}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(CoastalOrder(c.ports), c.order) << c.what;
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
