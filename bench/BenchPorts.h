#pragma once
// A port with every field in use, like a converted real port, for the benchmarks.
#include "data/LocationRecord.h"
#include "data/Settings.h"
#include "engine/TideEngine.h"

namespace saltmark::bench {

inline LocationRecord busyPort() {
  LocationRecord port;
  port.portName = "Bench Harbour";
  port.portZone = "0";
  port.harmonic = {"2.95", "112.4", "1.62", "151.0", "0.55", "322.7", "0.09", "310.2", "0.08",
                   "230.0", "0.021", "40.0", "0.004"};
  for (auto& text : port.monthlyLevel) text = "0.01";
  for (auto& text : port.monthlyAmplitude) text = "0";
  return port;
}

// The height engine on the busy port, with the default settings.
struct BusyPortEngine {
  BusyPortEngine() { engine.setPort(busyPort()); }
  Settings settings;
  TideEngine engine{settings};
};

}  // namespace saltmark::bench
