#include "Regions.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

namespace saltmark::tcd {
namespace {

struct RegionRule {
  std::string_view fileStem;
  std::vector<std::string_view> places;  // last name parts
  std::vector<std::string_view> zones;   // zoneinfo names, when the name says nothing
};

// Along the coasts: east coast north to south, the Gulf, the Caribbean, the
// west coast, Alaska, the Pacific islands.
const std::vector<RegionRule>& rules() {
  static const std::vector<RegionRule> table = {
      {"NewEngland", {"Maine", "New Hampshire", "Massachusetts", "Rhode Island", "Connecticut", "Georges Shoal"}, {}},
      {"NewYorkNewJersey", {"New York", "New Jersey", "Pennsylvania", "Delaware"}, {}},
      {"Chesapeake", {"Maryland", "Virginia", "DC"}, {}},
      {"CarolinasGeorgia", {"North Carolina", "South Carolina", "Georgia"}, {}},
      {"Florida", {"Florida"}, {}},
      {"GulfOfMexico", {"Alabama", "Mississippi", "Louisiana", "Texas"}, {"America/Chicago"}},
      {"Caribbean", {"Puerto Rico", "Virgin Islands"}, {"America/Puerto_Rico", "America/St_Thomas"}},
      {"PacificCoast", {"California", "Oregon", "Washington"}, {"America/Los_Angeles"}},
      {"Alaska",
       {"Alaska"},
       {"America/Anchorage", "America/Juneau", "America/Nome", "America/Adak", "America/Yakutat",
        "America/Sitka", "America/Metlakatla"}},
      {"PacificIslands",
       {"Hawaii", "American Samoa", "FSM", "Guam", "Marianas", "Marshall Islands", "Midway Islands",
        "Pacific Ocean", "Wake Island", "Johnston Atoll"},
       {}},
  };
  return table;
}

// The name's parts between commas, trimmed, with source marks such as
// " (sub)" and " (2)" taken off the last one.
std::vector<std::string> nameParts(std::string_view name) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= name.size()) {
    const std::size_t comma = std::min(name.find(',', start), name.size());
    std::string part(name.substr(start, comma - start));
    const auto first = part.find_first_not_of(' ');
    const auto last = part.find_last_not_of(' ');
    parts.push_back(first == std::string::npos ? "" : part.substr(first, last - first + 1));
    start = comma + 1;
  }
  std::string& tail = parts.back();
  for (bool stripped = true; stripped;) {
    stripped = false;
    const auto open = tail.rfind(" (");
    if (open != std::string::npos && tail.back() == ')') {
      tail.erase(open);
      stripped = true;
    }
  }
  return parts;
}

}  // namespace

Region RegionOf(std::string_view stationName, std::string_view tzfile) {
  const auto& table = rules();
  const std::vector<std::string> parts = nameParts(stationName);
  if (parts.size() > 1) {
    for (std::size_t r = 0; r < table.size(); ++r)
      if (std::ranges::find(table[r].places, parts.back()) != table[r].places.end())
        return {std::string(table[r].fileStem), static_cast<int>(r)};
  }
  std::string_view zone = tzfile;
  if (!zone.empty() && zone.front() == ':') zone.remove_prefix(1);
  for (std::size_t r = 0; r < table.size(); ++r)
    if (std::ranges::find(table[r].zones, zone) != table[r].zones.end())
      return {std::string(table[r].fileStem), static_cast<int>(r)};
  if (zone.starts_with("Pacific/")) return {"PacificIslands", static_cast<int>(table.size()) - 1};
  return {"Other", static_cast<int>(table.size())};
}

std::string CoastalSortKey(std::string_view stationName) {
  const std::vector<std::string> parts = nameParts(stationName);
  std::string key;
  for (auto it = parts.rbegin(); it != parts.rend(); ++it) {
    for (char c : *it) key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    key += '\x01';  // sorts before any letter, so "Bay" comes before "Bay Head"
  }
  return key;
}

std::vector<FileShare> ShareIntoFiles(const std::vector<GroupItem>& items, int perFile, int maxFiles,
                                      std::string_view extension) {
  // Regions in coast order, and within each the item positions by key.
  std::map<std::pair<int, std::string>, std::vector<int>> byRegion;
  for (std::size_t i = 0; i < items.size(); ++i)
    byRegion[{items[i].region.order, items[i].region.fileStem}].push_back(static_cast<int>(i));

  std::vector<FileShare> shares;
  for (auto& [region, members] : byRegion) {
    std::ranges::stable_sort(members, [&](int a, int b) { return items[a].sortKey < items[b].sortKey; });
    const int count = static_cast<int>(members.size());
    const int parts = (count + perFile - 1) / perFile;
    const int chunk = parts > 0 ? (count + parts - 1) / parts : 0;  // even shares, none over perFile
    for (int p = 0; p < parts; ++p) {
      FileShare share;
      share.fileName = region.second + (parts > 1 ? std::to_string(p + 1) : "") + std::string(extension);
      const auto from = members.begin() + p * chunk;
      const auto to = members.begin() + std::min(count, (p + 1) * chunk);
      share.members.assign(from, to);
      shares.push_back(std::move(share));
    }
  }
  if (static_cast<int>(shares.size()) > maxFiles)
    throw GroupingError("the ports would need " + std::to_string(shares.size()) + " files of at most " +
                        std::to_string(perFile) + ", more than the " + std::to_string(maxFiles) + " allowed");
  return shares;
}

}  // namespace saltmark::tcd
