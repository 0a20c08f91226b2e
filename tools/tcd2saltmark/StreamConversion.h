#pragma once
// The reference current stations of the file turned into stream databases.
//
// A station takes part when its speed is in knots (or knots squared: its
// signed square root) and it has two distinct flood and ebb directions. Its
// reference port is the best, by the fit, of the three nearest bundled ports
// within 80 km whose high waters the program finds at every instant of
// every year of the supported span. Its record is fitted by least squares to
// a year of the full harmonic current at 10-minute steps, each sample placed
// in the port's cycle by the program's own engine; the plain mean-springs /
// mean-neaps record is kept instead where it does better.
#include <string>
#include <vector>

#include "Conversion.h"
#include "StreamSummary.h"
#include "data/LocationRecord.h"

namespace saltmark::tcd {

struct StreamOptions {
  int fitYear = 2026;
  int firstYear = 2025, lastYear = 2035;  // every high water found in these years
  double maxDistanceKm = 80;
  int candidatePorts = 3;
  double stepMinutes = 10;
};

inline constexpr double kDiurnalFormFactor = 1.5;
inline constexpr const char* kDiurnalSuffix = " (diurnal, rough)";

StreamSummary ConvertStreams(const TcdData& data, const std::vector<ConvertedPort>& ports,
                             const ProgramFolderContents& folder, const StreamOptions& options,
                             std::vector<StreamFileContents>& files);

// The signed speed along the axis in knots for hours of UTC from
// startHours, or nothing when the constants cannot be summed.
std::optional<std::vector<double>> CurrentSamples(const CurrentStation& station, const ConstituentSet& set, int year,
                                                  double startHours, double stepHours, int count);

// The port record of a converted port, read from its written line.
LocationRecord PortRecordOf(const ProgramFolderContents& folder, int locationNumber);

std::string StreamSummaryText(const StreamSummary& s);

}  // namespace saltmark::tcd
