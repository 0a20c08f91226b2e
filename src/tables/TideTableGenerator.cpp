#include "tables/TideTableGenerator.h"

#include <array>
#include <vector>

#include "common/VbNumbers.h"
#include "tables/HeightText.h"
#include "tables/RankedRows.h"
#include "tables/TableHeader.h"
#include "tables/TablePeriod.h"
#include "tables/TimeText.h"
#include "tables/ZoneShift.h"

namespace saltmark {

namespace {

constexpr std::int64_t kMaximumRankedCount = 32767;

// The last five samples, oldest first, and the time of the middle one.
struct SampleWindow {
  std::array<float, 5> h{};
  void push(float height) {
    h[0] = h[1];
    h[1] = h[2];
    h[2] = h[3];
    h[3] = h[4];
    h[4] = height;
  }
  bool high(WaterEventCounter& events) const { return IsHighWater5(h[0], h[1], h[2], h[3], h[4], events); }
  bool low(WaterEventCounter& events) const { return IsLowWater5(h[0], h[1], h[2], h[3], h[4], events); }
  float middle() const { return h[2]; }
};

DateTime sampleTime(DateTime start, double stepMinutes, std::int64_t i) {
  return start.addMinutes(stepMinutes * static_cast<double>(i));
}

void WriteTideRow(const TideTableRequest& request, TableRun& run, DateTime time, std::string_view label,
                  std::string_view heightText) {
  std::string row = FormatTableRow(time, heightText, label);
  if (request.clearance == ClearanceBox::Ticked) {
    row += '\t';
    row += FormatUkc(heightText, run.settings, run.platform);
  }
  run.out.AppendTableLine(row);
}

std::string listingLine(const TideTableRequest& request) {
  std::string line = "Listing of: ";
  line += TideListingCaption(request.listing);
  switch (request.listing) {
    case TideListing::HighLow:
      line += " : ";
      if (request.high) line += kHighBoxCaption;
      line += ' ';
      if (request.low) line += kLowBoxCaption;
      break;
    case TideListing::RegularIntervals: line += " " + request.minutesText; break;
    case TideListing::Passage: break;
    case TideListing::Highest: line += " " + request.highestText; break;
    case TideListing::Lowest: line += " " + request.lowestText; break;
  }
  return line;
}

const std::string& countText(const TideTableRequest& request) {
  return request.listing == TideListing::Highest ? request.highestText : request.lowestText;
}

}  // namespace

std::string_view TideListingCaption(TideListing listing) {
  switch (listing) {
    case TideListing::HighLow: return "High /  Low Waters";
    case TideListing::RegularIntervals: return "Regular Intervals (mins)";
    case TideListing::Passage: return "Times of Passage";
    case TideListing::Highest: return "Highest";
    case TideListing::Lowest: return "Lowest";
  }
  return {};
}

std::optional<std::string> CheckTideTableRequest(const TideTableRequest& request) {
  if (!(Val(request.daysText) > 0)) return "Please enter a number of days greater than 0.";
  if (request.listing == TideListing::RegularIntervals && !(Val(request.minutesText) > 0))
    return "Please enter an interval of more than 0 minutes.";
  if (request.listing == TideListing::Highest || request.listing == TideListing::Lowest) {
    const double count = Val(countText(request));
    if (!(count >= 0.5) || count > kMaximumRankedCount || CInt(count) < 1)
      return "Please enter a number of tides to list between 1 and 32767.";
  }
  return std::nullopt;
}

void WriteTideTableHeader(const TideTableRequest& request, TableRun run) {
  const Settings& s = run.settings;
  run.out.AppendTableLine("Saltmark Tide Table " + CreditNotice(request.creditYear));
  run.out.AppendTableLine(s.vesselName);
  run.out.AppendTableLine("Location:  " + request.locationText);
  run.out.AppendTableLine("Time Zone: " + request.zoneName);
  run.out.AppendTableLine("Start From: " + FormatDate(request.start) + " Time: " + FormatTimeHM(request.start) +
                          ". Duration: " + request.daysText + " days");
  run.out.AppendTableLine(listingLine(request));
  if (request.clearance == ClearanceBox::Ticked) run.out.AppendTableLine("And Under Keel Clearance.");
  if (request.clearance != ClearanceBox::Unticked)
    run.out.AppendTableLine("Additional Input Data. Charted Depth = " + FormatHeight2(s.chartedDepth, s) +
                            "   Vessel Draught = " + FormatHeight2(s.draught, s) + ".");
  run.out.AppendTableLine("Units: " + UnitsCaption(s));
  run.out.AppendTableLine("");
}

JobOutcome GenerateTideTable(const TideTableRequest& request, TideHeightSource& heights, TableRun run) {
  if (auto refusal = CheckTideTableRequest(request)) {
    run.platform.message(*refusal, MessageIcon::Exclamation);
    return JobOutcome::Refused;
  }
  const Settings& s = run.settings;
  run.out.ClearTableText();
  WriteTideTableHeader(request, run);

  const DateTime end = request.start.addDays(Val(request.daysText));
  const bool intervals = request.listing == TideListing::RegularIntervals;
  const double stepMinutes = intervals ? Val(request.minutesText) : kEventStepMinutes;
  const std::int64_t n =
      intervals ? IntervalStepCount(request.start, end, stepMinutes) : SixMinuteStepCount(request.start, end);

  std::optional<RankedRows> ranked;
  if (request.listing == TideListing::Highest || request.listing == TideListing::Lowest) {
    const bool highest = request.listing == TideListing::Highest;
    ranked.emplace(static_cast<std::size_t>(CInt(Val(countText(request)))), highest ? -100.0f : 100.0f,
                   highest ? RankedRows::Best::Highest : RankedRows::Best::Lowest);
  }

  SampleWindow window;
  bool afloat = false;
  // Sun and moon rows go in before the first tide row that is later.
  auto nextSky = request.sunMoonRows.begin();
  const bool withSky = request.listing == TideListing::HighLow;
  const auto skyRowsBefore = [&](DateTime limit, bool inclusive) {
    for (; withSky && nextSky != request.sunMoonRows.end() &&
           (nextSky->first < limit || (inclusive && nextSky->first == limit));
         ++nextSky)
      run.out.AppendTableLine(nextSky->second);
  };
  for (std::int64_t i = 0; i <= n; ++i) {
    if (run.progress.cancelRequested()) return JobOutcome::Cancelled;
    run.progress.DrawProgress(i, n);
    const DateTime t = sampleTime(request.start, stepMinutes, i);
    const float height = heights.heightAt(ShiftToDisplayZone(t, s, run.portZone));
    window.push(height);
    const bool windowFull = i > 4;
    const DateTime middleTime = sampleTime(request.start, stepMinutes, i - 2);

    switch (request.listing) {
      case TideListing::HighLow:
        if (!windowFull) break;
        skyRowsBefore(middleTime, false);
        if (request.high && window.high(run.events))
          WriteTideRow(request, run, middleTime, "HI", FormatHeight2(window.middle(), s));
        if (request.low && window.low(run.events))
          WriteTideRow(request, run, middleTime, "LO", FormatHeight2(window.middle(), s));
        break;
      case TideListing::RegularIntervals:
        WriteTideRow(request, run, t, "", FormatHeight2(height, s));
        break;
      case TideListing::Passage: {
        const float clearance = s.chartedDepth + height - s.draught;
        if (i == 0) {
          afloat = clearance > 0;
          WriteTideRow(request, run, t, afloat ? "AFLOAT " : "AGROUND", "");
        } else if (clearance > 0 && !afloat) {
          afloat = true;
          WriteTideRow(request, run, t, "FLOATS ", "");
        } else if (clearance <= 0 && afloat) {
          afloat = false;
          WriteTideRow(request, run, t, "GROUNDS", "");
        }
        break;
      }
      case TideListing::Highest:
      case TideListing::Lowest: {
        if (!windowFull) break;
        const bool highest = request.listing == TideListing::Highest;
        if (highest ? window.high(run.events) : window.low(run.events)) {
          const float c = window.middle();
          const std::string heightText = FormatHeight2(c, s);
          std::string entry = FormatTimeDate(middleTime) + "\t" + heightText + "\t" + (highest ? "HI " : "LO ");
          // The header promised the clearance: each row carries it, as in the high/low listing.
          if (request.clearance == ClearanceBox::Ticked) entry += "\t" + FormatUkc(heightText, s, run.platform);
          ranked->offer(c, std::move(entry));
        }
        break;
      }
    }
  }
  skyRowsBefore(end, true);
  if (ranked) ranked->write(run.out, false);
  return JobOutcome::Completed;
}

}  // namespace saltmark
