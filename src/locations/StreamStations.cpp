#include "locations/StreamStations.h"

#include <algorithm>
#include <cmath>

#include "common/NumberFormat.h"
#include "locations/Finder.h"
#include "locations/Positions.h"

namespace saltmark {

namespace {

// Positions are typed to a tenth of a minute (about 3e-5 radians); anything
// much closer than that is the same position.
constexpr double kSamePositionRadians = 1e-9;
// Three stations whose triangle is this flat, against its longest side, lie
// on one line as far as their typed positions can tell.
constexpr double kFlatTriangleRatio = 1e-6;

double length(PlanePoint a, PlanePoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

PlanePoint stationPosition(const StreamRecord& record) {
  return {ParseLongitude(kPositionTemplate, record.longitudeText), ParseLatitude(kPositionTemplate, record.latitudeText)};
}

std::string weightText(double weight) { return FormatNumberPoint(weight, "0.0") + "%"; }

}  // namespace

double TriangleArea(double x1, double y1, double x2, double y2, double x3, double y3) {
  return (x1 * y2 + y1 * x3 + x2 * y3 - y2 * x3 - y1 * x2 - x1 * y3) / 2;
}

double TriangleArea(PlanePoint a, PlanePoint b, PlanePoint c) { return TriangleArea(a.x, a.y, b.x, b.y, c.x, c.y); }

std::optional<LineWeights> ProjectOntoLine(double area, PlanePoint p, PlanePoint a, PlanePoint b) {
  const double lineLength = length(a, b);
  if (!(lineLength > kSamePositionRadians)) return std::nullopt;
  const double offLineSquared = 4 * area * area / (lineLength * lineLength);
  // Rounding can leave a position on the line a hair's breadth "inside" it.
  const double fromA = std::sqrt(std::max(0.0, std::pow(length(p, a), 2) - offLineSquared));
  const double fromB = std::sqrt(std::max(0.0, std::pow(length(p, b), 2) - offLineSquared));
  LineWeights w{fromB * 100 / lineLength, fromA * 100 / lineLength};
  // The foot lies beyond B when it is farther than L from A, and farther from
  // A than from B; beyond A likewise. Comparing the two distances as well
  // keeps the sum at 100 however far beyond a station the position lies.
  if (fromA > lineLength && fromA > fromB) w.wA = -w.wA;
  if (fromB > lineLength && fromB > fromA) w.wB = -w.wB;
  return w;
}

double DistanceBetweenTexts(std::string_view latitude1, std::string_view longitude1, std::string_view latitude2,
                            std::string_view longitude2) {
  return Distance(ParseLongitude(kPositionTemplate, longitude1), ParseLatitude(kPositionTemplate, latitude1),
                  ParseLongitude(kPositionTemplate, longitude2), ParseLatitude(kPositionTemplate, latitude2));
}

StationFrame ChooseStreamStations(std::vector<bool>& listSelected, const StreamTable& table, StationChoice& choice) {
  choice.count = 0;
  for (std::size_t i = 0; i < listSelected.size(); ++i) {
    if (!listSelected[i]) continue;
    if (choice.count < kMaxChosenStations && i < table.records.size())
      choice.selectedStations[static_cast<std::size_t>(choice.count++)] = static_cast<std::int16_t>(i);
    else
      listSelected[i] = false;
  }

  StationFrame frame;
  frame.interpolationVisible = choice.count > 1;
  if (choice.count == 2) frame.buttonCaption = "Interpolate 2pt";
  if (choice.count == 3) frame.buttonCaption = "Interpolate 3pt";
  for (int k = 0; k < choice.count; ++k) {
    const StreamRecord& station = table.records[static_cast<std::size_t>(choice.selectedStations[static_cast<std::size_t>(k)])];
    frame.rows.push_back({station.name, station.latitudeText, station.longitudeText, "", "0.0%"});
  }

  // Until the stations are weighed their weights are what the rows show.
  choice.stationWeights = {};
  choice.weighted = choice.count == 1;
  if (choice.count == 1) {
    const StationRow& row = frame.rows.front();
    choice.userLocationText = row.latitudeText + " " + row.longitudeText;
    choice.stationWeights[0] = 100;
    frame.rows.front().weightText.clear();
  }
  return frame;
}

StationWeighting WeighStations(PlanePoint position, const std::vector<PlanePoint>& stations) {
  StationWeighting result;
  for (std::size_t i = 0; i < stations.size(); ++i)
    for (std::size_t j = i + 1; j < stations.size(); ++j)
      if (!(length(stations[i], stations[j]) > kSamePositionRadians)) {
        result.problem = kStationsAtOnePosition;
        return result;
      }

  if (stations.size() == 2) {
    const PlanePoint a = stations[0], b = stations[1];
    const std::optional<LineWeights> w = ProjectOntoLine(TriangleArea(position, a, b), position, a, b);
    if (!w) {
      result.problem = kStationsAtOnePosition;
      return result;
    }
    result.weights = {w->wA, w->wB, 0};
  } else if (stations.size() == 3) {
    const PlanePoint a = stations[0], b = stations[1], c = stations[2];
    const double total = TriangleArea(a, b, c);
    const double longest = std::max({length(a, b), length(b, c), length(c, a)});
    if (!(2 * std::fabs(total) > kFlatTriangleRatio * longest * longest)) {
      result.problem = kStationsOnOneLine;
      return result;
    }
    result.weights = {TriangleArea(position, b, c) * 100 / total, TriangleArea(position, c, a) * 100 / total,
                      TriangleArea(position, a, b) * 100 / total};
  }
  return result;
}

bool InterpolateStreams(std::string_view latitudeText, std::string_view longitudeText, const StreamTable& table,
                        StationChoice& choice, StationFrame& frame, Platform& platform) {
  if (choice.count < 2) return false;
  const PlanePoint position{ParseLongitude(kPositionTemplate, longitudeText),
                            ParseLatitude(kPositionTemplate, latitudeText)};
  std::vector<PlanePoint> stations;
  for (int k = 0; k < choice.count; ++k)
    stations.push_back(
        stationPosition(table.records[static_cast<std::size_t>(choice.selectedStations[static_cast<std::size_t>(k)])]));

  const StationWeighting weighting = WeighStations(position, stations);
  if (weighting.problem) {
    choice.stationWeights = {};
    choice.weighted = false;
    platform.message(*weighting.problem, MessageIcon::Exclamation);
    return false;
  }

  choice.userLocationText = std::string(latitudeText) + " " + std::string(longitudeText);
  choice.weighted = true;
  frame.rows.resize(static_cast<std::size_t>(choice.count));
  for (std::size_t k = 0; k < static_cast<std::size_t>(choice.count); ++k) {
    const StreamRecord& station = table.records[static_cast<std::size_t>(choice.selectedStations[k])];
    choice.stationWeights[k] = static_cast<float>(weighting.weights[k]);
    frame.rows[k].weightText = weightText(choice.stationWeights[k]);
    frame.rows[k].distanceText = FormatNumberPoint(
        DistanceBetweenTexts(latitudeText, longitudeText, station.latitudeText, station.longitudeText), "0.00");
  }
  return true;
}

}  // namespace saltmark
