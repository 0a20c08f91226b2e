// Night and moon on the tide graph: the night's columns from the sunsets and
// sunrises, and the moon's marks at their columns.
#include <gtest/gtest.h>

#include "graphs/SkyShading.h"
#include "RecordingSurface.h"

namespace saltmark {
namespace {

TEST(SkyShading, NightRunsFromSunsetToSunriseWithinThePlot) {
  // One day over 960 columns: a column is a minute and a half.
  const DateTime day = DateTime::fromCivil(2026, 12, 5);
  const GraphGrid grid{"1", day};
  const auto at = [&](int minutes) { return day.addMinutes(minutes); };
  using K = SkyEventKind;
  struct Case {
    const char* what;
    std::vector<SkyEvent> events;
    std::vector<std::pair<int, int>> night;
  };
  const Case cases[] = {
      {"sunrise 08:00, sunset 16:00", {{at(480), K::Sunrise}, {at(960), K::Sunset}}, {{0, 320}, {640, 960}}},
      {"the night began the day before",
       {{at(-480), K::Sunset}, {at(480), K::Sunrise}, {at(960), K::Sunset}},
       {{0, 320}, {640, 960}}},
      {"day at the start, a night in the middle",
       {{at(-960), K::Sunrise}, {at(600), K::Sunset}, {at(900), K::Sunrise}, {at(1500), K::Sunset}},
       {{400, 600}}},
      {"polar: no sunrise or sunset, no shading", {{at(600), K::FullMoon}}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(NightColumns(grid, c.events), c.night) << c.what;
}

TEST(SkyShading, MoonPhasesAreMarkedAtTheirColumns) {
  const DateTime day = DateTime::fromCivil(2026, 12, 5);
  const GraphGrid grid{"1", day};
  const std::vector<SkyEvent> events = {{day.addMinutes(720), SkyEventKind::FullMoon},
                                        {day.addMinutes(600), SkyEventKind::Sunrise},
                                        {day.addMinutes(-60), SkyEventKind::NewMoon}};  // before the plot
  test::RecordingSurface surface;
  DrawMoonMarks(surface, grid, events, 5, -1, kWhite);
  ASSERT_EQ(surface.texts.size(), 1u);
  EXPECT_EQ(surface.texts[0].text, "Full Moon");
  ASSERT_EQ(surface.lines.size(), 1u);
  EXPECT_EQ(surface.lines[0].x1, 480);
  EXPECT_EQ(surface.lines[0].y1, -1);
}

}  // namespace
}  // namespace saltmark
