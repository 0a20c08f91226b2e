#pragma once
// Streams at the mariner's own position. Stream stations are sparse, so the
// user picks one station, or two or three (Ctrl-click), types a position and
// interpolates: each chosen station gets a weight in percent, and the stream
// at the position is the weighted sum of the stations' streams.
//
// Positions are plane points, x = longitude and y = latitude in radians, with
// no shrinking of longitude by latitude. With two stations the position is
// projected onto the line through them and weighted by where its foot falls
// (100/0 at the first station, -100/200 at twice its distance beyond the
// second); with three the weights are barycentric (the ratios of the
// triangles the position makes with each side, 33.3% each at the centroid).
// Two stations at one position, or three on one line, give no weights: such a
// choice is refused with a message rather than divided by zero.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/StreamRecord.h"
#include "platform/Platform.h"

namespace saltmark {

inline constexpr int kMaxChosenStations = 3;
inline constexpr std::string_view kStationsAtOnePosition =
    "Two of the chosen stream stations are at the same position, so they cannot be used to interpolate. "
    "Choose stations at different positions.";
inline constexpr std::string_view kStationsOnOneLine =
    "The three chosen stream stations lie on one line, so they cannot be used to interpolate. "
    "Choose three stations that form a triangle, or two stations.";

// What the stream engine predicts from: the chosen stations and their weights.
struct StationChoice {
  std::array<std::int16_t, kMaxChosenStations> selectedStations{};  // stream table records, in list order
  std::array<float, kMaxChosenStations> stationWeights{};           // percent; only the first count are used
  int count = 0;
  // True when the weights belong to the chosen stations: one station
  // (weight 100), or two or three after a successful interpolation.
  bool weighted = false;
  std::string userLocationText;  // the predicted position: latitude text, a blank, longitude text
};

// One result row of the frame " Stream Predictions at User Locations".
struct StationRow {
  std::string name;           // srecname
  std::string latitudeText;   // slats, as stored in the record
  std::string longitudeText;  // slons
  std::string distanceText;   // srans: from the typed position, "0.00"
  std::string weightText;     // spercent: "0.0" and "%"
};

struct StationFrame {
  bool interpolationVisible = false;  // the position boxes, the interpolate button and its column labels
  std::string buttonCaption;          // "Interpolate 2pt" or "Interpolate 3pt"
  std::vector<StationRow> rows;       // one per chosen station; further rows are hidden
};

struct PlanePoint {
  double x = 0;  // longitude, radians
  double y = 0;  // latitude, radians
};

// The signed area, positive when the points run anticlockwise.
double TriangleArea(double x1, double y1, double x2, double y2, double x3, double y3);
double TriangleArea(PlanePoint a, PlanePoint b, PlanePoint c);

struct LineWeights {
  double wA = 0;
  double wB = 0;  // wA + wB = 100
};

// The weights of stations A and B for a position P, where area is
// TriangleArea(P, A, B). Nothing when A and B are at one position.
std::optional<LineWeights> ProjectOntoLine(double area, PlanePoint p, PlanePoint a, PlanePoint b);

// Distance (the finder's) between two typed or stored positions, the first
// supplying the cosine.
double DistanceBetweenTexts(std::string_view latitude1, std::string_view longitude1, std::string_view latitude2,
                            std::string_view longitude2);

// Run whenever the selection of the stream-station list changes (entry i is
// stream table record i). The first three selected entries are taken; any
// further ones are deselected in listSelected. One station gets weight 100
// and its own position as userLocationText; two or three wait for
// InterpolateStreams with their weights at 0 (shown as "0.0%").
StationFrame ChooseStreamStations(std::vector<bool>& listSelected, const StreamTable& table, StationChoice& choice);

// The weights of the chosen stations (two or three) at a position, or the
// refusal's message.
struct StationWeighting {
  std::array<double, kMaxChosenStations> weights{};
  std::optional<std::string_view> problem;
};
StationWeighting WeighStations(PlanePoint position, const std::vector<PlanePoint>& stations);

// The interpolate button: weighs the chosen stations at the typed position,
// sets userLocationText to the two texts and fills the rows' weight and
// distance texts. A refused choice is shown (exclamation icon, caption
// "Saltmark") and leaves the choice unweighted; fewer than two stations do nothing.
bool InterpolateStreams(std::string_view latitudeText, std::string_view longitudeText, const StreamTable& table,
                        StationChoice& choice, StationFrame& frame, Platform& platform);

}  // namespace saltmark
