#pragma once
// The accuracy report: for a spread of converted stations, Saltmark's own
// engine run on the stored record against the full-constituent tide of the
// same constants, for the constants copied directly ("before") and for the
// mapping the converter kept ("after"), written as docs/accuracy.md.
#include <string>
#include <vector>

#include "Accuracy.h"
#include "Conversion.h"

namespace saltmark::tcd {

struct AccuracyOptions {
  int year = 2026;
  double stepHours = 0.1;  // six minutes, as the tide tables step
  int stations = 60;
  int laterYear = 2030;  // a year away from the fit, for the summary
};

struct StationReport {
  std::string name;
  bool fitted = false;
  StationFigures before, after;
};

// Stations taken evenly through the converted ports (in index order, so
// every coast is represented).
std::vector<StationReport> MeasureAccuracy(const TcdData& data, const Conversion& conversion,
                                           const AccuracyOptions& options);

// reports: the measured year, in full; later: the same stations in a later
// year (options.laterYear), summarised only, to show how the fit ages.
std::string AccuracyMarkdown(const std::vector<StationReport>& reports, const std::vector<StationReport>& later,
                             const AccuracyOptions& options, const ConversionOptions& conversion);

}  // namespace saltmark::tcd
