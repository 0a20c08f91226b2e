#include "tables/TimeText.h"

#include <cstdlib>

#include "common/NumberFormat.h"

namespace saltmark {

namespace {

std::string twoDigits(int value) { return FormatNumberPoint(value, "00"); }

CivilDateTime toNearestSecond(DateTime instant) {
  const std::int64_t ms = instant.linearMilliseconds();
  const std::int64_t rounded = (ms >= 0 ? ms + 500 : ms - 499) / 1000 * 1000;
  return DateTime::fromLinearMilliseconds(rounded).civil();
}

}  // namespace

const char* MonthAbbreviation(int month) {
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  return (month >= 1 && month <= 12) ? kMonths[month - 1] : "";
}

std::string FormatDate(DateTime instant) {
  const CivilDateTime c = toNearestSecond(instant);
  return twoDigits(c.day) + " " + MonthAbbreviation(c.month) + " " + FormatNumberPoint(c.year, "0000");
}

std::string FormatTimeHM(DateTime instant) {
  const CivilDateTime c = toNearestSecond(instant);
  return twoDigits(c.hour) + ":" + twoDigits(c.minute);
}

std::string FormatTimeHMS(DateTime instant) {
  const CivilDateTime c = toNearestSecond(instant);
  return twoDigits(c.hour) + ":" + twoDigits(c.minute) + ":" + twoDigits(c.second);
}

std::string FormatTimeDate(DateTime instant) { return FormatTimeHM(instant) + " " + FormatDate(instant); }

std::string FormatTableRow(DateTime instant, std::string_view first, std::string_view second) {
  std::string row = FormatDate(instant);
  row += ' ';
  row += FormatTimeHM(instant);
  row += '\t';
  row += first;
  row += '\t';
  row += second;
  return row;
}

std::string FormatZoneOffset(std::int16_t quarters) {
  static constexpr const char* kMinutes[] = {":00", ":15", ":30", ":45"};
  return FormatNumberPoint(quarters, "+;-; ") + FormatNumberPoint(quarters / 4, "00;00;00") +
         kMinutes[std::abs(quarters) % 4];
}

}  // namespace saltmark
