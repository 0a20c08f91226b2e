#pragma once
// --format text|csv|json|ics for the listing subcommands, and the rows each
// listing gives the other forms. Text is the listing as it always was; CSV
// and JSON hold one row per event or sample; iCalendar one event per high or
// low water (or per stream event, or per sun and moon event) and is refused
// for listings of regular samples.
#include <CLI/CLI.hpp>

#include <string>

#include "common/DateTime.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"
#include "tables/EventExport.h"
#include "tables/TableRowsExport.h"

namespace saltmark::cli {

enum class ListingFormat { Text, Csv, Json, Ics };

// Adds --format; `ics` only when the listing can hold calendar events.
void addFormatOption(CLI::App& command, std::string& format);
ListingFormat readFormat(const std::string& format);

// Prints the table in CSV or JSON, or the calendar (UTF-8).
void printTable(const ExportTable& table, ListingFormat format);
void printCalendar(const CalendarExport& calendar);

// The port's position in degrees for GEO, when it has one.
std::optional<std::pair<double, double>> PortGeo(const LocationRecord& port);

// The current moment, GMT, for the calendar's DTSTAMP.
DateTime NowGmt();

}  // namespace saltmark::cli
