#pragma once
// The accuracy report: for a spread of converted stations, Saltmark's own
// engine run on the stored record against the full-constituent tide of the
// same constants, for each mapping (the constants copied directly, the
// single-year fit bundled before seasonal levels, the fit without levels and
// the fit with them, as written), in a year inside the fit years and in a
// held-out year; and every port's RMS in the held-out year against the
// mapping bundled before. Written as docs/accuracy.md.
#include <array>
#include <string>
#include <vector>

#include "Accuracy.h"
#include "Conversion.h"

namespace saltmark::tcd {

struct AccuracyOptions {
  int year = 2026;  // a year inside the fit years
  double stepHours = 0.1;  // six minutes, as the tide tables step
  int stations = 60;
  int laterYear = 2030;  // held out: a year outside the fit years
  int previousFitYear = 2026;  // the one year the ports were fitted to before seasonal levels
};

// The class of tide by the form factor F = (K1 + O1) / (M2 + S2):
// semidiurnal below 0.25, diurnal above 3, mixed between.
enum class TideClass { semidiurnal, mixed, diurnal };
TideClass ClassOfTide(const SimplePort& port);
const char* TideClassName(TideClass tideClass);

// The mappings measured, in the report's column order.
enum Mapping { kDirect, kPrevious, kWithoutLevels, kWithLevels, kMappings };

struct StationReport {
  std::string name;
  TideClass tideClass = TideClass::semidiurnal;
  LevelForm levels = LevelForm::constant;
  std::array<StationFigures, kMappings> figures;
};

// The mapping bundled before seasonal levels, for every converted port (in
// the conversion's order): fitted to one year with a constant mean level,
// kept where it beat the direct mapping.
std::vector<SimplePort> PreviousMappings(const TcdData& data, const Conversion& conversion, int year);

// Stations taken evenly through the converted ports (in index order, so
// every coast is represented), measured in options.year.
std::vector<StationReport> MeasureAccuracy(const TcdData& data, const Conversion& conversion,
                                           const std::vector<SimplePort>& previous, const AccuracyOptions& options);

// One port's RMS in the held-out year (hourly, through the simplified
// formula): the mapping bundled before, and the one written now.
struct PortChange {
  std::string name;
  double before = 0, after = 0;
};
std::vector<PortChange> CompareWithPrevious(const TcdData& data, const Conversion& conversion,
                                            const std::vector<SimplePort>& previous, const AccuracyOptions& options);

std::string AccuracyMarkdown(const std::vector<StationReport>& inFitYears, const std::vector<StationReport>& heldOut,
                             const std::vector<PortChange>& changes, const AccuracyOptions& options,
                             const ConversionOptions& conversion, const ConversionSummary& summary);

// Everything above, measured and written out as one text.
std::string AccuracyReportText(const TcdData& data, const Conversion& conversion, const AccuracyOptions& options,
                               const ConversionOptions& conversionOptions);

}  // namespace saltmark::tcd
