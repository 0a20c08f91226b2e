// The start date and time boxes of any text (the date, a line break, the
// time): the readers never fail, give only days and times that exist, and a
// date or time as the program shows it reads back as itself.
#include "FuzzSupport.h"
#include "display/StartInstant.h"
#include "tables/TimeText.h"

using namespace saltmark;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = fuzz::asText(data, size);
  const std::size_t split = input.find('\n');
  const std::string_view dateText = input.substr(0, split);
  const std::string_view timeText = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

  const std::optional<DateTime> date = ParseDateBox(dateText);
  if (date) {
    FUZZ_CHECK(date->datePart() == *date);
    const CivilDateTime civil = date->civil();
    FUZZ_CHECK(civil.month >= 1 && civil.month <= 12);
    FUZZ_CHECK(civil.day >= 1 && civil.day <= daysInMonth(civil.year, civil.month));
    if (civil.year >= 1000 && civil.year <= 9999) FUZZ_CHECK(ParseDateBox(FormatDate(*date)) == date);
  }

  const std::optional<TimeOfDay> time = ParseTimeBox(timeText);
  if (time) {
    FUZZ_CHECK(time->hour >= 0 && time->hour <= 23);
    FUZZ_CHECK(time->minute >= 0 && time->minute <= 59);
    FUZZ_CHECK(time->second >= 0 && time->second <= 59);
    const DateTime instant = DateTime::fromCivil(2026, 12, 5, time->hour, time->minute, time->second);
    FUZZ_CHECK(ParseTimeBox(FormatTimeHMS(instant)) == time);
  }

  const std::optional<DateTime> start = ReadStartInstant(dateText, timeText);
  if (start) {
    FUZZ_CHECK(date.has_value());
    FUZZ_CHECK(start->datePart() == *date);
  } else {
    FUZZ_CHECK(!date || (!time && timeText.find_first_not_of(" \t") != std::string_view::npos));
  }
  return 0;
}
