#include "almanac/SunMoon.h"

#include <libnova/julian_day.h>
#include <libnova/lunar.h>
#include <libnova/precession.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace saltmark {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kJulianDayOfSerialZero = 2415018.5;  // 30 December 1899 00:00
constexpr double kSunriseAltitude = -50.0 / 60.0;     // degrees, upper limb with refraction
constexpr double kCivilAltitude = -6.0;
// Geocentric altitude of the moon's centre at moonrise: parallax (taken at its
// mean, 57') less the semidiameter less refraction; 0.7275 x 57' - 34'.
constexpr double kMoonriseAltitude = 0.125;
// Terms smaller than this are dropped from the lunar theory: the moon still
// comes out within half a second of arc, at a fiftieth of the full cost.
constexpr double kLunarPrecision = 1e-7;
constexpr double kSecond = 1.0 / 86400.0;

double julianDay(DateTime gmt) {
  return kJulianDayOfSerialZero + static_cast<double>(gmt.linearMilliseconds()) / 86400000.0;
}

DateTime fromJulianDay(double jd) {
  return DateTime::fromLinearMilliseconds(std::llround((jd - kJulianDayOfSerialZero) * 86400000.0));
}

// Terrestrial time less universal time, seconds: the polynomial fitted to
// the observed values for 2005-2050, and the long-term parabola elsewhere.
double deltaTSeconds(double jd) {
  const double year = 2000.0 + (jd - 2451545.0) / 365.25;
  if (year >= 2005 && year <= 2050) {
    const double t = year - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  const double u = (year - 1820) / 100;
  return -20 + 32 * u * u;
}

double ephemerisDay(double jd) { return jd + deltaTSeconds(jd) * kSecond; }

// libnova gives both bodies against the equinox of J2000; the hour angle
// needs them against the equinox of the day (a quarter of a degree by 2020).
void sunCoordinates(double jde, ln_equ_posn* position) {
  ln_equ_posn j2000{};
  ln_get_solar_equ_coords(jde, &j2000);
  ln_get_equ_prec(&j2000, jde, position);
}
void moonCoordinates(double jde, ln_equ_posn* position) {
  ln_equ_posn j2000{};
  ln_get_lunar_equ_coords_prec(jde, &j2000, kLunarPrecision);
  ln_get_equ_prec(&j2000, jde, position);
}

// A body's right ascension and declination at evenly spaced nodes, read
// between them by four-point interpolation: the positions are costly and
// the horizon search asks for thousands of them.
class BodyTrack {
 public:
  BodyTrack(void (*coordinates)(double, ln_equ_posn*), double firstJd, double lastJd, double spacing)
      : first_(firstJd - 2 * spacing), spacing_(spacing) {
    const auto count = static_cast<std::size_t>(std::ceil((lastJd - first_) / spacing)) + 3;
    ra_.resize(count);
    dec_.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
      ln_equ_posn p{};
      coordinates(ephemerisDay(first_ + static_cast<double>(i) * spacing), &p);
      ra_[i] = p.ra;
      dec_[i] = p.dec;
      if (i > 0) {  // keep the right ascension continuous across 360
        while (ra_[i] - ra_[i - 1] > 180) ra_[i] -= 360;
        while (ra_[i] - ra_[i - 1] < -180) ra_[i] += 360;
      }
    }
  }

  // Right ascension and declination, degrees, at a universal-time day.
  std::pair<double, double> at(double jd) const {
    const double x = (jd - first_) / spacing_;
    const auto last = static_cast<long>(ra_.size()) - 4;
    const long base = std::clamp(static_cast<long>(std::floor(x)) - 1, 0L, last);
    const double u = x - static_cast<double>(base);
    std::array<double, 4> w{};
    for (int i = 0; i < 4; ++i) {
      double weight = 1;
      for (int j = 0; j < 4; ++j)
        if (j != i) weight *= (u - j) / static_cast<double>(i - j);
      w[i] = weight;
    }
    double ra = 0, dec = 0;
    for (int i = 0; i < 4; ++i) {
      ra += w[i] * ra_[static_cast<std::size_t>(base + i)];
      dec += w[i] * dec_[static_cast<std::size_t>(base + i)];
    }
    return {ra, dec};
  }

 private:
  double first_;
  double spacing_;
  std::vector<double> ra_, dec_;
};

double altitudeDegrees(const BodyTrack& body, const SkyPosition& place, double jd) {
  const auto [ra, dec] = body.at(jd);
  const double hourAngle = (ln_get_mean_sidereal_time(jd) * 15.0 + place.longitude / kDegree - ra) * kDegree;
  const double sinAltitude = std::sin(place.latitude) * std::sin(dec * kDegree) +
                             std::cos(place.latitude) * std::cos(dec * kDegree) * std::cos(hourAngle);
  return std::asin(std::clamp(sinAltitude, -1.0, 1.0)) / kDegree;
}

struct Threshold {
  double altitude;
  SkyEventKind rising;
  SkyEventKind setting;
};

// Scans the altitude in steps short enough that no rising and setting of
// the same kind fall within one, and halves each step where the altitude
// crosses a threshold down to a second.
void findHorizonCrossings(const BodyTrack& body, const SkyPosition& place, double fromJd, double toJd,
                          std::initializer_list<Threshold> thresholds, std::vector<SkyEvent>& events) {
  constexpr double kStep = 10.0 / 1440.0;
  double t0 = fromJd;
  double a0 = altitudeDegrees(body, place, t0);
  while (t0 < toJd) {
    const double t1 = std::min(t0 + kStep, toJd);
    const double a1 = altitudeDegrees(body, place, t1);
    for (const Threshold& threshold : thresholds) {
      const bool below0 = a0 < threshold.altitude;
      const bool below1 = a1 < threshold.altitude;
      if (below0 == below1) continue;
      double lo = t0, hi = t1;
      while (hi - lo > kSecond) {
        const double mid = (lo + hi) / 2;
        ((altitudeDegrees(body, place, mid) < threshold.altitude) == below0 ? lo : hi) = mid;
      }
      events.push_back({fromJulianDay(hi), below0 ? threshold.rising : threshold.setting});
    }
    t0 = t1;
    a0 = a1;
  }
}

// The moon's apparent longitude less the sun's, degrees in [0, 360).
double elongation(double jd) {
  const double jde = ephemerisDay(jd);
  ln_lnlat_posn moon{}, sun{};
  ln_get_lunar_ecl_coords(jde, &moon, kLunarPrecision);
  ln_get_solar_ecl_coords(jde, &sun);
  const double d = std::fmod(moon.lng - sun.lng, 360.0);
  return d < 0 ? d + 360 : d;
}

int quarterOf(double jd) { return static_cast<int>(elongation(jd) / 90.0) % 4; }

}  // namespace

std::string_view SkyEventCaption(SkyEventKind kind) {
  switch (kind) {
    case SkyEventKind::CivilDawn: return "Civil Twilight Begins";
    case SkyEventKind::Sunrise: return "Sunrise";
    case SkyEventKind::Sunset: return "Sunset";
    case SkyEventKind::CivilDusk: return "Civil Twilight Ends";
    case SkyEventKind::Moonrise: return "Moonrise";
    case SkyEventKind::Moonset: return "Moonset";
    case SkyEventKind::NewMoon: return "New Moon";
    case SkyEventKind::FirstQuarter: return "First Quarter";
    case SkyEventKind::FullMoon: return "Full Moon";
    case SkyEventKind::LastQuarter: return "Last Quarter";
  }
  return "";
}

bool IsMoonPhase(SkyEventKind kind) {
  return kind == SkyEventKind::NewMoon || kind == SkyEventKind::FirstQuarter || kind == SkyEventKind::FullMoon ||
         kind == SkyEventKind::LastQuarter;
}

std::optional<SkyPosition> UsableSkyPosition(double latitude, double longitude) {
  if (!std::isfinite(latitude) || !std::isfinite(longitude)) return std::nullopt;
  if (std::abs(latitude) > std::numbers::pi / 2 + 1e-12) return std::nullopt;
  return SkyPosition{latitude, longitude};
}

std::vector<SkyEvent> MoonPhases(DateTime from, DateTime to) {
  static constexpr std::array<SkyEventKind, 4> kPhaseStarting = {SkyEventKind::NewMoon, SkyEventKind::FirstQuarter,
                                                                 SkyEventKind::FullMoon, SkyEventKind::LastQuarter};
  std::vector<SkyEvent> events;
  const double fromJd = julianDay(from), toJd = julianDay(to);
  if (!(toJd > fromJd)) return events;
  constexpr double kStep = 0.25;  // the elongation grows about 3 degrees in six hours
  double t0 = fromJd;
  int q0 = quarterOf(t0);
  while (t0 < toJd) {
    const double t1 = std::min(t0 + kStep, toJd);
    const int q1 = quarterOf(t1);
    if (q1 != q0) {
      double lo = t0, hi = t1;
      while (hi - lo > kSecond) {
        const double mid = (lo + hi) / 2;
        (quarterOf(mid) == q0 ? lo : hi) = mid;
      }
      events.push_back({fromJulianDay(hi), kPhaseStarting[static_cast<std::size_t>(q1)]});
    }
    t0 = t1;
    q0 = q1;
  }
  return events;
}

std::vector<SkyEvent> SunMoonEvents(std::optional<SkyPosition> position, DateTime from, DateTime to) {
  std::vector<SkyEvent> events = MoonPhases(from, to);
  const double fromJd = julianDay(from), toJd = julianDay(to);
  if (position && toJd > fromJd) {
    constexpr double kNodeSpacing = 0.25;
    const BodyTrack sun(&sunCoordinates, fromJd, toJd, kNodeSpacing);
    const BodyTrack moon(&moonCoordinates, fromJd, toJd, kNodeSpacing);
    findHorizonCrossings(sun, *position, fromJd, toJd,
                         {{kCivilAltitude, SkyEventKind::CivilDawn, SkyEventKind::CivilDusk},
                          {kSunriseAltitude, SkyEventKind::Sunrise, SkyEventKind::Sunset}},
                         events);
    findHorizonCrossings(moon, *position, fromJd, toJd,
                         {{kMoonriseAltitude, SkyEventKind::Moonrise, SkyEventKind::Moonset}}, events);
  }
  std::erase_if(events, [&](const SkyEvent& e) { return e.gmt < from || !(e.gmt < to); });
  std::stable_sort(events.begin(), events.end(), [](const SkyEvent& a, const SkyEvent& b) {
    return a.gmt < b.gmt || (a.gmt == b.gmt && a.kind < b.kind);
  });
  return events;
}

}  // namespace saltmark
