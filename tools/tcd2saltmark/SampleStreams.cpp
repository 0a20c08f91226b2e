#include "SampleStreams.h"

#include <cmath>
#include <numbers>

#include "common/VbNumbers.h"
#include "locations/Positions.h"

namespace saltmark::tcd {
namespace {

StreamRecord station(const char* name, std::int16_t referencePort, double latitude, double longitude) {
  StreamRecord r;
  r.name = name;
  r.latitudeText = FormatLatLon(latitude * kDegreesToRadians, kLatitude);
  r.longitudeText = FormatLatLon(longitude * kDegreesToRadians, kLongitude);
  r.referencePort = referencePort;
  r.speedUnits = 0;  // knots
  return r;
}

std::int16_t hundredths(double knots) { return static_cast<std::int16_t>(std::lround(knots * 100)); }

}  // namespace

std::vector<StreamRecord> SampleStreamRecords(std::int16_t referencePort, double latitude, double longitude) {
  StreamRecord a = station("Sample Stream A (not real data)", referencePort, latitude + 0.05, longitude + 0.05);
  StreamRecord b = station("Sample Stream B (not real data)", referencePort, latitude - 0.05, longitude + 0.08);
  for (int j = 0; j < kStreamHours; ++j) {
    const int hour = j - kStreamHighWaterHour;
    // Strongest half-way between the turns at high and low water.
    const double strength = std::fabs(std::sin(std::numbers::pi * hour / 6.0));
    a.direction[j] = hour < 0 ? 45 : 225;
    a.springRate[j] = hundredths(2.4 * strength);
    a.neapRate[j] = hundredths(1.3 * strength);

    b.direction[j] = static_cast<std::int16_t>((90 + 30 * (hour + 6)) % 360);
    const double swell = 0.75 + 0.25 * std::cos(std::numbers::pi * hour / 3.0);
    b.springRate[j] = hundredths(1.6 * swell);
    b.neapRate[j] = hundredths(0.9 * swell);
  }
  return {a, b};
}

}  // namespace saltmark::tcd
