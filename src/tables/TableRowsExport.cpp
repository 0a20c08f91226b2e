#include "tables/TableRowsExport.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

#include "common/AtomicFile.h"
#include "locations/Positions.h"

namespace saltmark {
namespace {

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string field(const TableTextRow& row, std::size_t i) { return i < row.fields.size() ? row.fields[i] : ""; }

bool blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

std::optional<std::pair<double, double>> GeoFromTexts(std::string_view latitude, std::string_view longitude) {
  if (blank(latitude) || blank(longitude)) return std::nullopt;
  const double lat = ParseLatitude(kPositionTemplate, latitude) * 180 / std::numbers::pi;
  const double lon = ParseLongitude(kPositionTemplate, longitude) * 180 / std::numbers::pi;
  if (!std::isfinite(lat) || !std::isfinite(lon) || std::abs(lat) > 90) return std::nullopt;
  return std::pair{lat, lon};
}

ExportTable TideTableExport(std::string_view tableText, bool metric, int utcOffsetMinutes) {
  ExportTable table;
  table.utcOffsetMinutes = utcOffsetMinutes;
  table.columns = {{metric ? "height_m" : "height_ft", true}, {"kind", false}};
  const auto rows = ReadTableRows(tableText);
  bool clearance = false;
  for (const auto& row : rows) clearance = clearance || row.fields.size() > 2;
  if (clearance) table.columns.push_back({metric ? "ukc_m" : "ukc_ft", true});
  for (const auto& row : rows) {
    ExportRow out{row.time, {PlainHeightNumber(field(row, 0)), trimmed(field(row, 1))}};
    if (row.fields.size() == 1) out.values = {"", trimmed(field(row, 0))};  // a sun or moon row
    if (clearance) {
      const std::string ukc = field(row, 2);
      out.values.push_back(PlainHeightNumber(ukc.rfind("UKC", 0) == 0 ? ukc.substr(3) : ukc));
    }
    table.rows.push_back(std::move(out));
  }
  return table;
}

ExportTable StreamTableExport(std::string_view tableText, const std::string& kind, bool rateFirst,
                              int utcOffsetMinutes) {
  ExportTable table;
  table.utcOffsetMinutes = utcOffsetMinutes;
  table.columns = {{"direction_deg", true}, {"rate", true}, {"kind", false}};
  for (const auto& row : ReadTableRows(tableText)) {
    std::string direction = trimmed(field(row, rateFirst ? 1 : 0));
    std::string rate = trimmed(field(row, rateFirst ? 0 : 1));
    std::string rowKind = kind;
    if (!rate.empty() && !std::isdigit(static_cast<unsigned char>(rate.back()))) {  // a label, not a rate
      rowKind = rate;
      rate.clear();
    }
    table.rows.push_back({row.time, {direction, rate, rowKind}});
  }
  return table;
}

ExportTable TableRowsForExport(std::string_view tableText, const TableExportContext& context) {
  if (context.streamTable)
    return StreamTableExport(tableText, context.streamKind, context.rateFirst, context.utcOffsetMinutes);
  return TideTableExport(tableText, context.metric, context.utcOffsetMinutes);
}

CalendarExport TableCalendar(std::string_view tableText, const TableExportContext& context, DateTime stamp) {
  CalendarExport calendar;
  calendar.location = context.location;
  calendar.geo = context.geo;
  calendar.stamp = stamp;
  const ExportTable table = TableRowsForExport(tableText, context);
  for (const ExportRow& row : table.rows) {
    const DateTime gmt = row.time.addMinutes(-context.utcOffsetMinutes);
    if (!context.streamTable) {
      const std::string& kind = row.values[1];
      if (kind != "HI" && kind != "LO") continue;
      std::string height = row.values[0] + " m";
      if (!context.metric) {  // the table's feet and inches as decimal feet, to the hundredth
        char b[32];
        std::snprintf(b, sizeof b, "%.2f ft", std::strtod(row.values[0].c_str(), nullptr));
        height = b;
      }
      calendar.events.push_back(
          {gmt, (kind == "HI" ? "High water " : "Low water ") + height, kind == "HI" ? "HW" : "LW"});
      continue;
    }
    const std::string& direction = row.values[0];
    const std::string& rate = row.values[1];
    if (row.values[2].empty()) continue;  // a row of the regular intervals: no event
    std::string summary = "Stream " + row.values[2];
    if (!rate.empty()) summary += " " + rate + " " + context.speedUnits;
    if (!direction.empty()) summary += " " + direction + "\xB0";
    calendar.events.push_back({gmt, summary, row.values[2]});
  }
  return calendar;
}

std::optional<std::string> SaveExportFile(const std::filesystem::path& path, std::string_view contents) {
  return saveFileOrSayWhy(path, contents, "The table could not be exported as ");
}

}  // namespace saltmark
