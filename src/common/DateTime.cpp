#include "common/DateTime.h"

#include <cmath>

#include "common/RuntimeError.h"

namespace saltmark {

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

// Days from 1 January 1970 for a proleptic Gregorian date (H. Hinnant's algorithm).
constexpr std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

// Constant-initialised, so that date-times built during other files' static
// initialisation see it.
constexpr std::int64_t kEpochDays = daysFromCivil(1899, 12, 30);

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// std::llround for |value| < 2^52, where value minus its whole part is exact;
// written out because the library call costs more than a height's own
// arithmetic on the time axis.
std::int64_t roundHalfAway(double value) {
  std::int64_t whole = static_cast<std::int64_t>(value);
  const double rest = value - static_cast<double>(whole);
  if (rest >= 0.5) ++whole;
  if (rest <= -0.5) --whole;
  return whole;
}

}  // namespace

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && isLeapYear(year)) return 29;
  return kDays[(month - 1) % 12];
}

DateTime DateTime::fromCivil(int year, int month, int day, int hour, int minute, int second) {
  const std::int64_t days = daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochDays;
  const std::int64_t ms = days * kMsPerDay + (static_cast<std::int64_t>(hour) * 3600 + minute * 60 + second) * 1000;
  return fromLinearMilliseconds(ms);
}

std::optional<DateTime> DateTime::tryFromCivil(int year, int month, int day, int hour, int minute,
                                               int second) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > daysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 59)
    return std::nullopt;
  return fromCivil(year, month, day, hour, minute, second);
}

std::int64_t DateTime::linearMilliseconds() const {
  if (!std::isfinite(serial_) || std::fabs(serial_) > 3.0e6) throw RuntimeError(errc::kOverflow);
  if (serial_ >= 0) return roundHalfAway(serial_ * kMsPerDay);
  const double whole = std::trunc(serial_);
  const double fraction = whole - serial_;  // the time of day, running forward
  return static_cast<std::int64_t>(whole) * kMsPerDay + roundHalfAway(fraction * kMsPerDay);
}

DateTime DateTime::fromLinearMilliseconds(std::int64_t ms) {
  const std::int64_t day = floorDiv(ms, kMsPerDay);
  const std::int64_t rest = ms - day * kMsPerDay;
  const double fraction = static_cast<double>(rest) / kMsPerDay;
  if (day >= 0) return DateTime(static_cast<double>(day) + fraction);
  return DateTime(static_cast<double>(day) - fraction);
}

CivilDateTime DateTime::civil() const {
  const std::int64_t ms = linearMilliseconds();
  const std::int64_t day = floorDiv(ms, kMsPerDay);
  std::int64_t rest = ms - day * kMsPerDay;
  CivilDateTime c;
  civilFromDays(day + kEpochDays, c.year, c.month, c.day);
  c.hour = static_cast<int>(rest / 3'600'000);
  rest %= 3'600'000;
  c.minute = static_cast<int>(rest / 60'000);
  rest %= 60'000;
  c.second = static_cast<int>(rest / 1000);
  c.millisecond = static_cast<int>(rest % 1000);
  return c;
}

DateTime DateTime::datePart() const {
  return fromLinearMilliseconds(floorDiv(linearMilliseconds(), kMsPerDay) * kMsPerDay);
}

DateTime DateTime::addDays(double days) const {
  return fromLinearMilliseconds(linearMilliseconds() + std::llround(days * kMsPerDay));
}

DateTime DateTime::addMinutes(double minutes) const {
  return fromLinearMilliseconds(linearMilliseconds() + std::llround(minutes * 60'000.0));
}

DateTime DateTime::addSeconds(double seconds) const {
  return fromLinearMilliseconds(linearMilliseconds() + std::llround(seconds * 1000.0));
}

std::int64_t minutesBetween(DateTime a, DateTime b) {
  return floorDiv(b.linearMilliseconds(), 60'000) - floorDiv(a.linearMilliseconds(), 60'000);
}

std::int64_t secondsBetween(DateTime a, DateTime b) {
  return floorDiv(b.linearMilliseconds(), 1000) - floorDiv(a.linearMilliseconds(), 1000);
}

std::int64_t daysBetween(DateTime a, DateTime b) {
  return floorDiv(b.linearMilliseconds(), kMsPerDay) - floorDiv(a.linearMilliseconds(), kMsPerDay);
}

}  // namespace saltmark
