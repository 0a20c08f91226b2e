#pragma once
// The rows of a tide or stream table, as the viewer shows them, for a
// spreadsheet (CSV), a script (JSON) or a calendar (iCalendar), and the
// viewer's export of them to a file.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "common/DateTime.h"
#include "tables/EventExport.h"

namespace saltmark {

// What the export needs to know besides the text.
struct TableExportContext {
  bool streamTable = false;
  bool metric = true;                           // tide heights in metres, else feet
  int utcOffsetMinutes = 0;                     // the table's time base less GMT
  std::string location;                         // the port (or stations) named in calendars
  std::optional<std::pair<double, double>> geo;  // latitude, longitude in degrees
  std::string streamKind;                       // "peak", "slack", "fastest"; empty for other listings
  bool rateFirst = false;                       // the fastest listing puts the rate before the direction
  std::string speedUnits = "knots";
};

// Latitude and longitude texts as degrees, when both can be read.
std::optional<std::pair<double, double>> GeoFromTexts(std::string_view latitude, std::string_view longitude);

// Tide rows: height (in the table's unit, named by it), kind, and the
// clearance when the table has one.
ExportTable TideTableExport(std::string_view tableText, bool metric, int utcOffsetMinutes);
// Stream rows: direction, rate and the kind of event (`kind` for events,
// the row's own label for the below-speed rows).
ExportTable StreamTableExport(std::string_view tableText, const std::string& kind, bool rateFirst,
                              int utcOffsetMinutes);
ExportTable TableRowsForExport(std::string_view tableText, const TableExportContext& context);

// Calendar events: one per high and low water of a tide table, one per row
// of a stream table of events.
CalendarExport TableCalendar(std::string_view tableText, const TableExportContext& context, DateTime stamp);

inline constexpr std::string_view kCsvFileTitle = "Export Table as CSV";
inline constexpr std::string_view kCsvFileFilter = "CSV Files (*.csv);;All Files (*)";
inline constexpr std::string_view kCsvFileName = "table.csv";
inline constexpr std::string_view kIcsFileTitle = "Export Table as iCalendar";
inline constexpr std::string_view kIcsFileFilter = "iCalendar Files (*.ics);;All Files (*)";
inline constexpr std::string_view kIcsFileName = "table.ics";

// Writes the contents atomically; on failure the message to show (the file
// name and the system's reason), nothing when it was written.
std::optional<std::string> SaveExportFile(const std::filesystem::path& path, std::string_view contents);

}  // namespace saltmark
