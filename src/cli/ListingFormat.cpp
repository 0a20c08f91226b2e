#include "cli/ListingFormat.h"

#include <cctype>
#include <chrono>
#include <cmath>
#include <iostream>
#include <numbers>

#include "almanac/PortSunMoon.h"
#include "cli/CommandRegistry.h"

namespace saltmark::cli {
namespace {

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string field(const TableTextRow& row, std::size_t i) { return i < row.fields.size() ? row.fields[i] : ""; }

}  // namespace

void addFormatOption(CLI::App& command, std::string& format) {
  command.add_option("--format", format, "Output form: text, csv, json or ics (ics for event listings)")
      ->check(CLI::IsMember({"text", "csv", "json", "ics"}))
      ->default_val("text");
}

ListingFormat readFormat(const std::string& format) {
  if (format == "csv") return ListingFormat::Csv;
  if (format == "json") return ListingFormat::Json;
  if (format == "ics") return ListingFormat::Ics;
  return ListingFormat::Text;
}

void printTable(const ExportTable& table, ListingFormat format) {
  std::cout << (format == ListingFormat::Json ? JsonText(table) : CsvText(table)) << std::flush;
}

void printCalendar(const CalendarExport& calendar) { std::cout << IcsText(calendar) << std::flush; }

ExportTable TideTableExport(const std::string& tableText, bool metric, int utcOffsetMinutes) {
  ExportTable table;
  table.utcOffsetMinutes = utcOffsetMinutes;
  table.columns = {{metric ? "height_m" : "height_ft", true}, {"kind", false}};
  const auto rows = ReadTableRows(tableText);
  bool clearance = false;
  for (const auto& row : rows) clearance = clearance || row.fields.size() > 2;
  if (clearance) table.columns.push_back({metric ? "ukc_m" : "ukc_ft", true});
  for (const auto& row : rows) {
    ExportRow out{row.time, {PlainHeightNumber(field(row, 0)), trimmed(field(row, 1))}};
    if (clearance) {
      const std::string ukc = field(row, 2);
      out.values.push_back(PlainHeightNumber(ukc.rfind("UKC", 0) == 0 ? ukc.substr(3) : ukc));
    }
    table.rows.push_back(std::move(out));
  }
  return table;
}

ExportTable StreamTableExport(const std::string& tableText, const std::string& kind, bool rateFirst,
                              int utcOffsetMinutes) {
  ExportTable table;
  table.utcOffsetMinutes = utcOffsetMinutes;
  table.columns = {{"direction_deg", true}, {"rate", true}, {"kind", false}};
  for (const auto& row : ReadTableRows(tableText)) {
    std::string direction = trimmed(field(row, rateFirst ? 1 : 0));
    std::string rate = trimmed(field(row, rateFirst ? 0 : 1));
    std::string rowKind = kind;
    if (!rate.empty() && !(std::isdigit(static_cast<unsigned char>(rate.back())))) {  // a label, not a rate
      rowKind = rate;
      rate.clear();
    }
    table.rows.push_back({row.time, {direction, rate, rowKind}});
  }
  return table;
}

std::optional<std::pair<double, double>> PortGeo(const LocationRecord& port) {
  const auto position = PortSkyPosition(port);
  if (!position) return std::nullopt;
  return std::pair{position->latitude * 180 / std::numbers::pi, position->longitude * 180 / std::numbers::pi};
}

DateTime NowGmt() {
  const auto seconds =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
  // 1 January 1970 is day 25569 of the program's count
  return DateTime::fromLinearMilliseconds((25569LL * 86400LL + seconds) * 1000LL);
}

CalendarExport TideTableCalendar(const std::string& tableText, const LocationRecord& port, bool metric,
                                 double displayToGmtMinutes) {
  CalendarExport calendar;
  calendar.location = port.portName;
  calendar.geo = PortGeo(port);
  calendar.stamp = NowGmt();
  for (const auto& row : ReadTableRows(tableText)) {
    const std::string kind = trimmed(field(row, 1));
    if (kind != "HI" && kind != "LO") continue;
    const std::string height = trimmed(field(row, 0)) + (metric ? " m" : "");
    calendar.events.push_back({row.time.addMinutes(displayToGmtMinutes),
                               (kind == "HI" ? "High water " : "Low water ") + height, kind == "HI" ? "HW" : "LW"});
  }
  return calendar;
}

CalendarExport StreamTableCalendar(const ExportTable& table, const std::string& location, const std::string& units,
                                   double displayToGmtMinutes) {
  CalendarExport calendar;
  calendar.location = location;
  calendar.stamp = NowGmt();
  for (const ExportRow& row : table.rows) {
    const std::string& direction = row.values[0];
    const std::string& rate = row.values[1];
    std::string summary = "Stream " + row.values[2];
    if (!rate.empty()) summary += " " + rate + " " + units;
    if (!direction.empty()) summary += " " + direction + "\xB0";
    calendar.events.push_back({row.time.addMinutes(displayToGmtMinutes), summary, row.values[2]});
  }
  return calendar;
}

}  // namespace saltmark::cli
