#include "locations/ListMatching.h"

#include <algorithm>

namespace saltmark {

std::optional<int> MatchListText(const std::vector<std::string>& entries, std::optional<int> chosen,
                                 std::string_view text) {
  if (chosen) return chosen;
  const auto found = std::find(entries.begin(), entries.end(), text);
  if (found == entries.end()) return std::nullopt;
  return static_cast<int>(found - entries.begin());
}

SortByView SortBy(int index) {
  SortByView view;
  view.byDistance = index == 2;
  view.finderVisible = view.byDistance;
  view.tideListsEnabled = !view.byDistance;
  if (!view.byDistance) view.listOrder = index == 1 ? LocationOrder::Coastal : LocationOrder::Alphabetical;
  return view;
}

}  // namespace saltmark
