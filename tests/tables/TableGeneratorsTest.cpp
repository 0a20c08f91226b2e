// The tide and stream table generators on made-up curves and streams: the
// header, the rows of each listing, the time base, the abort and the refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "GeneratorTestSupport.h"
#include "almanac/SunMoonRows.h"
#include "platform/ScriptedPlatform.h"
#include "tables/StreamTableGenerator.h"
#include "tables/TableDialogRules.h"
#include "tables/TideTableGenerator.h"

namespace saltmark {
namespace {

using test::CurveHeights;
using test::RecordingProgress;
using test::sampled;
using test::twiceDaily;

DateTime tableStart() { return DateTime::fromCivil(2026, 12, 5, 0, 0); }

// What a run reads and writes besides the request, and the rows after the header's last empty line.
struct TableParts {
  TableParts() { settings.vesselName = "MV Tern"; }
  TableRun parts() { return TableRun{settings, portZone, text, progress, platform, events}; }
  std::string body() const {
    const std::string& all = text.text();
    const auto gap = all.rfind("\r\n\r\n");
    return gap == std::string::npos ? std::string() : all.substr(gap + 4);
  }

  Settings settings;
  std::string portZone = "0";
  TableTextBuffer text;
  RecordingProgress progress;
  ScriptedPlatform platform;
  WaterEventCounter events;
};

// A table run on a made-up curve.
struct TideTable : TableParts {
  TideTable() {
    request.start = tableStart();
    request.locationText = "Testport 50\xB0" "48'N  1\xB0" "07'W";
    request.zoneName = "GMT";
  }
  JobOutcome run(TideHeightSource& heights) { return GenerateTideTable(request, heights, parts()); }
  JobOutcome runCurve(std::function<double(double)> curve = twiceDaily) {
    CurveHeights heights(tableStart(), std::move(curve));
    return run(heights);
  }

  TideTableRequest request;
};

TEST(TideTable, HighAndLowWatersWithHeader) {
  TideTable t;
  ASSERT_EQ(t.runCurve(), JobOutcome::Completed);
  EXPECT_EQ(t.text.text(),
            "Saltmark Tide Table (c) 2026 Saltmark - not for navigation\r\nMV Tern\r\n"
            "Location:  Testport 50\xB0" "48'N  1\xB0" "07'W\r\nTime Zone: GMT\r\n"
            "Start From: 05 Dec 2026 Time: 00:00. Duration: 1 days\r\n"
            "Listing of: High /  Low Waters : High Low\r\nUnits: Metres\r\n\r\n"
            "05 Dec 2026 03:00\t3.50\tHI\r\n05 Dec 2026 09:00\t0.50\tLO\r\n"
            "05 Dec 2026 15:00\t3.50\tHI\r\n05 Dec 2026 21:00\t0.50\tLO\r\n");
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
  return sampled(values);
}

// Tops at samples 10, 20, ... with the given heights, on a base of 0.
std::function<double(double)> peaksOf(std::vector<double> tops) {
  std::vector<double> values(241, 0.0);
  for (std::size_t k = 0; k < tops.size(); ++k) values[10 * (k + 1)] = tops[k];
  return sampled(values);
}

// Each listing's caption lines and rows. Ranked listings put the best first, ties earlier first.
TEST(TideTable, EachListingGivesItsCaptionAndRows) {
  using Set = std::function<void(TideTableRequest&, Settings&)>;
  const Set clearance = [](TideTableRequest& r, Settings& s) {
    r.clearance = ClearanceBox::Ticked;
    s.chartedDepth = 2.0f;
    s.draught = 1.5f;
  };
  auto passage = [](float draught) {
    return Set([=](TideTableRequest& r, Settings& s) {
      r.listing = TideListing::Passage;
      r.clearance = ClearanceBox::Greyed;
      s.draught = draught;
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
  const DateTime day = tableStart();
  const Set sunMoon = [day](TideTableRequest& r, Settings&) {
    r.sunMoonRows = {{day.addMinutes(120), "A"}, {day.addMinutes(600), "B"}, {day.addMinutes(1439), "C"},
                     {day.addMinutes(1440), "D"}};
  };
  const auto level = [](double) { return 1.0; };
  const struct {
    const char* name;
    Set set;
    std::function<double(double)> curve;
    const char* caption;  // a part of the header, or empty
    const char* rows;
  } cases[] = {
      {"low waters with the clearance", [&](auto& r, auto& s) { clearance(r, s), r.high = false; }, twiceDaily,
       "Listing of: High /  Low Waters :  Low\r\nAnd Under Keel Clearance.\r\n"
       "Additional Input Data. Charted Depth = 2.00   Vessel Draught = 1.50.\r\nUnits: Metres\r\n\r\n",
       "05 Dec 2026 09:00\t0.50\tLO\tUKC  1.0 \r\n05 Dec 2026 21:00\t0.50\tLO\tUKC  1.0 \r\n"},
      {"high waters in feet and inches", [](auto& r, auto& s) { s.metricUnits = kFalse, r.low = false; },
       [](double m) { return 3.0 * twiceDaily(m); },
       "Listing of: High /  Low Waters : High \r\nUnits: Ft and inches\r\n\r\n",
       "05 Dec 2026 03:00\t 10' 6 \tHI\r\n05 Dec 2026 15:00\t 10' 6 \tHI\r\n"},
      {"sun and moon rows go among the waters", sunMoon, twiceDaily, "",
       "A\r\n05 Dec 2026 03:00\t3.50\tHI\r\n05 Dec 2026 09:00\t0.50\tLO\r\nB\r\n"
       "05 Dec 2026 15:00\t3.50\tHI\r\n05 Dec 2026 21:00\t0.50\tLO\r\nC\r\nD\r\n"},
      // The detector needs two samples after a top and starts when its window holds samples 1..5.
      {"tops at the first samples", highs, flatWithPeaks({1, 2}), "", ""},
      {"a top at the fourth sample", highs, flatWithPeaks({3}), "", "05 Dec 2026 00:18\t2.00\tHI\r\n"},
      {"a top at the last but one", highs, flatWithPeaks({239}), "", ""},
      {"a top at the last", highs, flatWithPeaks({240}), "", ""},
      {"a top at the last but two", highs, flatWithPeaks({238}), "", "05 Dec 2026 23:48\t2.00\tHI\r\n"},
      {"a plateau gives the later", highs, flatWithPeaks({100, 101}), "", "05 Dec 2026 10:06\t2.00\tHI\r\n"},
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
       "05 Dec 2026 00:00\t0.00\t\tUKC  0.0 \r\n05 Dec 2026 00:30\t0.30\t\tUKC  0.3 \r\n"
       "05 Dec 2026 01:00\t0.60\t\tUKC  0.6 \r\n05 Dec 2026 01:30\t0.90\t\tUKC  0.9 \r\n"
       "05 Dec 2026 02:00\t1.20\t\tUKC  1.2 \r\n05 Dec 2026 02:30\t1.50\t\tUKC  1.5 \r\n"
       "05 Dec 2026 03:00\t1.80\t\tUKC  1.8 \r\n"},
      // Afloat while 2 + 1.5 cos(...) > 3, that is within 96.4 minutes of high water.
      {"times of passage", passage(3.0f), twiceDaily,
       "Listing of: Times of Passage\r\nAdditional Input Data. Charted Depth = 0.00   Vessel Draught = 3.00.\r\n",
       "05 Dec 2026 00:00\t\tAGROUND\r\n05 Dec 2026 01:24\t\tFLOATS \r\n05 Dec 2026 04:42\t\tGROUNDS\r\n"
       "05 Dec 2026 13:24\t\tFLOATS \r\n05 Dec 2026 16:42\t\tGROUNDS\r\n"},
      {"a clearance of exactly zero is aground", passage(1.0f), level, "", "05 Dec 2026 00:00\t\tAGROUND\r\n"},
      {"above zero afloat", passage(0.5f), level, "", "05 Dec 2026 00:00\t\tAFLOAT \r\n"},
      {"highest 3", ranked(TideListing::Highest, "3", sunMoon), peaksOf({1.0, 3.0, 2.0, 3.0, 0.5}),
       "Listing of: Highest 3\r\n",
       "02:00 05 Dec 2026\t3.00\tHI \r\n04:00 05 Dec 2026\t3.00\tHI \r\n03:00 05 Dec 2026\t2.00\tHI \r\n"},
      {"fewer waters than asked", ranked(TideListing::Highest, "3"), peaksOf({1.0, 2.0}), "",
       "02:00 05 Dec 2026\t2.00\tHI \r\n01:00 05 Dec 2026\t1.00\tHI \r\n"},
      {"lowest 2", ranked(TideListing::Lowest, "2"), peaksOf({-1.0, -3.0, -2.0, -3.0}), "Listing of: Lowest 2\r\n",
       "02:00 05 Dec 2026\t-3.00\tLO \r\n04:00 05 Dec 2026\t-3.00\tLO \r\n"},
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
    EXPECT_NE(t.text.text().find(c.caption), std::string::npos) << t.text.text();
    EXPECT_EQ(t.body(), c.rows);
  }
}

TEST(TideTable, SamplesAreShiftedIntoThePortsTimeBaseButShownUnshifted) {
  TideTable t;
  t.portZone = "-1";  // an hour east of Greenwich: port time = GMT + 1 h
  t.request.listing = TideListing::RegularIntervals;
  t.request.minutesText = "60";
  t.request.daysText = "0.1";
  CurveHeights heights(tableStart(), [](double) { return 1.0; });
  ASSERT_EQ(t.run(heights), JobOutcome::Completed);
  ASSERT_EQ(heights.asked.size(), 3u);  // 144 minutes / 60 rounds to 2 steps
  EXPECT_EQ(heights.asked[0], tableStart().addMinutes(60));
  EXPECT_EQ(heights.asked[2], tableStart().addMinutes(180));
  EXPECT_EQ(t.body().substr(0, 17), "05 Dec 2026 00:00");
}

TEST(TideTable, AbortStopsAtTheNextStepKeepingTheLinesSoFar) {
  TideTable t;
  RecordingProgress cancelling(80);
  CurveHeights heights(tableStart(), twiceDaily);
  const TableRun run{t.settings, t.portZone, t.text, cancelling, t.platform, t.events};
  EXPECT_EQ(GenerateTideTable(t.request, heights, run), JobOutcome::Cancelled);
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
    CurveHeights heights(tableStart(), twiceDaily);
    EXPECT_EQ(t.run(heights), c.refused ? JobOutcome::Refused : JobOutcome::Completed);
    EXPECT_EQ(t.platform.messages.size(), c.refused ? 1u : 0u);
    if (!c.refused) continue;
    EXPECT_EQ(t.platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(heights.asked.empty());
    EXPECT_EQ(t.text.text(), "previous table\r\n");
  }
}

// A rectilinear stream: east (090) for six hours, west (270) for six, rate
// |1.5 cos|: peaks at 00:00, 06:00, ... and slack at 03:00, 09:00, ...
class TidalStream : public StreamSource {
 public:
  std::optional<StreamSample> streamAt(DateTime t) override {
    asked.push_back(t);
    if (failAt >= 0 && static_cast<long>(asked.size()) > failAt) return std::nullopt;
    const double minutes = static_cast<double>(t.linearMilliseconds() - tableStart().linearMilliseconds()) / 60000.0;
    const double v = 1.5 * std::cos(2 * M_PI * minutes / 720.0) * (1 + growth * minutes / 1440);
    return StreamSample{static_cast<float>(std::fabs(v)), static_cast<std::int16_t>(v >= 0 ? 90 : 270)};
  }
  std::vector<DateTime> asked;
  long failAt = -1;
  double growth = 0;  // of the rate per day
};

class StreamTableTest : public ::testing::Test, public TableParts {
 protected:
  StreamTableTest() {
    request.start = tableStart();
    request.locationText = "50\xB0" "45'N 1\xB0" "20'W";
    request.stations = {"Diamond A 50.0%", "Diamond B 50.0%"};
    request.zoneName = "GMT";
    request.speedUnitCaption = std::string(SpeedUnitMenuCaption(0));
    request.belowUnitsCaption = "knots";
  }
  JobOutcome run() { return GenerateStreamTable(request, stream, parts()); }

  StreamTableRequest request;
  TidalStream stream;
};

TEST_F(StreamTableTest, PeakCurrentWithHeader) {
  request.listing = StreamListing::Peak;
  ASSERT_EQ(run(), JobOutcome::Completed);
  EXPECT_EQ(text.text(),
            "Saltmark Stream Table (c) 2026 Saltmark - not for navigation\r\nMV Tern\r\n"
            "Location: 50\xB0" "45'N 1\xB0" "20'W\r\nStream: Diamond A 50.0%\r\nStream: Diamond B 50.0%\r\n"
            "Time Zone: GMT\r\nStart From: 05 Dec 2026 Time: 00:00. Duration: 1 days.\r\n"
            "Tidal Stream Units: knots\r\nLIST:Peak Current\r\n\r\n"
            "05 Dec 2026 06:00\t270\t 1.5\r\n05 Dec 2026 12:00\t090\t 1.5\r\n"
            "05 Dec 2026 18:00\t270\t 1.5\r\n");  // not 00:00 (first samples) nor 24:00 (last)
  EXPECT_EQ(stream.asked.size(), 241u);
}

// Each listing of the stream above: its caption line and its rows.
TEST_F(StreamTableTest, EachListingGivesItsCaptionAndRows) {
  struct Case {
    StreamListing listing;
    const char* option;  // the minutes, speed or count the listing reads
    const char* days;
    const char* caption;  // empty where an earlier case has checked it
    const char* rows;
    double growth = 0;
  } cases[] = {
      {StreamListing::Slack, "", "1", "LIST:Slack Tide (Minimum)\r\n\r\n",
       "05 Dec 2026 03:00\t270\t 0.0\r\n05 Dec 2026 09:00\t090\t 0.0\r\n"
       "05 Dec 2026 15:00\t270\t 0.0\r\n05 Dec 2026 21:00\t090\t 0.0\r\n"},
      // 72 minutes: 2.4 steps round to 2.
      {StreamListing::RegularIntervals, "30", "0.05", "LIST:Regular Intervals 30mins\r\n\r\n",
       "05 Dec 2026 00:00\t090\t 1.5\r\n05 Dec 2026 00:30\t090\t 1.4\r\n05 Dec 2026 01:00\t090\t 1.3\r\n"},
      // Exactly 1.5 is slower.
      {StreamListing::BelowSpeed, "1.5", "0.25", "LIST:Below Speed of 1.5knots\r\n\r\n",
       "05 Dec 2026 00:00\t\tSTARTS SLOWER \r\n"},
      // 1.5 |cos| > 1 within 96.4 minutes of a peak.
      {StreamListing::BelowSpeed, "1", "0.25", "",
       "05 Dec 2026 00:00\t\tSTARTS FASTER \r\n05 Dec 2026 01:42\t\tSLOWER   \r\n05 Dec 2026 04:24\t\tFASTER   \r\n"},
      {StreamListing::Fastest, "5", "1", "LIST:Fastest  5\r\n\r\n\r\n",
       "1 06:00 05 Dec 2026\t 1.5\t270\r\n2 12:00 05 Dec 2026\t 1.5\t090\r\n3 18:00 05 Dec 2026\t 1.5\t270\r\n"},
      // Growing by 30% a day, the peaks are 1.5 x 1.075, 1.15 and 1.225 at 06:00, 12:00 and 18:00.
      {StreamListing::Fastest, "2", "1", "",
       "1 18:00 05 Dec 2026\t 1.8\t270\r\n2 12:00 05 Dec 2026\t 1.7\t090\r\n", 0.3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rows);
    text.ClearTableText();
    request.listing = c.listing;
    request.minutesText = request.belowText = request.fastestText = c.option;
    request.daysText = c.days;
    stream.growth = c.growth;
    ASSERT_EQ(run(), JobOutcome::Completed);
    EXPECT_NE(text.text().find(c.caption), std::string::npos);
    EXPECT_EQ(body(), c.rows);
  }
}

TEST_F(StreamTableTest, SamplesAreShiftedIntoTheReferencePortsTimeBase) {
  portZone = "-1";
  request.listing = StreamListing::RegularIntervals;
  request.daysText = "0.1";
  ASSERT_EQ(run(), JobOutcome::Completed);
  ASSERT_FALSE(stream.asked.empty());
  EXPECT_EQ(stream.asked[0], tableStart().addMinutes(60));
  EXPECT_EQ(body().substr(0, 17), "05 Dec 2026 00:00");
}

TEST_F(StreamTableTest, AStreamThatCannotBeComputedEndsTheRun) {
  stream.failAt = 10;
  EXPECT_EQ(run(), JobOutcome::Failed);
  EXPECT_EQ(stream.asked.size(), 11u);
}

TEST_F(StreamTableTest, BadNumbersAreRefusedBeforeTheRun) {
  const std::tuple<StreamListing, const char*, const char*> cases[] = {{StreamListing::RegularIntervals, "0", "1"},
      {StreamListing::Fastest, "0", "1"}, {StreamListing::Fastest, "99999", "1"}, {StreamListing::Peak, "5", "0"}};
  for (auto [listing, count, days] : cases) {
    request.listing = listing;
    request.minutesText = request.fastestText = count;
    request.daysText = days;
    EXPECT_EQ(run(), JobOutcome::Refused);
  }
  EXPECT_EQ(platform.messages.size(), 4u);
  EXPECT_TRUE(stream.asked.empty());
  EXPECT_TRUE(text.text().empty());
}

// The secondary port only in the difference mode, and never an empty name.
TEST(TideTableLocationText, APortOrASecondaryPortWithItsReferencePort) {
  Settings settings;
  LocationRecord port;
  port.portName = "Portsmouth";
  port.positionText = "50\xB0" "48'N  1\xB0" "07'W";
  DifferenceRecord cowes;
  cowes.name = "Cowes";
  cowes.latitudeText = "50\xB0" "46'N";
  cowes.longitudeText = "1\xB0" "18'W";
  const std::string portLine = "Portsmouth 50\xB0" "48'N  1\xB0" "07'W";
  settings.portMode = 0;
  EXPECT_EQ(TideTableLocationText(settings, port, &cowes), portLine);
  settings.portMode = 2;
  EXPECT_EQ(TideTableLocationText(settings, port, &cowes), "Cowes [Portsmouth] 50\xB0" "46'N 1\xB0" "18'W");
  EXPECT_EQ(TideTableLocationText(settings, port, nullptr), portLine);
}

TEST(SunMoonTableRows, ReadAsAnAlmanacDoesAndSayNoSunriseOnAPolarDay) {
  Settings gmt;
  gmt.timeBase = static_cast<std::int16_t>(TimeBase::Gmt);
  LocationRecord london;
  london.latitudeText = "51\xB0" "30.4'N";
  london.longitudeText = "000\xB0" "07.7'W";
  london.portZone = "0";
  const DateTime winter = DateTime::fromCivil(2024, 12, 21);
  const auto rows = SunMoonTableRows(london, gmt, winter, winter.addDays(1));
  // Royal Observatory Greenwich: sunrise in London on 21 December 2024 at 08:04
  EXPECT_NE(std::find_if(rows.begin(), rows.end(),
                         [](const auto& row) { return row.second == "08:04 21 Dec 2024  Sunrise"; }),
            rows.end());
  for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_LE(rows[i - 1].first, rows[i].first);

  LocationRecord barrow;
  barrow.latitudeText = "71\xB0" "22'N";
  barrow.longitudeText = "156\xB0" "44'W";
  barrow.portZone = "9";
  const auto polar = SunMoonTableRows(barrow, gmt, winter, winter.addDays(1));
  ASSERT_GE(polar.size(), 2u);
  EXPECT_EQ(polar[0].second, "      21 Dec 2024  no sunrise");
  EXPECT_EQ(polar[1].second, "      21 Dec 2024  no sunset");
}

}  // namespace
}  // namespace saltmark
