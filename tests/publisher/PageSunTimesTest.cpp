// Sunrise and sunset on the monthly page: after each day's waters, and
// "no sunrise" with no time where the sun stays down.
#include <gtest/gtest.h>

#include "publisher/PageSunTimes.h"
#include "publisher/PlacePage.h"

namespace saltmark {
namespace {

LocationRecord portAt(const char* latitude, const char* longitude, const char* zone) {
  LocationRecord port;
  port.portName = "Test Harbour";
  port.latitudeText = latitude;
  port.longitudeText = longitude;
  port.portZone = zone;
  return port;
}

TEST(PageSunTimes, EachDayEndsWithItsSunriseAndSunset) {
  Settings gmt;
  gmt.timeBase = static_cast<std::int16_t>(TimeBase::Gmt);
  const DateTime start = DateTime::fromCivil(2026, 12, 1);
  const std::vector<MonthEvent> waters = {{start.addMinutes(300), 3.5f}, {start.addMinutes(1000), 0.5f},
                                          {start.addDays(1).addMinutes(330), 3.4f}};
  const auto merged = WithSunriseAndSunset(waters, portAt("50\xB0" "48'N", "001\xB0" "07'W", "0"), gmt, start);
  ASSERT_EQ(merged.size(), 3u + 2u * 31u);  // December: 31 days
  EXPECT_EQ(merged[0].label, "");
  EXPECT_EQ(merged[1].label, "");
  EXPECT_EQ(merged[2].label, "Sunrise");
  EXPECT_EQ(merged[3].label, "Sunset");
  EXPECT_EQ(merged[4].label, "");  // the second day's water first
  EXPECT_EQ(merged[5].label, "Sunrise");
  for (std::size_t i = 1; i < merged.size(); ++i) EXPECT_LE(merged[i - 1].time.datePart(), merged[i].time.datePart());

  PlacePageOptions options;
  options.start = start;
  options.portName = "Test Harbour";
  const std::string page = BuildPlacePage(merged, options, gmt);
  EXPECT_NE(page.find("Sunrise</font>"), std::string::npos);
  EXPECT_EQ(BuildPlacePage(waters, options, gmt).find("Sun"), std::string::npos);
}

TEST(PageSunTimes, PolarNightSaysSoWithoutATime) {
  Settings gmt;
  gmt.timeBase = static_cast<std::int16_t>(TimeBase::Gmt);
  const DateTime start = DateTime::fromCivil(2026, 12, 10);
  const auto merged = WithSunriseAndSunset({}, portAt("71\xB0" "22'N", "156\xB0" "44'W", "9"), gmt, start);
  ASSERT_GE(merged.size(), 2u);
  EXPECT_EQ(merged[0].label, "no sunrise");
  EXPECT_EQ(merged[1].label, "no sunset");
  PlacePageOptions options;
  options.start = start;
  const std::string page = BuildPlacePage(merged, options, gmt);
  EXPECT_NE(page.find("<font face=\"Arial\" size=\"2\"></font></td><td><font face=\"Arial\" size=\"2\">no sunrise"),
            std::string::npos);
}

}  // namespace
}  // namespace saltmark
