#include "display/ClockDisplay.h"

#include <gtest/gtest.h>

#include "common/RuntimeError.h"
#include "tables/TimeText.h"

namespace saltmark {
namespace {

const DateTime kNoon = DateTime::fromCivil(2026, 6, 15, 12, 0, 0);

TEST(ClockInstants, OffsetsMoveGmtAndLocal) {
  struct Case {
    std::int16_t system, local;
    const char *gmt, *local_;
  } cases[] = {
      {0, 0, "12:00:00", "12:00:00"},
      {0, -4, "12:00:00", "13:00:00"},   // local one hour east
      {-4, -4, "11:00:00", "12:00:00"},  // the computer keeps summer time
      {5, 0, "13:15:00", "13:15:00"},
      {-48, 0, "00:00:00", "00:00:00"},  // crosses midnight to the day before
  };
  for (const auto& c : cases) {
    Settings s;
    s.systemZoneOffset = c.system;
    s.localZoneOffset = c.local;
    const auto instants = ClockInstantsAt(kNoon, s);
    EXPECT_EQ(FormatTimeHMS(instants.gmt), c.gmt) << c.system << "/" << c.local;
    EXPECT_EQ(FormatTimeHMS(instants.local), c.local_) << c.system << "/" << c.local;
    EXPECT_EQ(instants.clock, kNoon);
  }
  Settings dayBefore;
  dayBefore.systemZoneOffset = -48;
  EXPECT_EQ(FormatDate(ClockInstantsAt(kNoon, dayBefore).gmt), "15 Jun 2026");
  dayBefore.systemZoneOffset = -49;
  EXPECT_EQ(FormatDate(ClockInstantsAt(kNoon, dayBefore).gmt), "14 Jun 2026");
}

TEST(ClockInstants, OffsetBeyondSixteenBitMinutesIsOverflow) {
  Settings s;
  s.localZoneOffset = kMaxZoneOffsetQuarters;
  EXPECT_NO_THROW(ClockInstantsAt(kNoon, s));
  s.localZoneOffset = kMaxZoneOffsetQuarters + 1;
  try {
    ClockInstantsAt(kNoon, s);
    FAIL() << "no overflow";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code(), errc::kOverflow);
  }
}

TEST(ClockInstants, TimeBaseChoosesInstantAndLabel) {
  Settings s;
  s.systemZoneOffset = -4;
  s.localZoneOffset = 5;
  const auto instants = ClockInstantsAt(kNoon, s);
  struct Case {
    std::int16_t base;
    DateTime expected;
    const char* label;
  } cases[] = {{0, instants.gmt, " 00:00"}, {1, instants.local, "+01:15"}, {2, instants.clock, "-01:00"},
               {7, instants.gmt, " 00:00"}};
  for (const auto& c : cases) {
    s.timeBase = c.base;
    EXPECT_EQ(InstantInTimeBase(instants, c.base), c.expected) << c.base;
    EXPECT_EQ(ZoneLabelText(s), c.label) << c.base;
  }
}

TEST(ZonesDialog, TextsOfTheThreeClocks) {
  Settings s;
  s.localZoneOffset = -4;
  const auto texts = ZonesTexts(ClockInstantsAt(kNoon, s), s);
  EXPECT_EQ(texts.syszone, " 00:00");
  EXPECT_EQ(texts.loczone, "-01:00");
  EXPECT_EQ(texts.dostime, "12:00:00");
  EXPECT_EQ(texts.gmttime, "12:00:00");
  EXPECT_EQ(texts.loctime, "13:00:00");
  EXPECT_EQ(texts.locdate, "15 Jun 2026");
}

TEST(ZonesDialog, ButtonsStepTheOffsets) {
  struct Case {
    const char* button;
    int local, system;
  } cases[] = {{"Command1", -1, 0},  {"Command14", -1, 0}, {"Command3", 1, 0}, {"Command13", 1, 0},
               {"Command10", 0, 1},  {"Command12", 0, -1}, {"Command2", 1, 1}, {"Command4", -1, -1}};
  for (const auto& c : cases) {
    Settings s;
    s.localZoneOffset = 10;
    s.systemZoneOffset = -10;
    const auto step = ZoneButtonStep(c.button);
    ASSERT_TRUE(step) << c.button;
    EXPECT_TRUE(ApplyZoneStep(s, *step));
    EXPECT_EQ(s.localZoneOffset, 10 + c.local) << c.button;
    EXPECT_EQ(s.systemZoneOffset, -10 + c.system) << c.button;
  }
  EXPECT_FALSE(ZoneButtonStep("Exit"));
}

// Both offsets move together: GMT moves a quarter-hour against the computer's
// clock while the local clock keeps its reading.
TEST(ZonesDialog, BothButtonsMoveGmtAndKeepLocalClock) {
  Settings s;
  s.localZoneOffset = -4;
  const auto before = ClockInstantsAt(kNoon, s);
  ASSERT_TRUE(ApplyZoneStep(s, *ZoneButtonStep("Command2")));
  const auto after = ClockInstantsAt(kNoon, s);
  EXPECT_EQ(after.local, before.local);
  EXPECT_EQ(minutesBetween(before.gmt, after.gmt), 15);
  ASSERT_TRUE(ApplyZoneStep(s, *ZoneButtonStep("Command4")));
  EXPECT_EQ(ClockInstantsAt(kNoon, s).gmt, before.gmt);
}

// A step past the limit changes nothing; an offset already beyond it (set
// before the load mends it) is let back toward the range, never further out.
TEST(ZonesDialog, StepsAtOrBeyondTheLimitGoOnlyTowardIt) {
  struct Case {
    std::int16_t local, system;
    ZoneStep step;
    bool taken;
  } cases[] = {
      {3000, 0, {-1, 0}, true},   {3000, 0, {1, 0}, false},  {-3000, 0, {1, 0}, true},
      {-3000, 0, {-1, 0}, false}, {0, 2185, {0, -1}, true},  {2185, 2185, {-1, -1}, true},
      {2185, 0, {-1, -1}, true},  {-2185, 0, {1, 1}, true},  {2185, 2184, {1, 1}, false},
      {kMaxZoneOffsetQuarters, 3, {1, 1}, false},  {0, -kMaxZoneOffsetQuarters, {0, -1}, false},
      {0, -kMaxZoneOffsetQuarters, {-1, 0}, true},
  };
  for (const Case& c : cases) {
    Settings s;
    s.localZoneOffset = c.local;
    s.systemZoneOffset = c.system;
    EXPECT_EQ(ApplyZoneStep(s, c.step), c.taken) << c.local << " " << c.system;
    EXPECT_EQ(s.localZoneOffset, c.taken ? c.local + c.step.local : c.local);
    EXPECT_EQ(s.systemZoneOffset, c.taken ? c.system + c.step.system : c.system);
  }
}

TEST(ZonesDialog, PortZoneInQuarterHours) {
  EXPECT_EQ(PortZoneQuarters("1"), 4);
  EXPECT_EQ(PortZoneQuarters("-5.5"), -22);
  EXPECT_EQ(PortZoneQuarters("0.125"), 0);  // half a quarter rounds to even
  EXPECT_EQ(PortZoneQuarters(""), 0);
  EXPECT_THROW(PortZoneQuarters("9000"), RuntimeError);
}

}  // namespace
}  // namespace saltmark
