#include "tables/StreamTableGenerator.h"

#include <cmath>
#include <gtest/gtest.h>

#include "GeneratorTestSupport.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

DateTime startInstant() { return DateTime::fromCivil(2026, 12, 5, 0, 0); }

// A rectilinear stream: east (090) for six hours, west (270) for six, rate
// |1.5 cos|: peaks at 00:00, 06:00, ... and slack at 03:00, 09:00, ...
class TidalStream : public StreamSource {
 public:
  std::optional<StreamSample> streamAt(DateTime t) override {
    asked.push_back(t);
    if (failAt >= 0 && static_cast<long>(asked.size()) > failAt) return std::nullopt;
    const double minutes = static_cast<double>(t.linearMilliseconds() - startInstant().linearMilliseconds()) / 60000.0;
    const double v = 1.5 * std::cos(2 * M_PI * minutes / 720.0) * scale * (1 + growth * minutes / 1440);
    return StreamSample{static_cast<float>(std::fabs(v)), static_cast<std::int16_t>(v >= 0 ? 90 : 270)};
  }
  std::vector<DateTime> asked;
  long failAt = -1;
  double scale = 1.0;
  double growth = 0;  // of the rate per day
};

class StreamTableTest : public ::testing::Test {
 protected:
  StreamTableTest() {
    settings.vesselName = "MV Tern";
    request.start = startInstant();
    request.locationText = "50\xB0" "45'N 1\xB0" "20'W";
    request.stations = {"Diamond A 50.0%", "Diamond B 50.0%"};
    request.zoneName = "GMT";
    request.speedUnitCaption = std::string(SpeedUnitMenuCaption(0));
    request.belowUnitsCaption = "knots";
  }
  JobOutcome run() {
    return GenerateStreamTable(request, stream, TableRun{settings, portZone, text, progress, platform, events});
  }
  std::string body() const {
    const std::string& all = text.text();
    const auto gap = all.rfind("\r\n\r\n");
    return all.substr(gap + 4);
  }

  Settings settings;
  std::string portZone = "0";
  StreamTableRequest request;
  TidalStream stream;
  TableTextBuffer text;
  test::RecordingProgress progress;
  ScriptedPlatform platform;
  WaterEventCounter events;
};

TEST_F(StreamTableTest, PeakCurrentWithHeader) {
  request.listing = StreamListing::Peak;
  ASSERT_EQ(run(), JobOutcome::Completed);
  EXPECT_EQ(text.text(),
            "Saltmark Stream Table (c) 2026 Saltmark - not for navigation\r\n"
            "MV Tern\r\n"
            "Location: 50\xB0" "45'N 1\xB0" "20'W\r\n"
            "Stream: Diamond A 50.0%\r\n"
            "Stream: Diamond B 50.0%\r\n"
            "Time Zone: GMT\r\n"
            "Start From: 05 Dec 2026 Time: 00:00. Duration: 1 days.\r\n"
            "Tidal Stream Units: knots\r\n"
            "LIST:Peak Current\r\n"
            "\r\n"
            "05 Dec 2026 06:00\t270\t 1.5\r\n"
            "05 Dec 2026 12:00\t090\t 1.5\r\n"
            "05 Dec 2026 18:00\t270\t 1.5\r\n");  // not 00:00 (first samples) nor 24:00 (last)
  EXPECT_EQ(stream.asked.size(), 241u);
}

// Each listing of the stream above: its caption line and its rows.
TEST_F(StreamTableTest, EachListingGivesItsCaptionAndRows) {
  struct Case {
    StreamListing listing;
    const char* option;  // the minutes, speed or count the listing reads
    const char* days;
    const char* caption;  // null where an earlier case has checked it
    const char* rows;
    double growth = 0;
  } cases[] = {
      {StreamListing::Slack, "", "1", "LIST:Slack Tide (Minimum)\r\n\r\n",
       "05 Dec 2026 03:00\t270\t 0.0\r\n"
       "05 Dec 2026 09:00\t090\t 0.0\r\n"
       "05 Dec 2026 15:00\t270\t 0.0\r\n"
       "05 Dec 2026 21:00\t090\t 0.0\r\n"},
      // 72 minutes: 2.4 steps round to 2.
      {StreamListing::RegularIntervals, "30", "0.05", "LIST:Regular Intervals 30mins\r\n\r\n",
       "05 Dec 2026 00:00\t090\t 1.5\r\n"
       "05 Dec 2026 00:30\t090\t 1.4\r\n"
       "05 Dec 2026 01:00\t090\t 1.3\r\n"},
      // Exactly 1.5 is slower.
      {StreamListing::BelowSpeed, "1.5", "0.25", "LIST:Below Speed of 1.5knots\r\n\r\n",
       "05 Dec 2026 00:00\t\tSTARTS SLOWER \r\n"},
      // 1.5 |cos| > 1 within 96.4 minutes of a peak.
      {StreamListing::BelowSpeed, "1", "0.25", nullptr,
       "05 Dec 2026 00:00\t\tSTARTS FASTER \r\n"
       "05 Dec 2026 01:42\t\tSLOWER   \r\n"
       "05 Dec 2026 04:24\t\tFASTER   \r\n"},
      {StreamListing::Fastest, "5", "1", "LIST:Fastest  5\r\n\r\n\r\n",
       "1 06:00 05 Dec 2026\t 1.5\t270\r\n"
       "2 12:00 05 Dec 2026\t 1.5\t090\r\n"
       "3 18:00 05 Dec 2026\t 1.5\t270\r\n"},
      // Growing by 30% a day, the peaks are 1.5 x 1.075, 1.15 and 1.225 at 06:00, 12:00 and 18:00.
      {StreamListing::Fastest, "2", "1", nullptr,
       "1 18:00 05 Dec 2026\t 1.8\t270\r\n"
       "2 12:00 05 Dec 2026\t 1.7\t090\r\n",
       0.3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rows);
    text.ClearTableText();
    request.listing = c.listing;
    request.minutesText = request.belowText = request.fastestText = c.option;
    request.daysText = c.days;
    stream.growth = c.growth;
    ASSERT_EQ(run(), JobOutcome::Completed);
    if (c.caption) {
      EXPECT_NE(text.text().find(c.caption), std::string::npos);
    }
    EXPECT_EQ(body(), c.rows);
  }
}

TEST_F(StreamTableTest, SamplesAreShiftedIntoTheReferencePortsTimeBase) {
  portZone = "-1";
  request.listing = StreamListing::RegularIntervals;
  request.daysText = "0.1";
  ASSERT_EQ(run(), JobOutcome::Completed);
  ASSERT_FALSE(stream.asked.empty());
  EXPECT_EQ(stream.asked[0], startInstant().addMinutes(60));
  EXPECT_EQ(body().substr(0, 17), "05 Dec 2026 00:00");
}

TEST_F(StreamTableTest, AStreamThatCannotBeComputedEndsTheRun) {
  stream.failAt = 10;
  EXPECT_EQ(run(), JobOutcome::Failed);
  EXPECT_EQ(stream.asked.size(), 11u);
}

TEST_F(StreamTableTest, BadNumbersAreRefusedBeforeTheRun) {
  const std::pair<StreamListing, const char*> cases[] = {
      {StreamListing::RegularIntervals, "0"}, {StreamListing::Fastest, "0"}, {StreamListing::Fastest, "99999"}};
  for (auto [listing, count] : cases) {
    request.listing = listing;
    request.minutesText = request.fastestText = count;
    EXPECT_EQ(run(), JobOutcome::Refused);
  }
  request.listing = StreamListing::Peak;
  request.daysText = "0";
  EXPECT_EQ(run(), JobOutcome::Refused);
  EXPECT_EQ(platform.messages.size(), 4u);
  EXPECT_TRUE(stream.asked.empty());
  EXPECT_TRUE(text.text().empty());
}

}  // namespace
}  // namespace saltmark
