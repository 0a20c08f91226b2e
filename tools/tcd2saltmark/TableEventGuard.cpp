#include "TableEventGuard.h"

#include "HarmonicSum.h"

namespace saltmark::tcd {

TableEventGuard::TableEventGuard(int firstYear, int lastYear, double stepHours) {
  for (int year = firstYear; year <= lastYear; ++year) {
    const SampleClock clock = YearClock(year, stepHours);
    years_.push_back({clock, GroupCorrectionsFor(clock)});
  }
}

std::optional<EventsByYear> TableEventGuard::fullEvents(const ReferenceStation& station, const ConstituentSet& set,
                                                        double zoneHoursWest) const {
  EventsByYear events;
  for (const Year& year : years_) {
    const auto sum = HarmonicSum::forYear(station, set, year.clock.year);
    if (!sum) return std::nullopt;
    const SampleClock& c = year.clock;
    events.push_back(FindTideEvents(sum->sample(c.hoursUtc(0, zoneHoursWest), c.stepHours, c.count), c.stepHours));
  }
  return events;
}

UnpairedEvents TableEventGuard::unpaired(const EventsByYear& full, std::size_t y, const SimplePort& mapping) const {
  const PortTerms terms = TermsOf(mapping);
  const auto& groups = years_.at(y).groups;
  std::vector<double> heights(groups.size());
  for (std::size_t i = 0; i < groups.size(); ++i) heights[i] = SimplifiedHeight(terms, groups[i]);
  UnpairedEvents pairs = PairEvents(full.at(y), FindTableEvents(heights, years_[y].clock.stepHours));
  pairs.hours.clear();  // only the counts are wanted here
  return pairs;
}

std::optional<std::size_t> TableEventGuard::firstKeepingEvents(const EventsByYear& full,
                                                               const std::vector<SimplePort>& candidates,
                                                               const SimplePort& baseline) const {
  // Year by year, so that a candidate is dropped at its first worse year.
  std::vector<bool> refused(candidates.size(), false);
  for (std::size_t y = 0; y < years_.size() && y < full.size(); ++y) {
    std::optional<UnpairedEvents> before;
    for (std::size_t k = 0; k < candidates.size(); ++k) {
      if (refused[k]) continue;
      if (!before) before = unpaired(full, y, baseline);
      refused[k] = !KeepsTableEvents(unpaired(full, y, candidates[k]), *before);
    }
  }
  for (std::size_t k = 0; k < candidates.size(); ++k)
    if (!refused[k]) return k;
  return std::nullopt;
}

bool KeepsTableEvents(const UnpairedEvents& candidate, const UnpairedEvents& baseline) {
  return candidate.full <= baseline.full && candidate.saltmark <= baseline.saltmark;
}

}  // namespace saltmark::tcd
