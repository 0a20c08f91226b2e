#include "tables/EventExport.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "common/TextEncoding.h"
#include "tables/TimeText.h"

namespace saltmark {
namespace {

bool needsCsvQuotes(std::string_view field) {
  return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

std::string csvField(std::string_view field) {
  if (!needsCsvQuotes(field)) return std::string(field);
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string jsonString(std::string_view latin1) {
  std::string out = "\"";
  for (char c : latin1ToUtf8(latin1)) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char b[8];
      std::snprintf(b, sizeof b, "\\u%04x", u);
      out += b;
    } else {
      out += c;
    }
  }
  return out + '"';
}

// A number as JSON wants it: "045" is 45; text that is no number is null.
std::string jsonNumber(std::string_view text) {
  double value = 0;
  const char* first = text.data() + (!text.empty() && text[0] == '+' ? 1 : 0);
  const auto [end, ec] = std::from_chars(first, text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return "null";
  char b[40];
  return std::string(b, std::to_chars(b, b + sizeof b, value).ptr);
}

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string utcStamp(DateTime gmt) {
  const CivilDateTime c = gmt.civil();
  char b[32];
  std::snprintf(b, sizeof b, "%04d%02d%02dT%02d%02d%02dZ", c.year, c.month, c.day, c.hour, c.minute, c.second);
  return b;
}

std::string icsText(std::string_view latin1) {
  std::string out;
  for (char c : latin1ToUtf8(latin1)) {
    if (c == '\\' || c == ';' || c == ',') out += '\\';
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    if (c == '\r') continue;
    out += c;
  }
  return out;
}

// Content lines longer than 75 octets go on in lines that start with a
// blank; a UTF-8 sequence is never split.
void appendIcsLine(std::string& out, std::string_view line) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto u = static_cast<unsigned char>(line[i]);
    std::size_t length = u < 0x80 ? 1 : u >= 0xF0 ? 4 : u >= 0xE0 ? 3 : 2;
    if (width + length > 75) {
      out += "\r\n ";
      width = 1;
    }
    out.append(line.substr(i, length));
    width += length;
    i += length - 1;
  }
  out += "\r\n";
}

// A short stable digest of the port's name for the UIDs (FNV-1a).
std::string nameDigest(std::string_view text) {
  std::uint64_t h = 1469598103934665603ULL;
  for (char c : text) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ULL;
  }
  char b[20];
  std::snprintf(b, sizeof b, "%016llx", static_cast<unsigned long long>(h));
  return b;
}

int monthNumber(std::string_view abbreviation) {
  for (int m = 1; m <= 12; ++m)
    if (abbreviation == MonthAbbreviation(m)) return m;
  return 0;
}

bool allDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

int number(std::string_view digits) {
  int n = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), n);
  return n;
}

// "dd Mon yyyy" at the text's start.
std::optional<std::array<int, 3>> readDate(std::string_view t) {
  if (t.size() < 11 || t[2] != ' ' || t[6] != ' ') return std::nullopt;
  const int month = monthNumber(t.substr(3, 3));
  if (!allDigits(t.substr(0, 2)) || !allDigits(t.substr(7, 4)) || month == 0) return std::nullopt;
  return std::array<int, 3>{number(t.substr(7, 4)), month, number(t.substr(0, 2))};
}

// "hh:nn" at the text's start.
std::optional<std::array<int, 2>> readTime(std::string_view t) {
  if (t.size() < 5 || t[2] != ':' || !allDigits(t.substr(0, 2)) || !allDigits(t.substr(3, 2))) return std::nullopt;
  return std::array<int, 2>{number(t.substr(0, 2)), number(t.substr(3, 2))};
}

std::optional<DateTime> readRowInstant(std::string_view t) {
  if (t.size() < 17) return std::nullopt;
  if (auto date = readDate(t); date && t[11] == ' ')
    if (auto time = readTime(t.substr(12)))
      return DateTime::tryFromCivil((*date)[0], (*date)[1], (*date)[2], (*time)[0], (*time)[1]);
  if (auto time = readTime(t); time && t[5] == ' ')
    if (auto date = readDate(t.substr(6)))
      return DateTime::tryFromCivil((*date)[0], (*date)[1], (*date)[2], (*time)[0], (*time)[1]);
  return std::nullopt;
}

}  // namespace

std::string IsoInstant(DateTime time, int utcOffsetMinutes) {
  const CivilDateTime c = time.civil();
  char b[40];
  const int magnitude = std::abs(utcOffsetMinutes);
  std::snprintf(b, sizeof b, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", c.year, c.month, c.day, c.hour, c.minute,
                c.second, utcOffsetMinutes < 0 ? '-' : '+', magnitude / 60, magnitude % 60);
  return b;
}

std::string CsvText(const ExportTable& table) {
  std::string out = "time";
  for (const ExportColumn& column : table.columns) out += "," + csvField(column.name);
  out += "\r\n";
  for (const ExportRow& row : table.rows) {
    out += IsoInstant(row.time, table.utcOffsetMinutes);
    for (const std::string& value : row.values) out += "," + csvField(latin1ToUtf8(value));
    out += "\r\n";
  }
  return out;
}

std::string JsonText(const ExportTable& table) {
  std::string out = "[";
  bool first = true;
  for (const ExportRow& row : table.rows) {
    out += first ? "\n" : ",\n";
    first = false;
    out += "  {\"time\": " + jsonString(IsoInstant(row.time, table.utcOffsetMinutes));
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
      const std::string value = i < row.values.size() ? row.values[i] : std::string();
      out += ", " + jsonString(table.columns[i].name) + ": ";
      if (!table.columns[i].numeric) out += jsonString(value);
      else out += jsonNumber(value);
    }
    out += "}";
  }
  out += first ? "]\n" : "\n]\n";
  return out;
}

std::string IcsText(const CalendarExport& calendar) {
  std::string out;
  appendIcsLine(out, "BEGIN:VCALENDAR");
  appendIcsLine(out, "VERSION:2.0");
  appendIcsLine(out, "PRODID:-//Saltmark//Tide predictions//EN");
  appendIcsLine(out, "CALSCALE:GREGORIAN");
  const std::string digest = nameDigest(calendar.location);
  for (const CalendarEvent& event : calendar.events) {
    appendIcsLine(out, "BEGIN:VEVENT");
    std::string key = icsText(event.key);
    std::replace(key.begin(), key.end(), ' ', '-');
    appendIcsLine(out, "UID:" + utcStamp(event.gmt) + "-" + key + "-" + digest + "@saltmark");
    appendIcsLine(out, "DTSTAMP:" + utcStamp(calendar.stamp));
    appendIcsLine(out, "DTSTART:" + utcStamp(event.gmt));
    appendIcsLine(out, "DTEND:" + utcStamp(event.gmt));
    appendIcsLine(out, "SUMMARY:" + icsText(event.summary));
    appendIcsLine(out, "LOCATION:" + icsText(calendar.location));
    if (calendar.geo) {
      char b[64];
      std::snprintf(b, sizeof b, "GEO:%.6f;%.6f", calendar.geo->first, calendar.geo->second);
      appendIcsLine(out, b);
    }
    appendIcsLine(out, "TRANSP:TRANSPARENT");
    appendIcsLine(out, "END:VEVENT");
  }
  appendIcsLine(out, "END:VCALENDAR");
  return out;
}

std::vector<TableTextRow> ReadTableRows(std::string_view text) {
  std::vector<TableTextRow> rows;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // a rank ("3 ") before the instant, as the fastest streams have
    if (const auto blank = line.find(' '); blank != std::string_view::npos && blank > 0 &&
                                           allDigits(line.substr(0, blank)) && readRowInstant(line.substr(blank + 1)))
      line.remove_prefix(blank + 1);
    const auto instant = readRowInstant(line);
    if (!instant) continue;
    TableTextRow row{*instant, {}};
    std::string_view rest = line.substr(17);
    if (!rest.empty() && rest.front() == '\t') {
      rest.remove_prefix(1);
      while (true) {
        const auto tab = rest.find('\t');
        row.fields.emplace_back(rest.substr(0, tab));
        if (tab == std::string_view::npos) break;
        rest.remove_prefix(tab + 1);
      }
    } else if (!trimmed(rest).empty()) {
      row.fields.push_back(trimmed(rest));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string PlainHeightNumber(std::string_view heightText) {
  const std::string text = trimmed(heightText);
  if (text.empty()) return "";
  const auto mark = text.find('\'');
  if (mark == std::string::npos) {
    double value = 0;
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    if (std::from_chars(first, text.data() + text.size(), value).ec != std::errc()) return "";
    return text;
  }
  const bool negative = text[0] == '-';
  std::string feetText = trimmed(std::string_view(text).substr(negative ? 1 : 0, mark - (negative ? 1 : 0)));
  std::string inchText = trimmed(std::string_view(text).substr(mark + 1));
  int feet = 0, inches = 0;
  std::from_chars(feetText.data(), feetText.data() + feetText.size(), feet);
  std::from_chars(inchText.data(), inchText.data() + inchText.size(), inches);
  char b[32];
  const auto [end, ec] = std::to_chars(b, b + sizeof b, (negative ? -1.0 : 1.0) * (feet + inches / 12.0),
                                       std::chars_format::general, 9);
  return std::string(b, ec == std::errc() ? end : b);
}

}  // namespace saltmark
