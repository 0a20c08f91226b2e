#include "display/ClockDisplay.h"

#include <gtest/gtest.h>

#include "common/RuntimeError.h"
#include "tables/TimeText.h"
#include "support/ZoneSettings.h"

namespace saltmark {
namespace {

const DateTime kNoon = DateTime::fromCivil(2026, 6, 15, 12, 0, 0);

std::string shown(DateTime t) { return FormatTimeHMS(t) + " " + FormatDate(t); }

// Offsets in quarter-hours, positive west: GMT = clock + system, local = GMT - local.
TEST(ClockInstants, OffsetsMoveGmtAndLocal) {
  const struct { int system, local; const char *gmt, *local_; } cases[] = {
      {0, 0, "12:00:00 15 Jun 2026", "12:00:00 15 Jun 2026"},  {0, -4, "12:00:00 15 Jun 2026", "13:00:00 15 Jun 2026"},
      {-4, -4, "11:00:00 15 Jun 2026", "12:00:00 15 Jun 2026"}, {5, 0, "13:15:00 15 Jun 2026", "13:15:00 15 Jun 2026"},
      {-48, 0, "00:00:00 15 Jun 2026", "00:00:00 15 Jun 2026"},
      {-49, 0, "23:45:00 14 Jun 2026", "23:45:00 14 Jun 2026"},  // the day before
      {0, kMaxZoneOffsetQuarters, "12:00:00 15 Jun 2026", "18:00:00 23 May 2026"},  // 32760 minutes west
  };
  for (const auto& c : cases) {
    const auto instants = ClockInstantsAt(kNoon, test::zoneSettings(TimeBase::Gmt, c.system, c.local));
    EXPECT_EQ(shown(instants.gmt), c.gmt) << c.system << "/" << c.local;
    EXPECT_EQ(shown(instants.local), c.local_) << c.system << "/" << c.local;
    EXPECT_EQ(instants.clock, kNoon);
  }
  try {
    ClockInstantsAt(kNoon, test::zoneSettings(TimeBase::Gmt, 0, kMaxZoneOffsetQuarters + 1));
    ADD_FAILURE() << "an offset beyond 16-bit minutes is no overflow";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code(), errc::kOverflow);
  }
}

TEST(ClockInstants, TimeBaseChoosesInstantLabelAndZonesTexts) {
  Settings s = test::zoneSettings(TimeBase::Gmt, -4, 5);
  const auto instants = ClockInstantsAt(kNoon, s);
  const struct { std::int16_t base; DateTime expected; const char* label; } cases[] = {
      {0, instants.gmt, " 00:00"}, {1, instants.local, "+01:15"}, {2, instants.clock, "-01:00"},
      {7, instants.gmt, " 00:00"}};
  for (const auto& c : cases) {
    s.timeBase = c.base;
    EXPECT_EQ(InstantInTimeBase(instants, c.base), c.expected) << c.base;
    EXPECT_EQ(ZoneLabelText(s), c.label) << c.base;
  }
  const auto texts = ZonesTexts(instants, s);
  EXPECT_EQ((std::vector<std::string>{texts.syszone, texts.loczone, texts.dostime, texts.gmttime, texts.loctime,
                                      texts.dosdate, texts.gmtdate, texts.locdate}),
            (std::vector<std::string>{"-01:00", "+01:15", "12:00:00", "11:00:00", "09:45:00", "15 Jun 2026",
                                      "15 Jun 2026", "15 Jun 2026"}));
}

// Each button's step; a step past the limit changes nothing, and an offset
// already beyond it (set before the load mends it) is let back toward the
// range, never further out.
TEST(ZonesDialog, ButtonsStepTheOffsetsOnlyTowardTheLimitAndPortZonesAreInQuarterHours) {
  const struct { const char* button; int local, system; } cases[] = {
      {"Command1", -1, 0},  {"Command14", -1, 0}, {"Command3", 1, 0}, {"Command13", 1, 0},
      {"Command10", 0, 1},  {"Command12", 0, -1}, {"Command2", 1, 1}, {"Command4", -1, -1}};
  for (const auto& c : cases) {
    const auto step = ZoneButtonStep(c.button);
    ASSERT_TRUE(step) << c.button;
    EXPECT_EQ(std::pair(step->local, step->system), std::pair(c.local, c.system)) << c.button;
  }
  EXPECT_FALSE(ZoneButtonStep("Exit"));

  const struct { int local, system; ZoneStep step; bool taken; } steps[] = {
      {3000, 0, {-1, 0}, true},   {3000, 0, {1, 0}, false},  {-3000, 0, {1, 0}, true},
      {-3000, 0, {-1, 0}, false}, {0, 2185, {0, -1}, true},  {2185, 2185, {-1, -1}, true},
      {2185, 0, {-1, -1}, true},  {-2185, 0, {1, 1}, true},  {2185, 2184, {1, 1}, false},
      {kMaxZoneOffsetQuarters, 3, {1, 1}, false},  {0, -kMaxZoneOffsetQuarters, {0, -1}, false},
      {0, -kMaxZoneOffsetQuarters, {-1, 0}, true},
  };
  for (const auto& c : steps) {
    Settings s = test::zoneSettings(TimeBase::Gmt, c.system, c.local);
    EXPECT_EQ(ApplyZoneStep(s, c.step), c.taken) << c.local << " " << c.system;
    EXPECT_EQ(s.localZoneOffset, c.taken ? c.local + c.step.local : c.local);
    EXPECT_EQ(s.systemZoneOffset, c.taken ? c.system + c.step.system : c.system);
  }
  // A port's zone in hours, as quarter-hours.
  const std::pair<const char*, int> portZones[] = {{"1", 4}, {"-5.5", -22}, {"0.125", 0} /* half to even */, {"", 0}};
  for (auto [zone, quarters] : portZones) EXPECT_EQ(PortZoneQuarters(zone), quarters) << zone;
  EXPECT_THROW(PortZoneQuarters("9000"), RuntimeError);
}

}  // namespace
}  // namespace saltmark
