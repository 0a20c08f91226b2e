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

class TideTableTest : public ::testing::Test {
 protected:
  TideTableTest() {
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

TEST_F(TideTableTest, HighAndLowWatersWithHeader) {
  ASSERT_EQ(runCurve(), JobOutcome::Completed);
  EXPECT_EQ(text.text(),
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
  EXPECT_EQ(events.count(), 4);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TideTableTest, ClearanceColumnAndItsHeaderLines) {
  settings.chartedDepth = 2.0f;
  settings.draught = 1.5f;
  request.clearance = ClearanceBox::Ticked;
  request.high = false;
  ASSERT_EQ(runCurve(), JobOutcome::Completed);
  EXPECT_NE(text.text().find("Listing of: High /  Low Waters :  Low\r\n"
                             "And Under Keel Clearance.\r\n"
                             "Additional Input Data. Charted Depth = 2.00   Vessel Draught = 1.50.\r\n"
                             "Units: Metres\r\n\r\n"),
            std::string::npos);
  EXPECT_EQ(body(),
            "05 Dec 2026 09:00\t0.50\tLO\tUKC  1.0 \r\n"
            "05 Dec 2026 21:00\t0.50\tLO\tUKC  1.0 \r\n");
}

TEST_F(TideTableTest, FeetModeShowsFeetAndInches) {
  settings.metricUnits = kFalse;
  request.low = false;
  ASSERT_EQ(runCurve([](double m) { return 3.0 * test::twiceDaily(m); }), JobOutcome::Completed);
  EXPECT_NE(text.text().find("Listing of: High /  Low Waters : High \r\nUnits: Ft and inches\r\n\r\n"),
            std::string::npos);
  EXPECT_EQ(body(),
            "05 Dec 2026 03:00\t 10' 6 \tHI\r\n"
            "05 Dec 2026 15:00\t 10' 6 \tHI\r\n");
}

// The detector needs two samples after the event and starts when the window
// holds samples 1..5: an event at sample 2 (00:12) or at the last but one
// sample is never reported; at sample 3 and at the last but two it is.
struct BoundaryCase {
  const char* name;
  std::vector<double> samples;  // 241 samples for one day
  std::string expected;
};

std::vector<double> flatWithPeaks(std::initializer_list<int> peaks) {
  std::vector<double> values(241, 1.0);
  for (int p : peaks) values[static_cast<std::size_t>(p)] = 2.0;
  return values;
}

class TideTableBoundaryTest : public TideTableTest, public ::testing::WithParamInterface<BoundaryCase> {};

TEST_P(TideTableBoundaryTest, EventsNearTheEndsOfThePeriod) {
  request.low = false;
  ASSERT_EQ(runCurve(test::sampled(GetParam().samples)), JobOutcome::Completed);
  EXPECT_EQ(body(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Detector, TideTableBoundaryTest,
    ::testing::Values(
        BoundaryCase{"AtFirstSamples", flatWithPeaks({1, 2}), ""},
        BoundaryCase{"AtFourthSample", flatWithPeaks({3}), "05 Dec 2026 00:18\t2.00\tHI\r\n"},
        BoundaryCase{"AtLastButOne", flatWithPeaks({239}), ""},
        BoundaryCase{"AtLast", flatWithPeaks({240}), ""},
        BoundaryCase{"AtLastButTwo", flatWithPeaks({238}), "05 Dec 2026 23:48\t2.00\tHI\r\n"},
        BoundaryCase{"PlateauGivesTheLater",
                     [] {
                       auto v = flatWithPeaks({100, 101});
                       return v;
                     }(),
                     "05 Dec 2026 10:06\t2.00\tHI\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TideTableTest, RegularIntervalsIncludeBothEnds) {
  request.listing = TideListing::RegularIntervals;
  request.minutesText = "30";
  request.daysText = "0.125";  // three hours: 180 / 30 = 6 steps, 7 rows
  request.clearance = ClearanceBox::Ticked;
  ASSERT_EQ(runCurve([](double m) { return m / 100.0; }), JobOutcome::Completed);
  EXPECT_NE(text.text().find("Start From: 05 Dec 2026 Time: 00:00. Duration: 0.125 days\r\n"
                             "Listing of: Regular Intervals (mins) 30\r\n"),
            std::string::npos);
  EXPECT_EQ(body(),
            "05 Dec 2026 00:00\t0.00\t\tUKC  0.0 \r\n"
            "05 Dec 2026 00:30\t0.30\t\tUKC  0.3 \r\n"
            "05 Dec 2026 01:00\t0.60\t\tUKC  0.6 \r\n"
            "05 Dec 2026 01:30\t0.90\t\tUKC  0.9 \r\n"
            "05 Dec 2026 02:00\t1.20\t\tUKC  1.2 \r\n"
            "05 Dec 2026 02:30\t1.50\t\tUKC  1.5 \r\n"
            "05 Dec 2026 03:00\t1.80\t\tUKC  1.8 \r\n");
}

TEST_F(TideTableTest, TimesOfPassage) {
  request.listing = TideListing::Passage;
  request.clearance = ClearanceBox::Greyed;
  settings.draught = 3.0f;
  ASSERT_EQ(runCurve(), JobOutcome::Completed);
  EXPECT_NE(text.text().find("Listing of: Times of Passage\r\n"
                             "Additional Input Data. Charted Depth = 0.00   Vessel Draught = 3.00.\r\n"),
            std::string::npos);
  EXPECT_EQ(text.text().find("And Under Keel Clearance."), std::string::npos);
  // Afloat while 2 + 1.5 cos(...) > 3, that is within 96.4 minutes of high water.
  EXPECT_EQ(body(),
            "05 Dec 2026 00:00\t\tAGROUND\r\n"
            "05 Dec 2026 01:24\t\tFLOATS \r\n"
            "05 Dec 2026 04:42\t\tGROUNDS\r\n"
            "05 Dec 2026 13:24\t\tFLOATS \r\n"
            "05 Dec 2026 16:42\t\tGROUNDS\r\n");
}

TEST_F(TideTableTest, PassageWithAClearanceOfExactlyZeroIsAground) {
  request.listing = TideListing::Passage;
  request.clearance = ClearanceBox::Greyed;
  settings.draught = 1.0f;
  ASSERT_EQ(runCurve([](double) { return 1.0; }), JobOutcome::Completed);
  EXPECT_EQ(body(), "05 Dec 2026 00:00\t\tAGROUND\r\n");
  settings.draught = 0.5f;
  ASSERT_EQ(runCurve([](double) { return 1.0; }), JobOutcome::Completed);
  EXPECT_EQ(body(), "05 Dec 2026 00:00\t\tAFLOAT \r\n");
}

// Tops at samples 10, 20, ... with the given heights, on a base of 0.
std::function<double(double)> peaksOf(std::vector<double> tops) {
  std::vector<double> values(241, 0.0);
  for (std::size_t k = 0; k < tops.size(); ++k) values[10 * (k + 1)] = tops[k];
  return test::sampled(values);
}

// The best first, ties earlier first; fewer waters than asked lists those there are.
TEST_F(TideTableTest, HighestAndLowestKeepTheBestInOrder) {
  struct Case {
    TideListing listing;
    const char* count;
    std::vector<double> peaks;
    const char* caption;
    const char* rows;
  } cases[] = {
      {TideListing::Highest, "3", {1.0, 3.0, 2.0, 3.0, 0.5}, "Listing of: Highest 3\r\n",
       "02:00 05 Dec 2026\t3.00\tHI \r\n"
       "04:00 05 Dec 2026\t3.00\tHI \r\n"
       "03:00 05 Dec 2026\t2.00\tHI \r\n"},
      {TideListing::Highest, "3", {1.0, 2.0}, "Listing of: Highest 3\r\n",
       "02:00 05 Dec 2026\t2.00\tHI \r\n"
       "01:00 05 Dec 2026\t1.00\tHI \r\n"},
      {TideListing::Lowest, "2", {-1.0, -3.0, -2.0, -3.0}, "Listing of: Lowest 2\r\n",
       "02:00 05 Dec 2026\t-3.00\tLO \r\n"
       "04:00 05 Dec 2026\t-3.00\tLO \r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rows);
    text.ClearTableText();
    request.listing = c.listing;
    request.highestText = request.lowestText = c.count;
    ASSERT_EQ(runCurve(peaksOf(c.peaks)), JobOutcome::Completed);
    EXPECT_NE(text.text().find(c.caption), std::string::npos);
    EXPECT_EQ(body(), c.rows);
  }
}

// The header says "And Under Keel Clearance.": the ranked rows carry it too.
TEST_F(TideTableTest, HighestAndLowestRowsCarryTheClearanceWhenTicked) {
  settings.chartedDepth = 2.0f;
  settings.draught = 1.5f;
  request.clearance = ClearanceBox::Ticked;
  struct Case {
    TideListing listing;
    std::vector<double> peaks;
    const char* rows;
  } cases[] = {
      {TideListing::Highest, {1.0, 3.0}, "02:00 05 Dec 2026\t3.00\tHI \tUKC  3.5 \r\n"},
      {TideListing::Lowest, {-1.0, -3.0}, "02:00 05 Dec 2026\t-3.00\tLO \tUKC -2.5 \r\n"},
  };
  for (const Case& c : cases) {
    text.ClearTableText();
    request.listing = c.listing;
    request.highestText = request.lowestText = "1";
    ASSERT_EQ(runCurve(peaksOf(c.peaks)), JobOutcome::Completed);
    EXPECT_NE(text.text().find("And Under Keel Clearance.\r\n"), std::string::npos);
    EXPECT_EQ(body(), c.rows);
  }
}

TEST_F(TideTableTest, SamplesAreShiftedIntoThePortsTimeBaseButShownUnshifted) {
  port.portZone = "-1";  // an hour east of Greenwich: port time = GMT + 1 h
  request.listing = TideListing::RegularIntervals;
  request.minutesText = "60";
  request.daysText = "0.1";
  CurveHeights heights(startInstant(), [](double) { return 1.0; });
  ASSERT_EQ(run(heights), JobOutcome::Completed);
  ASSERT_EQ(heights.asked.size(), 3u);  // 144 minutes / 60 rounds to 2 steps
  EXPECT_EQ(heights.asked[0], startInstant().addMinutes(60));
  EXPECT_EQ(heights.asked[2], startInstant().addMinutes(180));
  EXPECT_EQ(body().substr(0, 17), "05 Dec 2026 00:00");
}

TEST_F(TideTableTest, AbortStopsAtTheNextStepKeepingTheLinesSoFar) {
  RecordingProgress cancelling(80);
  CurveHeights heights(startInstant(), test::twiceDaily);
  const auto outcome =
      GenerateTideTable(request, heights, TableRun{settings, port.portZone, text, cancelling, platform, events});
  EXPECT_EQ(outcome, JobOutcome::Cancelled);
  EXPECT_EQ(heights.asked.size(), 80u);
  EXPECT_EQ(body(), "05 Dec 2026 03:00\t3.50\tHI\r\n");  // 80 samples reach 07:54, before the low water
}

TEST_F(TideTableTest, ProgressIsDrawnOnEveryFourthStep) {
  ASSERT_EQ(runCurve(), JobOutcome::Completed);
  ASSERT_EQ(progress.drawnSteps.size(), 61u);  // 0, 4, ..., 240
  EXPECT_EQ(progress.drawnSteps.back(), 240);
  EXPECT_EQ(progress.lastCount, 240);
  EXPECT_EQ(progress.questions, 241);
}

struct RefusalCase {
  const char* name;
  TideListing listing;
  const char* days;
  const char* count;  // minutes, highest or lowest as the listing needs
  bool refused;
};

class TideTableRefusalTest : public TideTableTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(TideTableRefusalTest, BadNumbersAreRefusedBeforeTheRun) {
  const RefusalCase& c = GetParam();
  request.listing = c.listing;
  request.daysText = c.days;
  request.minutesText = request.highestText = request.lowestText = c.count;
  text.AppendTableLine("previous table");
  CurveHeights heights(startInstant(), test::twiceDaily);
  const JobOutcome outcome = run(heights);
  if (c.refused) {
    EXPECT_EQ(outcome, JobOutcome::Refused);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(heights.asked.empty());
    EXPECT_EQ(text.text(), "previous table\r\n");
  } else {
    EXPECT_EQ(outcome, JobOutcome::Completed);
    EXPECT_TRUE(platform.messages.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, TideTableRefusalTest,
    ::testing::Values(RefusalCase{"ZeroDays", TideListing::HighLow, "0", "1", true},
                      RefusalCase{"NegativeDays", TideListing::HighLow, "-2", "1", true},
                      RefusalCase{"TextDays", TideListing::Passage, "many", "1", true},
                      RefusalCase{"ZeroInterval", TideListing::RegularIntervals, "1", "0", true},
                      RefusalCase{"EmptyInterval", TideListing::RegularIntervals, "1", "", true},
                      RefusalCase{"Interval", TideListing::RegularIntervals, "1", "15", false},
                      RefusalCase{"ZeroHighest", TideListing::Highest, "1", "0", true},
                      RefusalCase{"HighestRoundsToZero", TideListing::Highest, "1", "0.4", true},
                      RefusalCase{"HighestTooMany", TideListing::Highest, "1", "40000", true},
                      RefusalCase{"OneLowest", TideListing::Lowest, "1", "1", false},
                      RefusalCase{"ZeroLowest", TideListing::Lowest, "1", "0", true},
                      RefusalCase{"CountIgnoredForHighLow", TideListing::HighLow, "1", "0", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace saltmark
