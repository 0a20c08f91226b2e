#pragma once
// How well Saltmark's prediction from a converted record follows the
// full-constituent tide of the same station: the RMS height difference over
// a year, and the errors of the high and low waters' times and heights.
#include <string>
#include <vector>

namespace saltmark::tcd {

struct TideEvent {
  double hours = 0;   // from the first sample
  double height = 0;  // metres
  bool high = false;
};

// High and low waters of an evenly sampled curve: a high water is the top of
// a rise followed by a fall (a low water the reverse), its time and height
// taken from the parabola through the sample and its two neighbours.
std::vector<TideEvent> FindTideEvents(const std::vector<double>& heights, double stepHours);

// High and low waters as the tide tables find them: the five-sample
// detectors run along the curve (in single precision, as the engine gives
// its heights), each event at the time of its middle sample.
std::vector<TideEvent> FindTableEvents(const std::vector<double>& heights, double stepHours);

// Events of a full tide and of Saltmark's curve paired one to one, each full
// event (in time order) with the nearest unpaired Saltmark event of the same
// kind within 3 hours; what is left over on either side.
struct UnpairedEvents {
  int full = 0;       // full-tide events with no partner
  int saltmark = 0;   // Saltmark events with no partner (spurious ones among them)
  std::vector<double> hours;  // the times of all of them
};
UnpairedEvents PairEvents(const std::vector<TideEvent>& full, const std::vector<TideEvent>& saltmark);

// The value below which a fraction p (0..1) of the values lie, interpolated
// between neighbours; 0 for no values.
double Percentile(std::vector<double> values, double p);

struct EventErrors {
  std::vector<double> minutes;  // absolute time errors
  std::vector<double> metres;   // absolute height errors
  int missed = 0;  // events of the full tide with no event of the same kind within 3 hours
};

struct CurveComparison {
  double rms = 0;  // metres
  EventErrors high, low;
  UnpairedEvents table;  // with Saltmark's events as the tables find them
};

// full and simplified: the same instants, stepHours apart.
CurveComparison CompareCurves(const std::vector<double>& full, const std::vector<double>& simplified,
                              double stepHours);

// One station's figures, ready for the report.
struct StationFigures {
  double rms = 0;
  double highTimeMedian = 0, highTime95 = 0, lowTimeMedian = 0, lowTime95 = 0;  // minutes
  double highHeightMedian = 0, highHeight95 = 0, lowHeightMedian = 0, lowHeight95 = 0;  // metres
  int events = 0, missed = 0;
  UnpairedEvents table;
  int unpairedAtMonthStart = 0;  // of the table's unpaired events, within an hour of a month's start
};

StationFigures Summarise(const CurveComparison& comparison);

}  // namespace saltmark::tcd
