#include "StationZone.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

namespace saltmark::tcd {
namespace {

// Sets TZ for the lifetime of the object and restores it afterwards.
class ZoneOverride {
 public:
  explicit ZoneOverride(const std::string& zone) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    setenv("TZ", zone.c_str(), 1);
    tzset();
  }
  ~ZoneOverride() {
    if (saved_) setenv("TZ", saved_->c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }
  ZoneOverride(const ZoneOverride&) = delete;
  ZoneOverride& operator=(const ZoneOverride&) = delete;

 private:
  std::optional<std::string> saved_;
};

bool zoneExists(const std::string& name) {
  if (name.empty() || name.find("..") != std::string::npos) return false;
  const char* dir = std::getenv("TZDIR");
  const std::filesystem::path base = dir && *dir ? dir : "/usr/share/zoneinfo";
  std::error_code error;
  return std::filesystem::is_regular_file(base / name, error);
}

}  // namespace

std::optional<double> StandardZoneHoursWest(std::string_view tzfile, int year) {
  std::string name(tzfile);
  if (!name.empty() && name.front() == ':') name.erase(0, 1);
  // The C library quietly falls back to UTC for a name it does not know.
  if (!zoneExists(name)) return std::nullopt;

  ZoneOverride zone(":" + name);
  std::optional<long> standardEast;
  long smallestEast = 0;
  // Mid-month in every month: whichever half of the year the winter falls in.
  for (int month = 0; month < 12; ++month) {
    std::tm when{};
    when.tm_year = year - 1900;
    when.tm_mon = month;
    when.tm_mday = 15;
    when.tm_hour = 12;
    const std::time_t utc = timegm(&when);
    std::tm local{};
    if (!localtime_r(&utc, &local)) return std::nullopt;
    if (month == 0 || local.tm_gmtoff < smallestEast) smallestEast = local.tm_gmtoff;
    if (local.tm_isdst == 0 && !standardEast) standardEast = local.tm_gmtoff;
  }
  // A zone on summer time all year gives its least offset, the nearest to standard.
  const long east = standardEast.value_or(smallestEast);
  return -static_cast<double>(east) / 3600.0;
}

double NauticalZoneHoursWest(double longitudeEast) {
  const double zone = -std::round(longitudeEast / 15.0);
  return zone == 0 ? 0.0 : zone;
}

}  // namespace saltmark::tcd
