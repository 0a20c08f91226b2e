#include "display/StartBoxes.h"

#include "display/StartInstant.h"
#include "tables/TimeText.h"

namespace saltmark {

BoxCheck CheckDateBox(std::string_view text) {
  if (text.empty()) return {};
  const auto date = ParseDateBox(text);
  if (!date) return {false, ""};
  return {true, FormatDate(*date)};
}

BoxCheck CheckTimeBox(std::string_view text) {
  if (text.empty()) return {};
  const auto time = ParseTimeBox(text);
  if (!time) return {false, std::string(text)};
  return {true, FormatTimeHM(DateTime::fromCivil(2000, 1, 1, time->hour, time->minute, 0))};
}

}  // namespace saltmark
