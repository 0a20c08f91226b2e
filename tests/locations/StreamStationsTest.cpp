#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "locations/StreamStations.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

// Two stations weigh the foot of the perpendicular on AB; three are barycentric.
TEST(WeighStations, GivesEachStationItsShareOrRefusesADegenerateChoice) {
  const PlanePoint a{0.010, 0.870};
  const PlanePoint b{0.014, 0.873};  // |AB| = 0.005
  auto along = [&](double t, double off = 0) {  // t along AB from A, off to its left in units of |AB|
    return PlanePoint{a.x + t * 0.004 - off * 0.003, a.y + t * 0.003 + off * 0.004};
  };
  const PlanePoint p{0, 0.87}, q{0.006, 0.87}, r{0, 0.875};
  const PlanePoint centroid{0.002, 0.87 + 0.005 / 3};
  const double third = 100.0 / 3;
  const struct {
    const char* what;
    PlanePoint position;
    std::vector<PlanePoint> stations;
    std::array<double, 3> weights;
    std::optional<std::string_view> problem = std::nullopt;
  } cases[] = {
      {"at A", a, {a, b}, {100, 0, 0}},                           {"at B", b, {a, b}, {0, 100, 0}},
      {"a quarter of the way", along(0.25), {a, b}, {75, 25, 0}},
      {"beyond B at twice the distance from A", along(2), {a, b}, {-100, 200, 0}},
      {"beyond A by the length of AB", along(-1), {a, b}, {200, -100, 0}},
      {"far beyond A", along(-4), {a, b}, {500, -400, 0}},
      {"off the line, projected", along(0.25, 0.8), {a, b}, {75, 25, 0}},
      {"off the line to the other side", along(0.6, -2), {a, b}, {40, 60, 0}},
      {"the centroid of three", centroid, {p, q, r}, {third, third, third}},
      {"clockwise stations", centroid, {p, r, q}, {third, third, third}},
      {"at C", r, {p, q, r}, {0, 0, 100}},
      {"halfway along BC", {0.003, 0.8725}, {p, q, r}, {0, 50, 50}},
      {"outside, beyond A", {-0.006, 0.87}, {p, q, r}, {200, -100, 0}},
      {"a thin but real triangle", p, {a, b, {0.018, 0.876 + 3e-5}}, {}, std::nullopt},
      {"two at one position", p, {a, a}, {}, kStationsAtOnePosition},
      {"three with two at one position", p, {a, b, a}, {}, kStationsAtOnePosition},
      {"three on one line", p, {a, b, along(2)}, {}, kStationsOnOneLine},
      {"three on one line, middle last", p, {a, along(2), b}, {}, kStationsOnOneLine},
      {"three on one parallel", p, {p, q, {0.05, 0.87}}, {}, kStationsOnOneLine},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const StationWeighting w = WeighStations(c.position, c.stations);
    EXPECT_EQ(w.problem, c.problem);
    if (c.problem || c.weights == std::array<double, 3>{}) continue;  // no weights given: only weighed
    for (std::size_t k = 0; k < 3; ++k) EXPECT_NEAR(w.weights[k], c.weights[k], 1e-6) << k;
  }
  EXPECT_FALSE(ProjectOntoLine(0, p, a, a));
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

TEST_F(StationChoiceTest, OneStationIsPredictedAsItStandsAndSeveralWaitForInterpolation) {
  StationFrame frame = choose({false, true, false});
  EXPECT_EQ(choice.selectedStations[0], 1);
  EXPECT_EQ(choice.stationWeights[0], 100);
  EXPECT_TRUE(choice.weighted);
  EXPECT_EQ(choice.userLocationText, "50\xB0" "00.0'N 003\xB0" "00.0'E");
  EXPECT_FALSE(frame.interpolationVisible);
  ASSERT_EQ(frame.rows.size(), 1u);
  EXPECT_EQ(frame.rows[0].name, "Bravo");
  EXPECT_EQ(frame.rows[0].weightText, "");

  frame = choose({true, true});
  EXPECT_EQ(frame.buttonCaption, "Interpolate 2pt");
  EXPECT_FALSE(choice.weighted);
  EXPECT_EQ(choice.stationWeights, (std::array<float, 3>{0, 0, 0}));  // as the rows show
  choose({});
  EXPECT_EQ(choice.count, 0);
  EXPECT_FALSE(choice.weighted);
}

TEST_F(StationChoiceTest, InterpolationShowsTheWeightsOrRefusesWithAMessage) {
  const struct {
    std::vector<bool> selected;
    const char* latitude;
    const char* longitude;
    std::vector<std::string> weights;  // none: refused with the message
    std::string_view message;
  } cases[] = {
      {{true, true}, "50 0N", "0 0E", {"100.0%", "0.0%"}, {}},
      {{true, true}, "50 0N", "6 0E", {"-100.0%", "200.0%"}, {}},
      {{true, true, true}, "51 0N", "1 0E", {"33.3%", "33.3%", "33.3%"}, {}},
      {{true, false, false, false, true}, "51 0N", "1 0E", {}, kStationsAtOnePosition},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.latitude) + " " + c.longitude);
    platform.clear();
    StationFrame frame = choose(c.selected);
    EXPECT_EQ(InterpolateStreams(c.latitude, c.longitude, table, choice, frame, platform), !c.weights.empty());
    EXPECT_EQ(choice.weighted, !c.weights.empty());
    if (c.weights.empty()) {
      EXPECT_EQ(choice.stationWeights, (std::array<float, 3>{0, 0, 0}));
      ASSERT_EQ(platform.messages.size(), 1u);
      EXPECT_EQ(platform.messages[0].text, c.message);
      EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
      continue;
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(choice.userLocationText, std::string(c.latitude) + " " + c.longitude);
    for (std::size_t k = 0; k < c.weights.size(); ++k) EXPECT_EQ(frame.rows[k].weightText, c.weights[k]) << k;
  }
  // Bravo lies 3 degrees of longitude east of 50N 0E: 3 degrees cos 50 in distance units.
  StationFrame frame = choose({true, true});
  ASSERT_TRUE(InterpolateStreams("50 0N", "0 0E", table, choice, frame, platform));
  EXPECT_EQ(frame.rows[0].distanceText, "0.00");
  EXPECT_EQ(frame.rows[1].distanceText, "214.86");
}

}  // namespace
}  // namespace saltmark
