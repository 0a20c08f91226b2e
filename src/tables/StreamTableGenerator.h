#pragma once
// The stream table: a header, then one line per event of one of five
// listings of the stream at the chosen stream stations.
//
//   Slack             every 6 minutes; the slack waters, that is the minima
//                     of the rate (the low-water detector on the rate)
//   Peak              every 6 minutes; the maxima of the rate
//   RegularIntervals  a row every `minutes`
//   BelowSpeed        every 6 minutes; "STARTS FASTER " or "STARTS SLOWER "
//                     at the start, then "FASTER   " and "SLOWER   " where the
//                     rate crosses the threshold (equal counts as slower)
//   Fastest           the K fastest peaks, numbered from 1, fastest first
//
// Rows: "dd mmm yyyy hh:nn", TAB, direction "000", TAB, rate; events are
// reported at the time of the middle of the five samples with the direction
// of the newest sample. As in the tide table, every sample time is moved
// into the reference port's time base with ShiftToDisplayZone before the
// stream is computed (so the table agrees with the stream graph), and rows
// show the unshifted time.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/DateTime.h"
#include "tables/JobProgress.h"
#include "tables/TideTableGenerator.h"

namespace saltmark {

enum class StreamListing { Slack = 0, Peak = 1, RegularIntervals = 2, BelowSpeed = 3, Fastest = 4 };

std::string_view StreamListingCaption(StreamListing listing);  // "Slack Tide (Minimum)", ...

// The main window's speed unit captions by speedUnits (0..3): "knots",
// "miles per hour", "km per hour", "m per second"; empty for other values.
std::string_view SpeedUnitMenuCaption(int speedUnits);

struct StreamSample {
  float rate = 0;
  std::int16_t direction = 0;
};

// The summed stream of the chosen stations at an instant in the reference
// port's time base; nothing when it cannot be computed (the engine has shown
// why).
class StreamSource {
 public:
  virtual ~StreamSource() = default;
  virtual std::optional<StreamSample> streamAt(DateTime portInstant) = 0;
};

struct StreamTableRequest {
  DateTime start;
  std::string daysText = "1";
  StreamListing listing = StreamListing::Peak;
  std::string minutesText = "60";   // mins_box
  std::string regUnitsCaption = "mins";
  std::string belowText = "1";      // Below
  std::string belowUnitsCaption;    // below_units: the speed unit caption
  std::string fastestText = "5";    // fastest
  std::string locationText;         // the location title
  std::vector<std::string> stations;  // per station in use: its name, a blank, its percentage text
  std::string zoneName;
  std::string speedUnitCaption;     // SpeedUnitMenuCaption(settings.speedUnits)
  int creditYear = 2026;
};

std::optional<std::string> CheckStreamTableRequest(const StreamTableRequest& request);

// run.portZone is the reference port's zone. Refused requests show their
// message and write nothing; Failed when the stream could not be computed
// (the lines so far stay).
JobOutcome GenerateStreamTable(const StreamTableRequest& request, StreamSource& streams, TableRun run);

void WriteStreamTableHeader(const StreamTableRequest& request, TableRun run);

}  // namespace saltmark
