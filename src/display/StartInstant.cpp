#include "display/StartInstant.h"

#include <array>
#include <charconv>
#include <string>
#include <vector>

namespace saltmark {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view trimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

struct Field {
  std::string_view text;
  bool numeric = false;
};

// Runs of digits and runs of letters; blanks, "/", "-", "." and "," separate
// them. Any other character makes the text unreadable (nullopt).
std::optional<std::vector<Field>> splitDateFields(std::string_view text) {
  std::vector<Field> fields;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (isDigit(c) || isLetter(c)) {
      const bool numeric = isDigit(c);
      std::size_t j = i;
      while (j < text.size() && (numeric ? isDigit(text[j]) : isLetter(text[j]))) ++j;
      fields.push_back({text.substr(i, j - i), numeric});
      i = j;
    } else if (c == ' ' || c == '\t' || c == '/' || c == '-' || c == '.' || c == ',') {
      ++i;
    } else {
      return std::nullopt;
    }
  }
  return fields;
}

std::optional<int> smallNumber(std::string_view digits, std::size_t maxLength) {
  if (digits.empty() || digits.size() > maxLength) return std::nullopt;
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

std::optional<int> monthFromName(std::string_view name) {
  static constexpr std::array<std::string_view, 12> kNames = {
      "january", "february", "march",     "april",   "may",      "june",
      "july",    "august",   "september", "october", "november", "december"};
  if (name.size() < 3) return std::nullopt;
  for (std::size_t m = 0; m < kNames.size(); ++m) {
    const std::string_view full = kNames[m];
    if (name.size() > full.size()) continue;
    bool matches = true;
    for (std::size_t k = 0; k < name.size() && matches; ++k) matches = lower(name[k]) == full[k];
    if (matches) return static_cast<int>(m) + 1;
  }
  return std::nullopt;
}

std::optional<int> monthField(const Field& field) {
  return field.numeric ? smallNumber(field.text, 2) : monthFromName(field.text);
}

std::optional<int> yearField(const Field& field) {
  if (!field.numeric || (field.text.size() != 2 && field.text.size() != 4)) return std::nullopt;
  const std::optional<int> year = smallNumber(field.text, 4);
  if (year && field.text.size() == 2) return *year < 30 ? 2000 + *year : 1900 + *year;
  return year;
}

}  // namespace

std::optional<DateTime> ParseDateBox(std::string_view text) {
  const auto fields = splitDateFields(trimBlanks(text));
  if (!fields || fields->size() != 3) return std::nullopt;
  const Field& f0 = (*fields)[0];
  const Field& f1 = (*fields)[1];
  const Field& f2 = (*fields)[2];

  std::optional<int> year, month, day;
  if (f0.numeric && f0.text.size() == 4) {  // year, month, day
    year = yearField(f0);
    month = monthField(f1);
    day = f2.numeric ? smallNumber(f2.text, 2) : std::nullopt;
  } else if (!f0.numeric) {  // month name, day, year
    month = monthFromName(f0.text);
    day = f1.numeric ? smallNumber(f1.text, 2) : std::nullopt;
    year = yearField(f2);
  } else {  // day, month, year
    day = smallNumber(f0.text, 2);
    month = monthField(f1);
    year = yearField(f2);
  }
  if (!year || !month || !day) return std::nullopt;
  return DateTime::tryFromCivil(*year, *month, *day);
}

std::optional<TimeOfDay> ParseTimeBox(std::string_view text) {
  text = trimBlanks(text);
  std::array<int, 3> parts{};
  std::size_t count = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t colon = text.find(':', start);
    const std::string_view piece = text.substr(start, colon == std::string_view::npos ? colon : colon - start);
    if (count == parts.size()) return std::nullopt;
    for (char c : piece)
      if (!isDigit(c)) return std::nullopt;
    const std::optional<int> value = smallNumber(piece, 2);
    if (!value) return std::nullopt;
    parts[count++] = *value;
    if (colon == std::string_view::npos) break;
    start = colon + 1;
  }
  if (count < 2) return std::nullopt;
  const TimeOfDay time{parts[0], parts[1], parts[2]};
  if (time.hour > 23 || time.minute > 59 || time.second > 59) return std::nullopt;
  return time;
}

std::optional<DateTime> ReadStartInstant(std::string_view dateText, std::string_view timeText) {
  const std::optional<DateTime> date = ParseDateBox(dateText);
  if (!date) return std::nullopt;
  if (trimBlanks(timeText).empty()) return date;
  const std::optional<TimeOfDay> time = ParseTimeBox(timeText);
  if (!time) return std::nullopt;
  return date->addSeconds(time->totalSeconds());
}

}  // namespace saltmark
