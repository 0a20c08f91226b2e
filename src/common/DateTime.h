#pragma once
// Date-times as the program stores them: a double counting days since
// 30 December 1899, with the time of day as the fraction. Before that day the
// whole part counts days back while the fraction still runs forward, so the
// arithmetic below goes through a linear millisecond count, never the raw double.
#include <compare>
#include <cstdint>
#include <optional>

namespace saltmark {

struct CivilDateTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

class DateTime {
 public:
  constexpr DateTime() = default;
  constexpr explicit DateTime(double serial) : serial_(serial) {}

  // A date and time of day; fields out of range are not normalised here.
  static DateTime fromCivil(int year, int month, int day, int hour = 0, int minute = 0,
                            int second = 0);
  // The same, refusing a date or time that does not exist (31 April, 24:00).
  static std::optional<DateTime> tryFromCivil(int year, int month, int day, int hour = 0,
                                              int minute = 0, int second = 0);

  constexpr double serial() const { return serial_; }
  // The calendar fields, to the nearest millisecond.
  CivilDateTime civil() const;
  // The date alone (midnight of the same day).
  DateTime datePart() const;

  DateTime addDays(double days) const;
  DateTime addMinutes(double minutes) const;
  DateTime addSeconds(double seconds) const;

  // Milliseconds since 30 December 1899 00:00, on a straight line.
  std::int64_t linearMilliseconds() const;
  static DateTime fromLinearMilliseconds(std::int64_t ms);

  friend bool operator==(DateTime a, DateTime b) { return a.linearMilliseconds() == b.linearMilliseconds(); }
  friend auto operator<=>(DateTime a, DateTime b) { return a.linearMilliseconds() <=> b.linearMilliseconds(); }

 private:
  double serial_ = 0.0;
};

// Whole-unit differences counted as boundaries crossed from a to b
// (positive when b is later): minutes, seconds and calendar days.
std::int64_t minutesBetween(DateTime a, DateTime b);
std::int64_t secondsBetween(DateTime a, DateTime b);
std::int64_t daysBetween(DateTime a, DateTime b);

bool isLeapYear(int year);
int daysInMonth(int year, int month);

}  // namespace saltmark
