#include "editors/ReferencePortList.h"

#include "locations/Positions.h"

namespace saltmark {

std::string ReferencePortList::name(int position) const {
  if (position < 0 || position >= size()) return {};
  return index_.entries()[static_cast<std::size_t>(position)].LocationName;
}

int ReferencePortList::positionOf(std::int16_t port) const {
  if (size() == 0) return -1;
  return port >= 0 && port < size() ? port : 0;
}

std::int16_t ReferencePortList::portAt(int position) const {
  return position >= 0 && position < size() ? static_cast<std::int16_t>(position) : std::int16_t{0};
}

ReferencePortList::PositionLabels ReferencePortList::labels(int position) const {
  if (position < 0 || position >= size()) return {};
  const LocationIndexEntry& entry = index_.entries()[static_cast<std::size_t>(position)];
  return {FormatLatLon(entry.latitude, kLatitude), FormatLatLon(entry.longitude, kLongitude)};
}

}  // namespace saltmark
