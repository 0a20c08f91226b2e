#pragma once
// Made-up ports for the engine tests: a port is its harmonic texts, with
// everything else blank unless a test sets it.
#include <string>

#include "data/LocationRecord.h"

namespace saltmark::test {

struct Harmonics {
  double meanLevel = 0;
  double m2 = 0, m2Phase = 0, s2 = 0, s2Phase = 0;
  double k1 = 0, k1Phase = 0, o1 = 0, o1Phase = 0;
  double quarter = 0, quarterPhase = 0, sixth = 0, sixthPhase = 0;
};

inline LocationRecord portWith(const Harmonics& h) {
  LocationRecord port;
  port.portName = "Test Port";
  port.portZone = "0";
  const double values[13] = {h.meanLevel, h.m2Phase, h.m2, h.s2Phase, h.s2, h.k1Phase, h.k1,
                             h.o1Phase, h.o1, h.quarterPhase, h.quarter, h.sixthPhase, h.sixth};
  for (int i = 0; i < 13; ++i) port.harmonic[i] = std::to_string(values[i]);
  return port;
}

}  // namespace saltmark::test
