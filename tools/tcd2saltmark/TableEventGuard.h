#pragma once
// A new mapping must not cost the tide tables a high or low water, nor give
// them a spurious one: a step of the monthly level just after a turn, or
// constants whose curve wobbles where a diurnal tide stands, can do either.
// So each candidate is run through the tables' own five-sample detectors
// over the check years, its events paired with the full tide's, and it is
// kept only where, in every one of the check years, neither kind of
// unpaired event is more than with the mapping bundled before. Which turns
// a level step meets, and how the diurnal tide stands, change from year to
// year; a mapping that is never worse in any of several years is the one
// to trust in the years after them.
//
//   TableEventGuard guard(2024, 2028, 0.1);   // once: the check years' instants
//   const auto full = guard.fullEvents(station, set, zone);
//   const auto k = guard.firstKeepingEvents(*full, candidatesBestFirst, previous);
//   // k: the candidate to write; nothing: write the previous one
#include <optional>
#include <vector>

#include "Accuracy.h"
#include "SimplePort.h"
#include "SimplifiedModel.h"
#include "TcdData.h"

namespace saltmark::tcd {

// The full tide's high and low waters, year by year.
using EventsByYear = std::vector<std::vector<TideEvent>>;

class TableEventGuard {
 public:
  // The instants of the check years every stepHours (the tables step by six minutes).
  TableEventGuard(int firstYear, int lastYear, double stepHours);

  // The high and low waters of the station's full tide over the check years;
  // nothing when the tables do not cover them.
  std::optional<EventsByYear> fullEvents(const ReferenceStation& station, const ConstituentSet& set,
                                         double zoneHoursWest) const;
  // A mapping's events as the tables find them in check year y (0 for the
  // first), paired with the full tide's.
  UnpairedEvents unpaired(const EventsByYear& full, std::size_t y, const SimplePort& mapping) const;
  // The first of the candidates that leaves no more events of either kind
  // unpaired than the baseline in any check year; nothing when none does.
  std::optional<std::size_t> firstKeepingEvents(const EventsByYear& full, const std::vector<SimplePort>& candidates,
                                                const SimplePort& baseline) const;

 private:
  struct Year {
    SampleClock clock;
    std::vector<GroupAtInstant> groups;
  };
  std::vector<Year> years_;
};

// Whether the candidate leaves no more events of either kind unpaired than the baseline.
bool KeepsTableEvents(const UnpairedEvents& candidate, const UnpairedEvents& baseline);

}  // namespace saltmark::tcd
