#pragma once
// The harmonic data of a TCD file as the converter uses it, in plain structs
// so that everything after the reading works (and is tested) without libtcd.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace saltmark::tcd {

// One constituent of the file: its speed and, for every year the file
// covers, the equilibrium argument at 1 January 00:00 UTC and the node factor.
struct Constituent {
  std::string name;
  double speed = 0;                 // degrees per hour
  std::vector<double> equilibrium;  // degrees, one per year from startYear
  std::vector<double> nodeFactor;   // one per year from startYear
};

struct ConstituentSet {
  int startYear = 0;
  std::vector<Constituent> constituents;

  // The position of a constituent by name, or nothing.
  std::optional<int> find(std::string_view name) const;
  // Whether the tables cover a year.
  bool covers(int year) const;
};

// One constituent's constants at a station.
struct HarmonicTerm {
  int constituent = 0;  // position in ConstituentSet::constituents
  double amplitude = 0; // in the station's level units
  double epoch = 0;     // phase lag in degrees, referred to the station's meridian
};

struct ReferenceStation {
  int recordNumber = 0;
  std::string name;  // as in the file (ISO-8859-1)
  double latitude = 0;   // degrees north
  double longitude = 0;  // degrees east
  std::string tzfile;    // e.g. ":America/New_York"
  std::string country;
  std::string levelUnits;  // "feet" or "meters"
  double datumOffset = 0;  // mean level above chart datum, level units
  int meridian = 0;        // hours * 100 + minutes east of UTC to which epochs refer
  std::vector<HarmonicTerm> terms;

  const HarmonicTerm* term(int constituent) const;
};

struct SubordinateStation {
  int recordNumber = 0;
  std::string name;
  double latitude = 0;
  double longitude = 0;
  int referenceRecord = -1;
  std::string levelUnits;
  int maxTimeAdd = 0;  // at high water, hours * 100 + minutes
  int minTimeAdd = 0;  // at low water
  double maxLevelAdd = 0;       // level units
  double minLevelAdd = 0;
  double maxLevelMultiply = 0;  // 0 means none (a ratio of 1)
  double minLevelMultiply = 0;
};

// A reference current station: a signed speed along a major axis (positive
// floods), in knots or knots squared, with its flood and ebb directions
// (degrees true; 361 in the file when it has none).
struct CurrentStation {
  ReferenceStation harmonics;  // the speed's constants; levelUnits "knots" or "knots^2"
  int floodDirection = 361;
  int ebbDirection = 361;
};

struct TcdData {
  ConstituentSet constituents;
  std::vector<ReferenceStation> references;  // tide stations only (levels, not currents)
  std::vector<SubordinateStation> subordinates;
  std::vector<CurrentStation> currents;  // reference current stations
  int currentStations = 0;    // stations of streams (or any unit that is not a level), left out
  int unreadableRecords = 0;  // records the reader could not decode
};

// Metres per unit for "feet" and "meters", nothing for anything else.
std::optional<double> MetresPerLevelUnit(std::string_view units);

}  // namespace saltmark::tcd
