#include "TcdData.h"

namespace saltmark::tcd {

std::optional<int> ConstituentSet::find(std::string_view name) const {
  for (std::size_t i = 0; i < constituents.size(); ++i)
    if (constituents[i].name == name) return static_cast<int>(i);
  return std::nullopt;
}

bool ConstituentSet::covers(int year) const {
  if (constituents.empty()) return false;
  const int years = static_cast<int>(constituents.front().equilibrium.size());
  return year >= startYear && year < startYear + years;
}

const HarmonicTerm* ReferenceStation::term(int constituent) const {
  for (const auto& t : terms)
    if (t.constituent == constituent) return &t;
  return nullptr;
}

std::optional<double> MetresPerLevelUnit(std::string_view units) {
  if (units == "feet") return 0.3048;
  if (units == "meters" || units == "metres") return 1.0;
  return std::nullopt;
}

}  // namespace saltmark::tcd
