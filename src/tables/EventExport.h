#pragma once
// Listings for other programs: a spreadsheet (CSV), a script (JSON) or a
// calendar (iCalendar). A listing is rows of an instant and named columns;
// the instant is written in ISO 8601 with the offset of the time base it was
// listed in, so that a spreadsheet and a calendar place it on the same moment.
//
// A table the viewer shows can be read back into such rows: every line that
// starts with a date and time ("05 Dec 2026 14:05", or "14:05 05 Dec 2026"
// in the highest and lowest listings, after an optional rank) is a row, its
// TAB-separated fields the columns; header lines are skipped.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/DateTime.h"

namespace saltmark {

struct ExportColumn {
  std::string name;
  bool numeric = false;  // written bare in JSON (null when empty), else as a string
};

struct ExportRow {
  DateTime time;                    // in the listing's time base
  std::vector<std::string> values;  // one per column; numbers in plain decimal form
};

struct ExportTable {
  std::vector<ExportColumn> columns;  // after the time
  std::vector<ExportRow> rows;
  int utcOffsetMinutes = 0;           // listing time base less GMT, minutes (east positive)
};

// "2026-12-05T14:05:00+01:00".
std::string IsoInstant(DateTime time, int utcOffsetMinutes);

// A header line "time,<columns>" and one line per row, CR LF line ends;
// fields holding a comma, quote or line break are quoted.
std::string CsvText(const ExportTable& table);

// An array of objects {"time": ..., <column>: ...}, one per row.
std::string JsonText(const ExportTable& table);

// One calendar event: a moment (GMT) with a title. The key names the event
// within its port (its kind), so that exporting the same event again gives
// the same UID and a calendar updates it instead of adding a copy.
struct CalendarEvent {
  DateTime gmt;
  std::string summary;
  std::string key;
};

struct CalendarExport {
  std::string location;                      // the port's name
  std::optional<std::pair<double, double>> geo;  // latitude, longitude in degrees
  std::vector<CalendarEvent> events;
  DateTime stamp;                             // when the export was made, GMT
};

// A VCALENDAR with one VEVENT per event (RFC 5545: CR LF, lines folded at
// 75 octets, text escaped). The texts are 8-bit Latin-1 as the program holds
// them; they are written as UTF-8.
std::string IcsText(const CalendarExport& calendar);

// A row of the viewer's text: its instant and its TAB-separated fields.
struct TableTextRow {
  DateTime time;
  std::vector<std::string> fields;
};
std::vector<TableTextRow> ReadTableRows(std::string_view text);

// A height as the tables print it (" 4.23", "-12'11 ") as a plain decimal
// number in the same unit ("4.23", "-12.9166667"); empty when there is none.
std::string PlainHeightNumber(std::string_view heightText);

}  // namespace saltmark
