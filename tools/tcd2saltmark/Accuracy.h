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
};

StationFigures Summarise(const CurveComparison& comparison);

}  // namespace saltmark::tcd
