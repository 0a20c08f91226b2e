#include "tables/TideTableGenerator.h"

#include <gtest/gtest.h>

#include "GeneratorTestSupport.h"
#include "platform/ScriptedPlatform.h"
#include "tables/TableHeader.h"

namespace saltmark {
namespace {

using test::CurveHeights;
using test::RecordingProgress;

DateTime startInstant() { return DateTime::fromCivil(2026, 12, 5, 0, 0); }

// A table run on a made-up curve, with its settings, request and results.
struct TideTable {
  TideTable() {
    settings.vesselName = "MV Tern";
    port.portName = "Testport";
    port.portZone = "0";
    port.positionText = "50\xB0" "48'N  1\xB0" "07'W";
    request.start = startInstant();
    request.locationText = PortLocationText(port);
    request.zoneName = "GMT";
    request.creditYear = 2026;
  }

  JobOutcome run(TideHeightSource& heights) {
    return GenerateTideTable(request, heights, TableRun{settings, port.portZone, text, progress, platform, events});
  }
  JobOutcome runCurve(std::function<double(double)> curve = test::twiceDaily) {
    CurveHeights heights(startInstant(), std::move(curve));
    return run(heights);
  }
  // The lines after the header's empty line.
  std::string body() const {
    const std::string& all = text.text();
    const auto gap = all.find("\r\n\r\n");
    return gap == std::string::npos ? std::string() : all.substr(gap + 4);
  }

  Settings settings;
  LocationRecord port;
  TideTableRequest request;
  TableTextBuffer text;
  RecordingProgress progress;
  ScriptedPlatform platform;
  WaterEventCounter events;
};

TEST(TideTable, HighAndLowWatersWithHeader) {
  TideTable t;
  ASSERT_EQ(t.runCurve(), JobOutcome::Completed);
  EXPECT_EQ(t.text.text(),
            "Saltmark Tide Table (c) 2026 Saltmark - not for navigation\r\n"
            "MV Tern\r\n"
            "Location:  Testport 50\xB0" "48'N  1\xB0" "07'W\r\n"
            "Time Zone: GMT\r\n"
            "Start From: 05 Dec 2026 Time: 00:00. Duration: 1 days\r\n"
            "Listing of: High /  Low Waters : High Low\r\n"
            "Units: Metres\r\n"
            "\r\n"
            "05 Dec 2026 03:00\t3.50\tHI\r\n"
            "05 Dec 2026 09:00\t0.50\tLO\r\n"
            "05 Dec 2026 15:00\t3.50\tHI\r\n"
            "05 Dec 2026 21:00\t0.50\tLO\r\n");
  EXPECT_EQ(t.events.count(), 4);
  EXPECT_TRUE(t.platform.messages.empty());
  ASSERT_EQ(t.progress.drawnSteps.size(), 61u);  // every fourth step: 0, 4, ..., 240
  EXPECT_EQ(t.progress.drawnSteps.back(), 240);
  EXPECT_EQ(t.progress.lastCount, 240);
  EXPECT_EQ(t.progress.questions, 241);
}

// One day of samples (six minutes apart) flat at 1 with tops of 2 at the given samples.
std::function<double(double)> flatWithPeaks(std::initializer_list<int> peaks) {
  std::vector<double> values(241, 1.0);
  for (int p : peaks) values[static_cast<std::size_t>(p)] = 2.0;
  return test::sampled(values);
}

// Tops at samples 10, 20, ... with the given heights, on a base of 0.
std::function<double(double)> peaksOf(std::vector<double> tops) {
  std::vector<double> values(241, 0.0);
  for (std::size_t k = 0; k < tops.size(); ++k) values[10 * (k + 1)] = tops[k];
  return test::sampled(values);
}

// Each listing's caption lines and rows. Ranked listings put the best first, ties earlier first.
TEST(TideTable, EachListingGivesItsCaptionAndRows) {
  using Set = std::function<void(TideTableRequest&, Settings&)>;
  const Set clearance = [](TideTableRequest& r, Settings& s) {
    r.clearance = ClearanceBox::Ticked;
    s.chartedDepth = 2.0f;
    s.draught = 1.5f;
  };
  const Set passage = [](TideTableRequest& r, Settings&) {
    r.listing = TideListing::Passage;
    r.clearance = ClearanceBox::Greyed;
  };
  auto draught = [&](float feet) {
    return Set([=](TideTableRequest& r, Settings& s) {
      passage(r, s);
      s.draught = feet;
    });
  };
  auto ranked = [](TideListing listing, const char* count, Set more = {}) {
    return Set([=](TideTableRequest& r, Settings& s) {
      r.listing = listing;
      r.highestText = r.lowestText = count;
      if (more) more(r, s);
    });
  };
  const Set highs = [](TideTableRequest& r, Settings&) { r.low = false; };
  const DateTime day = startInstant();
  const Set sunMoon = [day](TideTableRequest& r, Settings&) {
    r.sunMoonRows = {{day.addMinutes(120), "A"}, {day.addMinutes(600), "B"}, {day.addMinutes(1439), "C"},
                     {day.addMinutes(1440), "D"}};
  };
  const struct {
    const char* name;
    Set set;
    std::function<double(double)> curve;
    const char* caption;  // a part of the header, or null
    const char* rows;
  } cases[] = {
      {"low waters with the clearance",
       [&](auto& r, auto& s) {
         clearance(r, s);
         r.high = false;
       }, test::twiceDaily,
       "Listing of: High /  Low Waters :  Low\r\nAnd Under Keel Clearance.\r\n"
       "Additional Input Data. Charted Depth = 2.00   Vessel Draught = 1.50.\r\nUnits: Metres\r\n\r\n",
       "05 Dec 2026 09:00\t0.50\tLO\tUKC  1.0 \r\n"
       "05 Dec 2026 21:00\t0.50\tLO\tUKC  1.0 \r\n"},
      {"high waters in feet and inches", [](auto& r, auto& s) {
         s.metricUnits = kFalse;
         r.low = false;
       },
       [](double m) { return 3.0 * test::twiceDaily(m); },
       "Listing of: High /  Low Waters : High \r\nUnits: Ft and inches\r\n\r\n",
       "05 Dec 2026 03:00\t 10' 6 \tHI\r\n"
       "05 Dec 2026 15:00\t 10' 6 \tHI\r\n"},
      {"sun and moon rows go among the waters", sunMoon, test::twiceDaily, nullptr,
       "A\r\n05 Dec 2026 03:00\t3.50\tHI\r\n05 Dec 2026 09:00\t0.50\tLO\r\nB\r\n"
       "05 Dec 2026 15:00\t3.50\tHI\r\n05 Dec 2026 21:00\t0.50\tLO\r\nC\r\nD\r\n"},
      // The detector needs two samples after a top and starts when its window holds samples 1..5.
      {"tops at the first samples", highs, flatWithPeaks({1, 2}), nullptr, ""},
      {"a top at the fourth sample", highs, flatWithPeaks({3}), nullptr,
       "05 Dec 2026 00:18\t2.00\tHI\r\n"},
      {"a top at the last but one", highs, flatWithPeaks({239}), nullptr, ""},
      {"a top at the last", highs, flatWithPeaks({240}), nullptr, ""},
      {"a top at the last but two", highs, flatWithPeaks({238}), nullptr,
       "05 Dec 2026 23:48\t2.00\tHI\r\n"},
      {"a plateau gives the later", highs, flatWithPeaks({100, 101}), nullptr,
       "05 Dec 2026 10:06\t2.00\tHI\r\n"},
      // Three hours at 30 minutes: 6 steps, 7 rows.
      {"regular intervals include both ends",
       [&](auto& r, auto& s) {
         clearance(r, s);
         s.chartedDepth = s.draught = 0;
         r.listing = TideListing::RegularIntervals;
         r.minutesText = "30";
         r.daysText = "0.125";
       },
       [](double m) { return m / 100.0; },
       "Start From: 05 Dec 2026 Time: 00:00. Duration: 0.125 days\r\nListing of: Regular Intervals (mins) 30\r\n",
       "05 Dec 2026 00:00\t0.00\t\tUKC  0.0 \r\n"
       "05 Dec 2026 00:30\t0.30\t\tUKC  0.3 \r\n"
       "05 Dec 2026 01:00\t0.60\t\tUKC  0.6 \r\n"
       "05 Dec 2026 01:30\t0.90\t\tUKC  0.9 \r\n"
       "05 Dec 2026 02:00\t1.20\t\tUKC  1.2 \r\n"
       "05 Dec 2026 02:30\t1.50\t\tUKC  1.5 \r\n"
       "05 Dec 2026 03:00\t1.80\t\tUKC  1.8 \r\n"},
      // Afloat while 2 + 1.5 cos(...) > 3, that is within 96.4 minutes of high water.
      {"times of passage", draught(3.0f), test::twiceDaily,
       "Listing of: Times of Passage\r\n"
       "Additional Input Data. Charted Depth = 0.00   Vessel Draught = 3.00.\r\n",
       "05 Dec 2026 00:00\t\tAGROUND\r\n"
       "05 Dec 2026 01:24\t\tFLOATS \r\n"
       "05 Dec 2026 04:42\t\tGROUNDS\r\n"
       "05 Dec 2026 13:24\t\tFLOATS \r\n"
       "05 Dec 2026 16:42\t\tGROUNDS\r\n"},
      {"a clearance of exactly zero is aground", draught(1.0f),
       [](double) { return 1.0; }, nullptr, "05 Dec 2026 00:00\t\tAGROUND\r\n"},
      {"above zero afloat", draught(0.5f), [](double) { return 1.0; },
       nullptr, "05 Dec 2026 00:00\t\tAFLOAT \r\n"},
      {"highest 3", ranked(TideListing::Highest, "3", sunMoon), peaksOf({1.0, 3.0, 2.0, 3.0, 0.5}),
       "Listing of: Highest 3\r\n",
       "02:00 05 Dec 2026\t3.00\tHI \r\n"
       "04:00 05 Dec 2026\t3.00\tHI \r\n"
       "03:00 05 Dec 2026\t2.00\tHI \r\n"},
      {"fewer waters than asked", ranked(TideListing::Highest, "3"), peaksOf({1.0, 2.0}), nullptr,
       "02:00 05 Dec 2026\t2.00\tHI \r\n"
       "01:00 05 Dec 2026\t1.00\tHI \r\n"},
      {"lowest 2", ranked(TideListing::Lowest, "2"), peaksOf({-1.0, -3.0, -2.0, -3.0}), "Listing of: Lowest 2\r\n",
       "02:00 05 Dec 2026\t-3.00\tLO \r\n"
       "04:00 05 Dec 2026\t-3.00\tLO \r\n"},
      {"highest with the clearance", ranked(TideListing::Highest, "1", clearance), peaksOf({1.0, 3.0}),
       "And Under Keel Clearance.\r\n", "02:00 05 Dec 2026\t3.00\tHI \tUKC  3.5 \r\n"},
      {"lowest with the clearance", ranked(TideListing::Lowest, "1", clearance), peaksOf({-1.0, -3.0}),
       "And Under Keel Clearance.\r\n", "02:00 05 Dec 2026\t-3.00\tLO \tUKC -2.5 \r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TideTable t;
    c.set(t.request, t.settings);
    ASSERT_EQ(t.runCurve(c.curve), JobOutcome::Completed);
    if (c.caption) {
      EXPECT_NE(t.text.text().find(c.caption), std::string::npos) << t.text.text();
    }
    EXPECT_EQ(t.body(), c.rows);
  }
}

TEST(TideTable, SamplesAreShiftedIntoThePortsTimeBaseButShownUnshifted) {
  TideTable t;
  t.port.portZone = "-1";  // an hour east of Greenwich: port time = GMT + 1 h
  t.request.listing = TideListing::RegularIntervals;
  t.request.minutesText = "60";
  t.request.daysText = "0.1";
  CurveHeights heights(startInstant(), [](double) { return 1.0; });
  ASSERT_EQ(t.run(heights), JobOutcome::Completed);
  ASSERT_EQ(heights.asked.size(), 3u);  // 144 minutes / 60 rounds to 2 steps
  EXPECT_EQ(heights.asked[0], startInstant().addMinutes(60));
  EXPECT_EQ(heights.asked[2], startInstant().addMinutes(180));
  EXPECT_EQ(t.body().substr(0, 17), "05 Dec 2026 00:00");
}

TEST(TideTable, AbortStopsAtTheNextStepKeepingTheLinesSoFar) {
  TideTable t;
  RecordingProgress cancelling(80);
  CurveHeights heights(startInstant(), test::twiceDaily);
  EXPECT_EQ(GenerateTideTable(t.request, heights,
                              TableRun{t.settings, t.port.portZone, t.text, cancelling, t.platform, t.events}),
            JobOutcome::Cancelled);
  EXPECT_EQ(heights.asked.size(), 80u);
  EXPECT_EQ(t.body(), "05 Dec 2026 03:00\t3.50\tHI\r\n");  // 80 samples reach 07:54, before the low water
}

TEST(TideTable, BadNumbersAreRefusedBeforeTheRun) {
  const struct {
    TideListing listing;
    const char* days;
    const char* count;  // minutes, highest or lowest as the listing needs
    bool refused;
  } cases[] = {
      {TideListing::HighLow, "0", "1", true},           {TideListing::HighLow, "-2", "1", true},
      {TideListing::Passage, "many", "1", true},        {TideListing::RegularIntervals, "1", "0", true},
      {TideListing::RegularIntervals, "1", "", true},   {TideListing::RegularIntervals, "1", "15", false},
      {TideListing::Highest, "1", "0.4", true},         {TideListing::Highest, "1", "40000", true},
      {TideListing::Lowest, "1", "1", false},           {TideListing::Lowest, "1", "0", true},
      {TideListing::HighLow, "1", "0", false},  // the count is not read
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.days) + " / " + c.count);
    TideTable t;
    t.request.listing = c.listing;
    t.request.daysText = c.days;
    t.request.minutesText = t.request.highestText = t.request.lowestText = c.count;
    t.text.AppendTableLine("previous table");
    CurveHeights heights(startInstant(), test::twiceDaily);
    EXPECT_EQ(t.run(heights), c.refused ? JobOutcome::Refused : JobOutcome::Completed);
    EXPECT_EQ(t.platform.messages.size(), c.refused ? 1u : 0u);
    if (!c.refused) continue;
    EXPECT_EQ(t.platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(heights.asked.empty());
    EXPECT_EQ(t.text.text(), "previous table\r\n");
  }
}

}  // namespace
}  // namespace saltmark
