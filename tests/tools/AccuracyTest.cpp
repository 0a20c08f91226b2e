// High and low waters as the tables find them, the one-to-one pairing that
// counts the events either curve has and the other lacks, and the guard that
// refuses a new mapping where the tables would find waters the full tide lacks.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Accuracy.h"
#include "PortLine.h"
#include "PortMapping.h"
#include "TableEventGuard.h"
#include "ToolFixtures.h"

namespace saltmark::tcd {
namespace {

TEST(Accuracy, EventsLeftWithoutAPartnerOnEitherSide) {
  // Three days of a 12.42-hour tide every 6 minutes: highs at 12.42 h and
  // every period after it (5 of them), lows half a period later (6).
  constexpr double kStep = 0.1;
  std::vector<double> full;
  for (int i = 0; i <= 720; ++i) full.push_back(std::cos(2 * std::numbers::pi * i * kStep / 12.42));
  // 9.3 h is in mid-rise, over 3 hours from the nearest high and low: a dip
  // there makes a spurious high and low water.
  std::vector<double> dipped = full;
  dipped[94] = dipped[93] - 0.05;
  dipped[95] = dipped[93] - 0.10;
  const std::vector<double> flat(full.size(), 0.0);

  const struct { const char* what; const std::vector<double>* curve; int unpairedFull, unpairedSaltmark; } cases[] = {
      {"the same curve", &full, 0, 0}, {"a dip in mid-rise", &dipped, 0, 2}, {"a flat sea", &flat, 11, 0}};
  const auto fullEvents = FindTideEvents(full, kStep);
  ASSERT_EQ(fullEvents.size(), 11u);
  // The parabola through the samples around 124.2 finds the first high.
  EXPECT_NEAR(fullEvents[1].hours, 12.42, 1e-3);
  EXPECT_NEAR(fullEvents[1].height, 1, 2e-5);
  for (const auto& c : cases) {
    const UnpairedEvents u = PairEvents(fullEvents, FindTableEvents(*c.curve, kStep));
    EXPECT_EQ(u.full, c.unpairedFull) << c.what;
    EXPECT_EQ(u.saltmark, c.unpairedSaltmark) << c.what;
  }
  // The five-sample window a..e reports its event at c, two samples back.
  const auto events = FindTableEvents({0, 1, 2, 3, 2, 1, 0, 1, 2}, 0.5);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_TRUE(events[0].high && !events[1].high);
  EXPECT_DOUBLE_EQ(events[0].hours, 1.5);
  EXPECT_DOUBLE_EQ(events[1].hours, 3.0);
}

TEST(TableEventGuard, KeepsTheFirstCandidateThatAddsNoSpuriousEvent) {
  const ConstituentSet set = test::smallSet();
  const ReferenceStation station = test::fullStation(set);
  const SimplePort before = AsStored(*MapStationDirectly(station, set, 5.0).port);
  // Raising the whole curve moves no high or low water.
  SimplePort raised = before;
  raised.meanLevel += 0.3;
  // A quarter-diurnal term with q R above half of R (R is 1.37 m of M2, less
  // 0.24 m of S2 at neaps) turns each half tide into two turns of its own:
  // events the full tide lacks.
  SimplePort split = before;
  split.quarterCoefficient = 0.6;

  const TableEventGuard guard(2026, 2026, 0.1);
  const auto full = guard.fullEvents(station, set, 5.0);
  ASSERT_TRUE(full);
  // The candidates best first, and the one kept (nothing: the mapping before stays).
  const struct { const char* what; std::vector<SimplePort> candidates; std::optional<std::size_t> kept; } cases[] = {
      {"a harmless candidate", {raised}, 0},
      {"the best adds events, the next does not", {split, raised}, 1},
      {"the only candidate adds events", {split}, std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(guard.firstKeepingEvents(*full, c.candidates, before), c.kept) << c.what;
  EXPECT_GT(guard.unpaired(*full, 0, split).saltmark, 700);  // about two a day
}

}  // namespace
}  // namespace saltmark::tcd
