#pragma once
// The tide table: a header saying what was listed and for whom, then one line
// per event of one of five listings, written into the table viewer's text.
//
// The period runs from the start instant for the number of days typed. Every
// sample time is moved into the port's time base (ShiftToDisplayZone) before
// the height is asked for; rows always show the unshifted time. Each step
// first looks at the Abort flag (stopping at once, the lines so far kept)
// and reports its progress.
//
//   HighLow           every 6 minutes; the five-sample detectors find the
//                     waters, reported at the time of the middle sample, so
//                     an event at one of the first three or the last two
//                     samples of the period is not reported
//   RegularIntervals  a row every `minutes`
//   Passage           every 6 minutes; clearance = charted depth + height -
//                     draught: the first row says "AFLOAT " or "AGROUND",
//                     later rows "FLOATS " and "GROUNDS" where it crosses
//                     zero (exactly 0 counts as aground)
//   Highest, Lowest   the K highest high waters (lowest low waters), best
//                     first; of equal heights the earlier first
//
// Row: "dd mmm yyyy hh:nn", TAB, height text, TAB, label, and with the
// clearance box ticked (not greyed) TAB and the clearance ("UKC  1.2 ").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/DateTime.h"
#include "data/Settings.h"
#include "platform/Platform.h"
#include "tables/HeightSource.h"
#include "tables/JobProgress.h"
#include "tables/TableText.h"
#include "tables/WaterDetectors.h"

namespace saltmark {

enum class TideListing { HighLow = 0, RegularIntervals = 1, Passage = 2, Highest = 3, Lowest = 4 };

// The clearance check box: greyed for the times of passage, which always use
// the clearance.
enum class ClearanceBox { Unticked = 0, Ticked = 1, Greyed = 2 };

// The dialog's captions, which the header repeats.
std::string_view TideListingCaption(TideListing listing);  // "High /  Low Waters", ...
inline constexpr std::string_view kHighBoxCaption = "High";
inline constexpr std::string_view kLowBoxCaption = "Low";

// What the tide table settings dialog holds when Calculate is pressed. The
// numbers stay text, as typed, and are read by their leading number.
struct TideTableRequest {
  DateTime start;
  std::string daysText = "1";
  TideListing listing = TideListing::HighLow;
  bool high = true;                 // chk_hilo(0)
  bool low = true;                  // chk_hilo(1)
  std::string minutesText = "60";   // Mins_Box
  std::string highestText = "5";    // Highest
  std::string lowestText = "5";     // Lowest
  ClearanceBox clearance = ClearanceBox::Unticked;
  std::string locationText;         // PortLocationText or SecondaryPortLocationText
  std::string zoneName;             // the display time zone's name
  int creditYear = 2026;            // CurrentYear() in the program
  // With the "Sun and Moon" box ticked, the high and low water listing also
  // shows these rows (sunrise, moon phases, ...), each in time order among
  // the tide rows: the instant (display time base) and the row's whole text.
  // Empty by default, so the table is as it always was.
  std::vector<std::pair<DateTime, std::string>> sunMoonRows;
};

// What a table run reads and writes besides the request.
struct TableRun {
  const Settings& settings;   // vessel, draught, charted depth, units, time base
  std::string_view portZone;  // the port's zone text, for ShiftToDisplayZone
  TableText& out;
  JobProgress& progress;
  Platform& platform;
  WaterEventCounter& events;
};

// Why a request cannot run, or nullopt when it can: a number of days that is
// not positive, an interval that is not positive (regular intervals), a count
// below 1 or above 32767 (highest, lowest).
std::optional<std::string> CheckTideTableRequest(const TideTableRequest& request);

// Refused requests show CheckTideTableRequest's message (exclamation icon)
// and write nothing. A failing height computation (RuntimeError) is left to
// the caller, with the lines written so far kept.
JobOutcome GenerateTideTable(const TideTableRequest& request, TideHeightSource& heights, TableRun run);

// The header lines, as GenerateTideTable writes them first.
void WriteTideTableHeader(const TideTableRequest& request, TableRun run);

}  // namespace saltmark
