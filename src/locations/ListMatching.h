#pragma once
// Small rules of the main window's lists: how a list's typed text picks its
// entry, and what the ordering switch of the tide location list shows.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "locations/LocationOrder.h"

namespace saltmark {

// Matching a list's text (when a database list loses the focus, and after
// the finder has set the tide database list's text): a list that has a chosen
// entry keeps it; otherwise the first entry whose text equals the list's text
// is chosen; with none, no entry is chosen.
std::optional<int> MatchListText(const std::vector<std::string>& entries, std::optional<int> chosen,
                                 std::string_view text);

// The ordering switch Sort_By: 0 "Alphabetically", 1 "In Coastal Order",
// 2 "By Distance".
struct SortByView {
  bool byDistance = false;
  bool finderVisible = false;      // the finder frame and its distance label
  bool tideListsEnabled = true;    // Tfile and tloc
  // The order to refill the location list in (and to reload a chosen
  // database's list in); nothing when the list is emptied for the finder and
  // the chosen location's position labels are blanked.
  std::optional<LocationOrder> listOrder;
};
SortByView SortBy(int index);

}  // namespace saltmark
