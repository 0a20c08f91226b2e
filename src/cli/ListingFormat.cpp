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

}  // namespace saltmark::cli
