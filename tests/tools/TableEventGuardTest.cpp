// A new mapping is refused where the tide tables would find high or low
// waters with it that the full tide does not have.
#include <gtest/gtest.h>

#include "PortLine.h"
#include "PortMapping.h"
#include "TableEventGuard.h"
#include "ToolFixtures.h"

namespace saltmark::tcd {
namespace {

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
  const struct {
    const char* what;
    std::vector<SimplePort> candidates;  // best first
    std::optional<std::size_t> kept;     // nothing: the mapping before stays
  } cases[] = {{"a harmless candidate", {raised}, 0},
               {"the best adds events, the next does not", {split, raised}, 1},
               {"the only candidate adds events", {split}, std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(guard.firstKeepingEvents(*full, c.candidates, before), c.kept) << c.what;
  EXPECT_GT(guard.unpaired(*full, 0, split).saltmark, 700);  // about two a day
}

}  // namespace
}  // namespace saltmark::tcd
