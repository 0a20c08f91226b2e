#include "locations/LocationOrder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "common/RuntimeError.h"
#include "common/VbNumbers.h"
#include "locations/Finder.h"

namespace saltmark {

namespace {

// Upper case for ASCII and the Latin-1 letters (not the division sign, nor ÿ and ß).
unsigned char foldCase(char c) {
  const auto u = static_cast<unsigned char>(c);
  if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) return static_cast<unsigned char>(u - 0x20);
  return u;
}

// The plain letter an accented Latin-1 letter is filed under (É with E), upper case.
unsigned char baseLetter(char c) {
  // 0xC0..0xDF after case folding: ÀÁÂÃÄÅÆÇ ÈÉÊË ÌÍÎÏ ÐÑ ÒÓÔÕÖ × Ø ÙÚÛÜ Ý Þ ß
  static constexpr char kBase[] = "AAAAAAACEEEEIIIIDNOOOOO\xD7OUUUUYTS";
  const unsigned char u = foldCase(c);
  if (u == 0xFF) return 'Y';
  if (u >= 0xC0 && u <= 0xDF && u != 0xD7) return static_cast<unsigned char>(kBase[u - 0xC0]);
  return u;
}

template <typename Key>
bool lessBy(const std::string& a, const std::string& b, Key key) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [key](char x, char y) { return key(x) < key(y); });
}

// Filed by plain letters first, then accents count, ignoring case throughout.
bool alphabeticallyBefore(const std::string& a, const std::string& b) {
  if (lessBy(a, b, baseLetter)) return true;
  if (lessBy(b, a, baseLetter)) return false;
  return lessBy(a, b, foldCase);
}

double readNumber(const std::string& text) {
  try {
    return Val(text);
  } catch (const RuntimeError&) {
    return std::numeric_limits<double>::quiet_NaN();
  }
}

double angleFrom(const std::string& degrees, const std::string& minutes, const std::string& hemisphere,
                 char negative) {
  const double angle = (readNumber(degrees) + readNumber(minutes) / 60) * kDegreesToRadians;
  const std::size_t letter = hemisphere.find_first_not_of(' ');
  const bool flip = letter != std::string::npos && foldCase(hemisphere[letter]) == negative;
  return flip ? -angle : angle;
}

// Distance that treats an unreadable position as infinitely far.
double walkDistance(const GeoPosition& from, const GeoPosition& to) {
  const double d = Distance(from.longitude, from.latitude, to.longitude, to.latitude);
  return std::isnan(d) ? std::numeric_limits<double>::infinity() : d;
}

bool readable(const GeoPosition& p) { return std::isfinite(p.latitude) && std::isfinite(p.longitude); }

}  // namespace

std::vector<int> AlphabeticalOrder(const std::vector<std::string>& names) {
  std::vector<int> order(names.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&names](int a, int b) {
    return alphabeticallyBefore(names[static_cast<std::size_t>(a)], names[static_cast<std::size_t>(b)]);
  });
  return order;
}

std::vector<int> CoastalOrder(const std::vector<GeoPosition>& positions) {
  const std::size_t n = positions.size();
  std::vector<int> order;
  order.reserve(n);
  std::vector<bool> listed(n, false);
  std::vector<std::size_t> walkable;
  for (std::size_t i = 0; i < n; ++i)
    if (readable(positions[i])) walkable.push_back(i);

  if (!walkable.empty()) {
    // One end of the stretch: the port farthest from the first readable one.
    std::size_t current = walkable.front();
    double farthest = -1;
    for (std::size_t i : walkable) {
      const double d = walkDistance(positions[walkable.front()], positions[i]);
      if (d > farthest) {
        farthest = d;
        current = i;
      }
    }
    for (;;) {
      listed[current] = true;
      order.push_back(static_cast<int>(current));
      std::size_t next = n;
      double nearest = std::numeric_limits<double>::infinity();
      for (std::size_t i : walkable) {
        if (listed[i]) continue;
        const double d = walkDistance(positions[current], positions[i]);
        if (next == n || d < nearest) {
          nearest = d;
          next = i;
        }
      }
      if (next == n) break;
      current = next;
    }
  }
  for (std::size_t i = 0; i < n; ++i)
    if (!listed[i]) order.push_back(static_cast<int>(i));
  return order;
}

GeoPosition LocationLinePosition(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (fields.size() < 8) {
    const std::size_t comma = line.find(',', start);
    fields.emplace_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (fields.size() < 8) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan};
  }
  return {angleFrom(fields[2], fields[3], fields[4], 'S'), angleFrom(fields[5], fields[6], fields[7], 'W')};
}

std::vector<LocationListEntry> OrderedLocationList(const TideDatabase& database, LocationOrder order) {
  const std::vector<std::string>& lines = database.locationLines();
  std::vector<int> positionsInOrder;
  if (order == LocationOrder::Coastal) {
    std::vector<GeoPosition> positions;
    positions.reserve(lines.size());
    for (const std::string& line : lines) positions.push_back(LocationLinePosition(line));
    positionsInOrder = CoastalOrder(positions);
  } else {
    std::vector<std::string> names;
    names.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) names.push_back(database.LocationListName(static_cast<int>(i)));
    positionsInOrder = AlphabeticalOrder(names);
  }
  std::vector<LocationListEntry> list;
  list.reserve(positionsInOrder.size());
  for (int i : positionsInOrder) list.push_back({database.LocationListName(i), static_cast<std::int16_t>(i)});
  return list;
}

}  // namespace saltmark
