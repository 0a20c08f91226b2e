#pragma once
// The editors' reference-port list: every location of the location index in
// index order, so that a list position is the port's location number. A
// record's port that is not in the index shows as the first entry.
#include <cstdint>
#include <string>

#include "data/LocationIndex.h"

namespace saltmark {

class ReferencePortList {
 public:
  explicit ReferencePortList(const LocationIndex& index) : index_(index) {}

  int size() const { return static_cast<int>(index_.entries().size()); }
  std::string name(int position) const;

  // The list position that shows a record's port: the first entry when the
  // port is not listed, -1 when the list is empty.
  int positionOf(std::int16_t port) const;
  // The location number stored for a list position (0 when nothing is chosen).
  std::int16_t portAt(int position) const;

  // reflat and reflon: the port's position, blank when nothing is chosen.
  struct PositionLabels {
    std::string latitude, longitude;
  };
  PositionLabels labels(int position) const;

 private:
  const LocationIndex& index_;
};

}  // namespace saltmark
