#include "tables/StreamTableGenerator.h"

#include <array>

#include "common/VbNumbers.h"
#include "tables/RankedRows.h"
#include "tables/StreamText.h"
#include "tables/TableHeader.h"
#include "tables/TablePeriod.h"
#include "tables/TimeText.h"
#include "tables/ZoneShift.h"

namespace saltmark {

namespace {

constexpr double kMaximumRankedCount = 32767;

std::string listLine(const StreamTableRequest& r) {
  std::string line = "LIST:" + std::string(StreamListingCaption(r.listing));
  switch (r.listing) {
    case StreamListing::RegularIntervals: line += " " + r.minutesText + r.regUnitsCaption; break;
    case StreamListing::BelowSpeed: line += " " + r.belowText + r.belowUnitsCaption; break;
    case StreamListing::Fastest: line += " " + r.fastestText + "\r\n"; break;
    default: break;
  }
  return line;
}

}  // namespace

std::string_view StreamListingCaption(StreamListing listing) {
  switch (listing) {
    case StreamListing::Slack: return "Slack Tide (Minimum)";
    case StreamListing::Peak: return "Peak Current";
    case StreamListing::RegularIntervals: return "Regular Intervals";
    case StreamListing::BelowSpeed: return "Below Speed of";
    case StreamListing::Fastest: return "Fastest ";
  }
  return {};
}

std::string_view SpeedUnitMenuCaption(int speedUnits) {
  static constexpr std::array<std::string_view, 4> kCaptions = {"knots", "miles per hour", "km per hour",
                                                               "m per second"};
  if (speedUnits < 0 || speedUnits >= static_cast<int>(kCaptions.size())) return {};
  return kCaptions[static_cast<std::size_t>(speedUnits)];
}

std::optional<std::string> CheckStreamTableRequest(const StreamTableRequest& r) {
  if (!(Val(r.daysText) > 0)) return "Please enter a number of days greater than 0.";
  if (r.listing == StreamListing::RegularIntervals && !(Val(r.minutesText) > 0))
    return "Please enter an interval of more than 0 minutes.";
  if (r.listing == StreamListing::Fastest) {
    const double count = Val(r.fastestText);
    if (!(count >= 0.5) || count > kMaximumRankedCount || CInt(count) < 1)
      return "Please enter a number of streams to list between 1 and 32767.";
  }
  return std::nullopt;
}

void WriteStreamTableHeader(const StreamTableRequest& r, TableRun run) {
  run.out.AppendTableLine("Saltmark Stream Table " + CreditNotice(r.creditYear));
  run.out.AppendTableLine(run.settings.vesselName);
  run.out.AppendTableLine("Location: " + r.locationText);
  for (const std::string& station : r.stations) run.out.AppendTableLine("Stream: " + station);
  run.out.AppendTableLine("Time Zone: " + r.zoneName);
  run.out.AppendTableLine("Start From: " + FormatDate(r.start) + " Time: " + FormatTimeHM(r.start) +
                          ". Duration: " + r.daysText + " days.");
  run.out.AppendTableLine("Tidal Stream Units: " + r.speedUnitCaption);
  run.out.AppendTableLine(listLine(r));
  run.out.AppendTableLine("");
}

JobOutcome GenerateStreamTable(const StreamTableRequest& r, StreamSource& streams, TableRun run) {
  if (auto refusal = CheckStreamTableRequest(r)) {
    run.platform.message(*refusal, MessageIcon::Exclamation);
    return JobOutcome::Refused;
  }
  run.out.ClearTableText();
  WriteStreamTableHeader(r, run);

  const DateTime end = r.start.addDays(Val(r.daysText));
  const bool intervals = r.listing == StreamListing::RegularIntervals;
  const double stepMinutes = intervals ? Val(r.minutesText) : kEventStepMinutes;
  const std::int64_t n = intervals ? IntervalStepCount(r.start, end, stepMinutes) : SixMinuteStepCount(r.start, end);
  const float threshold = Single(Val(r.belowText));
  std::optional<RankedRows> fastest;
  if (r.listing == StreamListing::Fastest)
    fastest.emplace(static_cast<std::size_t>(CInt(Val(r.fastestText))), -100.0f, RankedRows::Best::Highest);

  std::array<float, 5> w{};
  bool faster = false;
  for (std::int64_t i = 0; i <= n; ++i) {
    if (run.progress.cancelRequested()) return JobOutcome::Cancelled;
    run.progress.DrawProgress(i, n);
    const DateTime t = r.start.addMinutes(stepMinutes * static_cast<double>(i));
    const std::optional<StreamSample> sample = streams.streamAt(ShiftToDisplayZone(t, run.settings, run.portZone));
    if (!sample) return JobOutcome::Failed;
    w = {w[1], w[2], w[3], w[4], sample->rate};
    const bool windowFull = i > 4;
    const DateTime middleTime = r.start.addMinutes(stepMinutes * static_cast<double>(i - 2));
    const std::string newestDirection = FormatDegrees(sample->direction);

    switch (r.listing) {
      case StreamListing::Slack:
        if (windowFull && IsLowWater5(w[0], w[1], w[2], w[3], w[4], run.events))
          run.out.AppendTableLine(FormatTableRow(middleTime, newestDirection, FormatSpeed(w[2])));
        break;
      case StreamListing::Peak:
        if (windowFull && IsHighWater5(w[0], w[1], w[2], w[3], w[4], run.events))
          run.out.AppendTableLine(FormatTableRow(middleTime, newestDirection, FormatSpeed(w[2])));
        break;
      case StreamListing::RegularIntervals:
        run.out.AppendTableLine(FormatTableRow(t, newestDirection, FormatSpeed(sample->rate)));
        break;
      case StreamListing::BelowSpeed: {
        const float difference = sample->rate - threshold;
        if (i == 0) {
          faster = difference > 0;
          run.out.AppendTableLine(FormatTableRow(t, "", faster ? "STARTS FASTER " : "STARTS SLOWER "));
        } else if (difference > 0 && !faster) {
          faster = true;
          run.out.AppendTableLine(FormatTableRow(t, "", "FASTER   "));
        } else if (difference <= 0 && faster) {
          faster = false;
          run.out.AppendTableLine(FormatTableRow(t, "", "SLOWER   "));
        }
        break;
      }
      case StreamListing::Fastest:
        if (windowFull && IsHighWater5(w[0], w[1], w[2], w[3], w[4], run.events))
          fastest->offer(w[2], FormatTimeDate(middleTime) + "\t" + FormatSpeed(w[2]) + "\t" + newestDirection);
        break;
    }
  }
  if (fastest) fastest->write(run.out, true);
  return JobOutcome::Completed;
}

}  // namespace saltmark
