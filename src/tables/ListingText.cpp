#include "tables/ListingText.h"

#include <charconv>
#include <climits>
#include <cstdint>
#include <cstring>
#include <cstdlib>

namespace saltmark {
namespace {

char* digits(char* p, int value, int width) {
  for (int i = width - 1; i >= 0; --i) {
    p[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return p + width;
}

// "YYYY-MM-DD?HH:MM:SS" with the given separator; years beyond four digits
// are not listed by the program.
char* instant(char* p, DateTime t, char separator) {
  const CivilDateTime c = t.civil();
  if (c.year < 0 && c.year > -1000) {  // as "%04d" shows it: "-005"
    *p++ = '-';
    p = digits(p, -c.year, 3);
  } else if (c.year < 0 || c.year > 9999) {
    p = std::to_chars(p, p + 12, c.year).ptr;
  } else {
    p = digits(p, c.year, 4);
  }
  *p++ = '-';
  p = digits(p, c.month, 2);
  *p++ = '-';
  p = digits(p, c.day, 2);
  *p++ = separator;
  p = digits(p, c.hour, 2);
  *p++ = ':';
  p = digits(p, c.minute, 2);
  *p++ = ':';
  return digits(p, c.second, 2);
}

}  // namespace

void AppendListingInstant(std::string& out, DateTime t) {
  // A listing runs through one day at a time: the date's digits are worked
  // out again only when the day changes.
  constexpr std::int64_t kMsPerDay = 86'400'000;
  thread_local std::int64_t cachedDay = INT64_MIN;
  thread_local char cachedDate[24];
  thread_local std::size_t cachedLength = 0;
  const std::int64_t ms = t.linearMilliseconds();
  std::int64_t day = ms / kMsPerDay;
  if (ms % kMsPerDay < 0) --day;
  if (day != cachedDay) {
    char* end = instant(cachedDate, DateTime::fromLinearMilliseconds(day * kMsPerDay), ' ');
    cachedLength = static_cast<std::size_t>(end - cachedDate) - 8;  // the date and the blank
    cachedDay = day;
  }
  const auto seconds = static_cast<int>((ms - day * kMsPerDay) / 1000);
  char buffer[40];
  std::memcpy(buffer, cachedDate, cachedLength);
  char* p = buffer + cachedLength;
  p = digits(p, seconds / 3600, 2);
  *p++ = ':';
  p = digits(p, seconds / 60 % 60, 2);
  *p++ = ':';
  p = digits(p, seconds % 60, 2);
  out.append(buffer, p);
}

void AppendIsoInstant(std::string& out, DateTime t, int utcOffsetMinutes) {
  char buffer[40];
  char* p = instant(buffer, t, 'T');
  *p++ = utcOffsetMinutes < 0 ? '-' : '+';
  const int magnitude = std::abs(utcOffsetMinutes);
  p = digits(p, magnitude / 60 % 100, 2);
  *p++ = ':';
  p = digits(p, magnitude % 60, 2);
  out.append(buffer, p);
}

void AppendGeneral(std::string& out, double value, int significant) {
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significant);
  out.append(buffer, result.ptr);
}

void AppendInteger(std::string& out, long long value) {
  char buffer[24];
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

}  // namespace saltmark
