#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/NumberFormat.h"
#include "locations/Finder.h"
#include "locations/StreamStations.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

TEST(TriangleArea, IsSignedByTheTurnOfThePoints) {
  EXPECT_DOUBLE_EQ(TriangleArea(0, 0, 1, 0, 0, 1), 0.5);
  EXPECT_DOUBLE_EQ(TriangleArea(0, 0, 0, 1, 1, 0), -0.5);
  EXPECT_DOUBLE_EQ(TriangleArea(1, 1, 3, 1, 3, 5), 4);
  EXPECT_DOUBLE_EQ(TriangleArea(0, 0, 1, 1, 2, 2), 0);
}

TEST(WeighStations, TwoStationsWeighTheFootOfThePerpendicular) {
  const PlanePoint a{0.010, 0.870};
  const PlanePoint b{0.014, 0.873};  // |AB| = 0.005
  auto along = [&](double t, double off = 0) {
    // t along AB from A, off to its left in units of |AB|
    return PlanePoint{a.x + t * 0.004 - off * 0.003, a.y + t * 0.003 + off * 0.004};
  };
  const struct {
    const char* what;
    PlanePoint p;
    double wA, wB;
  } cases[] = {
      {"at A", a, 100, 0},
      {"at B", b, 0, 100},
      {"halfway", along(0.5), 50, 50},
      {"a quarter of the way", along(0.25), 75, 25},
      {"beyond B at twice the distance from A", along(2), -100, 200},
      {"beyond A by the length of AB", along(-1), 200, -100},
      {"far beyond B", along(3), -200, 300},
      {"far beyond A", along(-4), 500, -400},
      {"off the line, projected", along(0.25, 0.8), 75, 25},
      {"off the line to the other side", along(0.6, -2), 40, 60},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const StationWeighting w = WeighStations(c.p, {a, b});
    ASSERT_FALSE(w.problem);
    EXPECT_NEAR(w.weights[0], c.wA, 1e-6);
    EXPECT_NEAR(w.weights[1], c.wB, 1e-6);
  }
}

TEST(WeighStations, ThreeStationsAreBarycentric) {
  const PlanePoint a{0, 0.87}, b{0.006, 0.87}, c{0, 0.875};
  const PlanePoint centroid{0.002, 0.87 + 0.005 / 3};
  const struct {
    const char* what;
    PlanePoint p;
    double wA, wB, wC;
  } cases[] = {
      {"at the centroid", centroid, 100.0 / 3, 100.0 / 3, 100.0 / 3},
      {"at A", a, 100, 0, 0},
      {"at C", c, 0, 0, 100},
      {"halfway along BC", {0.003, 0.8725}, 0, 50, 50},
      {"outside, beyond A", {-0.006, 0.87}, 200, -100, 0},
  };
  for (const auto& t : cases) {
    SCOPED_TRACE(t.what);
    const StationWeighting w = WeighStations(t.p, {a, b, c});
    ASSERT_FALSE(w.problem);
    EXPECT_NEAR(w.weights[0], t.wA, 1e-6);
    EXPECT_NEAR(w.weights[1], t.wB, 1e-6);
    EXPECT_NEAR(w.weights[2], t.wC, 1e-6);
  }
  // Clockwise stations give the same weights.
  const StationWeighting clockwise = WeighStations(centroid, {a, c, b});
  EXPECT_NEAR(clockwise.weights[1], 100.0 / 3, 1e-6);
}

TEST(WeighStations, DegenerateChoicesAreRefused) {
  const PlanePoint a{0.01, 0.87}, b{0.02, 0.88}, p{0.015, 0.86};
  const struct {
    const char* what;
    std::vector<PlanePoint> stations;
    std::string_view problem;
  } cases[] = {
      {"two at one position", {a, a}, kStationsAtOnePosition},
      {"three with two at one position", {a, b, a}, kStationsAtOnePosition},
      {"three on one line", {a, b, {0.03, 0.89}}, kStationsOnOneLine},
      {"three on one line, middle last", {a, {0.03, 0.89}, b}, kStationsOnOneLine},
      {"three on one parallel", {{0.01, 0.87}, {0.02, 0.87}, {0.05, 0.87}}, kStationsOnOneLine},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const StationWeighting w = WeighStations(p, c.stations);
    EXPECT_EQ(w.problem, c.problem);
  }
  EXPECT_FALSE(ProjectOntoLine(0, p, a, a));
  // A thin but real triangle is still weighed.
  EXPECT_FALSE(WeighStations(p, {a, b, {0.03, 0.89 + 3e-5}}).problem);
}

StreamRecord station(const char* name, const char* lat, const char* lon) {
  StreamRecord r;
  r.name = name;
  r.latitudeText = lat;
  r.longitudeText = lon;
  return r;
}

class StationChoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table.records[0] = station("Alpha", "50\xB0" "00.0'N", "000\xB0" "00.0'E");
    table.records[1] = station("Bravo", "50\xB0" "00.0'N", "003\xB0" "00.0'E");
    table.records[2] = station("Charlie", "53\xB0" "00.0'N", "000\xB0" "00.0'E");
    table.records[3] = station("Delta", "50\xB0" "00.0'N", "006\xB0" "00.0'E");
    table.records[4] = station("Echo", "50\xB0" "00.0'N", "000\xB0" "00.0'E");
  }
  StationFrame choose(std::vector<bool> selected) {
    listSelected = std::move(selected);
    return ChooseStreamStations(listSelected, table, choice);
  }

  StreamTable table;
  StationChoice choice;
  std::vector<bool> listSelected;
  ScriptedPlatform platform;
};

TEST_F(StationChoiceTest, OneStationIsPredictedAsItStands) {
  const StationFrame frame = choose({false, true, false});
  EXPECT_EQ(choice.count, 1);
  EXPECT_EQ(choice.selectedStations[0], 1);
  EXPECT_EQ(choice.stationWeights[0], 100);
  EXPECT_TRUE(choice.weighted);
  EXPECT_EQ(choice.userLocationText, "50\xB0" "00.0'N 003\xB0" "00.0'E");
  EXPECT_FALSE(frame.interpolationVisible);
  ASSERT_EQ(frame.rows.size(), 1u);
  EXPECT_EQ(frame.rows[0].name, "Bravo");
  EXPECT_EQ(frame.rows[0].weightText, "");
}

TEST_F(StationChoiceTest, SeveralStationsWaitForInterpolation) {
  choose({true});
  const StationFrame frame = choose({true, true});
  EXPECT_EQ(frame.buttonCaption, "Interpolate 2pt");
  EXPECT_FALSE(choice.weighted);
  EXPECT_EQ(choice.stationWeights, (std::array<float, 3>{0, 0, 0}));  // as the rows show
  choose({});
  EXPECT_EQ(choice.count, 0);
  EXPECT_FALSE(choice.weighted);
}

TEST_F(StationChoiceTest, TwoStationsAtTheFirstGiveAHundredAndNought) {
  StationFrame frame = choose({true, true});
  ASSERT_TRUE(InterpolateStreams("50 0N", "0 0E", table, choice, frame, platform));
  EXPECT_TRUE(choice.weighted);
  EXPECT_EQ(frame.rows[0].weightText, "100.0%");
  EXPECT_EQ(frame.rows[1].weightText, "0.0%");
  EXPECT_EQ(frame.rows[0].distanceText, "0.00");
  EXPECT_EQ(frame.rows[1].distanceText,
            FormatNumberPoint(DistanceBetweenTexts("50 0N", "0 0E", "50 0N", "3 0E"), "0.00"));
  EXPECT_EQ(choice.userLocationText, "50 0N 0 0E");
}

TEST_F(StationChoiceTest, BeyondTheSecondStationWeightsGoNegative) {
  StationFrame frame = choose({true, true});
  ASSERT_TRUE(InterpolateStreams("50 0N", "6 0E", table, choice, frame, platform));
  EXPECT_EQ(frame.rows[0].weightText, "-100.0%");
  EXPECT_EQ(frame.rows[1].weightText, "200.0%");
  EXPECT_FLOAT_EQ(choice.stationWeights[0] + choice.stationWeights[1], 100);
}

TEST_F(StationChoiceTest, TheCentroidOfThreeGivesAThirdEach) {
  StationFrame frame = choose({true, true, true});
  ASSERT_TRUE(InterpolateStreams("51 0N", "1 0E", table, choice, frame, platform));
  for (const StationRow& row : frame.rows) EXPECT_EQ(row.weightText, "33.3%");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StationChoiceTest, DegenerateChoicesAreRefusedWithAMessage) {
  const struct {
    const char* what;
    std::vector<bool> selected;
    std::string_view message;
  } cases[] = {
      {"two at one position", {true, false, false, false, true}, kStationsAtOnePosition},
      {"three on one line", {true, true, false, true}, kStationsOnOneLine},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    platform.clear();
    StationFrame frame = choose(c.selected);
    EXPECT_FALSE(InterpolateStreams("51 0N", "1 0E", table, choice, frame, platform));
    EXPECT_FALSE(choice.weighted);
    EXPECT_EQ(choice.stationWeights, (std::array<float, 3>{0, 0, 0}));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, c.message);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(platform.messages[0].caption, "Saltmark");
  }
}

}  // namespace
}  // namespace saltmark
