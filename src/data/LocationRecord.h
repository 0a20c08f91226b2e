#pragma once
// The selected port as the prediction engine reads it: its name, zone and
// position texts, and the harmonic, monthly and spring-neap texts of its line
// in the tide database. Numbers stay text here; the engine reads them with Val.
#include <array>
#include <string>

namespace saltmark {

struct LocationRecord {
  std::string portName;
  std::string portZone;       // hours, positive west: the zone of the port's phase lags
  std::string latitudeText;   // e.g. 50°48'N
  std::string longitudeText;  // e.g.  1°07'W
  std::string positionText;   // latitudeText, a blank, longitudeText

  // 0 mean level (or "w" marker), 1/2 M2 phase/amplitude (or "v" marker), 3/4 S2,
  // 5/6 K1, 7/8 O1, 9/10 quarter-diurnal phase/coefficient, 11/12 sixth-diurnal.
  std::array<std::string, 13> harmonic;
  std::array<std::string, 12> monthlyLevel;      // January..December
  std::array<std::string, 12> monthlyAmplitude;  // January..December
  std::array<std::string, 10> springNeapLevel;   // 0 day offset, 2..9 levels 0..7 days from springs

  friend bool operator==(const LocationRecord&, const LocationRecord&) = default;
};

}  // namespace saltmark
