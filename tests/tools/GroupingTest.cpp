// Which coast a station goes to, the limits of the files, and the zones.
#include <gtest/gtest.h>

#include <filesystem>

#include "Regions.h"
#include "StationZone.h"

namespace saltmark::tcd {
namespace {

TEST(Regions, StationsGoToTheirCoastInCoastalOrder) {
  const struct { const char* name; const char* tzfile; const char* region; } cases[] = {
      {"Boston, Boston Harbor, Massachusetts", ":America/New_York", "NewEngland"},
      {"Cape May Canal, Cape May, Delaware Bay, New Jersey (sub)", ":America/New_York", "NewYorkNewJersey"},
      {"Philadelphia, Pennsylvania (2)", ":America/New_York", "NewYorkNewJersey"},
      {"Key West, Florida", ":America/New_York", "Florida"}, {"Galveston, Texas", ":America/Chicago", "GulfOfMexico"},
      {"Some Bayou", ":America/Chicago", "GulfOfMexico"},  // no state: by its zone
      {"Kodiak Island", ":America/Anchorage", "Alaska"}, {"Wake Island", ":Pacific/Wake", "PacificIslands"},
      {"Honolulu, Hawaii", ":Pacific/Honolulu", "PacificIslands"}, {"Somewhere Else", ":Europe/London", "Other"},
  };
  for (const auto& c : cases) EXPECT_EQ(RegionOf(c.name, c.tzfile).fileStem, c.region) << c.name;
  EXPECT_LT(RegionOf("A, Maine", "").order, RegionOf("B, Alaska", "").order);
  // Along a coast the widest part of a name sorts first: the state, then the water, then the place.
  EXPECT_LT(CoastalSortKey("Zeta, Casco Bay, Maine"), CoastalSortKey("Alpha, Penobscot Bay, Maine"));
  EXPECT_LT(CoastalSortKey("Bay, Maine"), CoastalSortKey("Bay Head, Maine"));
}

std::vector<GroupItem> itemsIn(const char* stem, int order, int count) {
  std::vector<GroupItem> items;
  for (int i = 0; i < count; ++i) items.push_back({{stem, order}, std::to_string(100000 + count - i)});
  return items;
}

TEST(Regions, FilesKeepWithinTheirLimits) {
  std::vector<GroupItem> items = itemsIn("Alaska", 8, 1500);
  const auto maine = itemsIn("NewEngland", 0, 701);
  items.insert(items.end(), maine.begin(), maine.end());

  const auto shares = ShareIntoFiles(items, 701, 15, ".tid");
  ASSERT_EQ(shares.size(), 4u);
  EXPECT_EQ(shares[0].fileName, "NewEngland.tid");  // coast order, not input order
  EXPECT_EQ(shares[0].members.size(), 701u);        // exactly full: one file
  EXPECT_EQ(shares[1].fileName, "Alaska1.tid");
  EXPECT_EQ(shares[3].fileName, "Alaska3.tid");
  std::size_t total = 0;
  for (const auto& share : shares) {
    EXPECT_LE(share.members.size(), 701u) << share.fileName;
    EXPECT_GE(share.members.size(), 450u) << "shares are even: " << share.fileName;
    total += share.members.size();
  }
  EXPECT_EQ(total, items.size());
  // Within a file, members follow their keys.
  EXPECT_LT(items[shares[1].members[0]].sortKey, items[shares[1].members[1]].sortKey);

  const auto halves = ShareIntoFiles(itemsIn("Alaska", 8, 702), 701, 15, ".dif");
  EXPECT_EQ(halves.size() == 2 ? halves[0].fileName + halves[1].fileName : "", "Alaska1.difAlaska2.dif");
  EXPECT_THROW(ShareIntoFiles(items, 701, 3, ".tid"), GroupingError);
  EXPECT_TRUE(ShareIntoFiles({}, 701, 15, ".tid").empty());
}

TEST(StationZone, StandardTimeOfTheStationsZoneOrTheNauticalZone) {
  EXPECT_EQ(NauticalZoneHoursWest(-74.0), 5);
  EXPECT_EQ(NauticalZoneHoursWest(144.8), -10);
  EXPECT_EQ(NauticalZoneHoursWest(-7.4), 0);
  if (!std::filesystem::exists("/usr/share/zoneinfo/America/New_York")) GTEST_SKIP() << "no zoneinfo here";
  const std::pair<const char*, double> cases[] = {
      {":America/New_York", 5},   {"America/Los_Angeles", 8}, {":Pacific/Guam", -10},
      {":Asia/Kolkata", -5.5},    {":Australia/Sydney", -10},  // its winter is in July
      {":America/St_Johns", 3.5}, {":UTC", 0},
  };
  for (const auto& [tzfile, hoursWest] : cases) EXPECT_EQ(StandardZoneHoursWest(tzfile, 2026), hoursWest) << tzfile;
  for (const char* tzfile : {":Nowhere/Atlantis", ":../../etc/passwd", ""})
    EXPECT_FALSE(StandardZoneHoursWest(tzfile, 2026)) << tzfile;
}

}  // namespace
}  // namespace saltmark::tcd
