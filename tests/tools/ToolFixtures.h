#pragma once
// Hand-made harmonic data for the converter's tests: a few constituents with
// chosen speeds, equilibrium arguments and node factors, and stations built
// from (name, amplitude in feet, epoch) lists.
#include <string>
#include <utility>
#include <vector>

#include "TcdData.h"

namespace saltmark::tcd::test {

// The real speeds (degrees per hour); one year of tables, 2026.
inline ConstituentSet smallSet() {
  ConstituentSet set;
  set.startYear = 2026;
  const auto add = [&](const char* name, double speed, double equilibrium, double nodeFactor) {
    set.constituents.push_back({name, speed, {equilibrium}, {nodeFactor}});
  };
  add("M2", 28.9841042, 66.36, 0.9674), add("S2", 30.0, 0.0, 1.0);
  add("K1", 15.0410686, 14.26, 1.1031), add("O1", 13.9430356, 50.65, 1.1668);
  add("M4", 57.9682084, 132.72, 0.9674 * 0.9674), add("M6", 86.9523127, 199.08, 0.9674 * 0.9674 * 0.9674);
  add("N2", 28.4397295, 250.10, 0.9674);
  add("Sa", 0.0410686, 280.0, 1.0);  // the annual tide, which monthly levels carry
  return set;
}

inline ReferenceStation stationWith(const ConstituentSet& set,
                                    std::vector<std::pair<std::string, std::pair<double, double>>> terms,
                                    std::string name = "Test Harbour, Maine") {
  ReferenceStation s;
  s.name = std::move(name);
  s.latitude = 43.5;
  s.longitude = -70.25;
  s.tzfile = ":America/New_York";
  s.levelUnits = "feet";
  s.datumOffset = 4.0;
  for (const auto& [constituent, constants] : terms)
    s.terms.push_back({*set.find(constituent), constants.first, constants.second});
  return s;
}

// A station with the four principal constituents (feet) and M4, M6.
inline ReferenceStation fullStation(const ConstituentSet& set, std::string name = "Test Harbour, Maine") {
  return stationWith(set,
                     {{"M2", {4.5, 100.0}}, {"S2", {0.8, 130.0}}, {"K1", {0.6, 200.0}}, {"O1", {0.45, 190.0}},
                      {"M4", {0.12, 40.0}}, {"M6", {0.05, 300.0}}, {"N2", {1.0, 80.0}}},
                     std::move(name));
}

}  // namespace saltmark::tcd::test
