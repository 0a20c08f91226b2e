#pragma once
// What the stream conversion made: the stream databases, the stations in
// them with how they were fitted, and every station left out with why.
#include <string>
#include <vector>

#include "data/StreamRecord.h"

namespace saltmark::tcd {

struct ConvertedStream {
  int current = 0;           // position in TcdData::currents
  std::string name;          // as written, with the diurnal suffix where due
  int referencePort = 0;     // location number of its reference port
  double formFactor = 0;     // (K1 + O1) / (M2 + S2) of the current
  double rmsFitted = 0;      // knots over the fit year, the fitted record
  double rmsSimple = 0;      // knots, the mean-springs / mean-neaps record
  bool fitted = false;       // whether the fitted record was kept
  std::string file;
  StreamRecord record;
};

struct StreamFileContents {
  std::string name;
  std::vector<StreamRecord> records;
};

struct StreamSummary {
  int stationsRead = 0;
  int stationsWritten = 0;
  int fittedKept = 0;
  int diurnalRough = 0;
  std::vector<std::pair<std::string, int>> skippedByReason;  // reason, count
  std::vector<std::string> notes;                            // one line per skipped station
  std::vector<ConvertedStream> stations;
  // The program's stream of each written station at a few instants, for the
  // read-back check: file, station, instant (port time), rate, direction.
  std::vector<std::string> checkLines;
};

}  // namespace saltmark::tcd
