#pragma once
// The whole conversion of the public constants into a program folder's
// data: tide databases grouped by coast, the location index, difference
// files for the subordinate stations and the stream databases.
//
//   TcdData data = ReadTcdFile(path);
//   Conversion c = ConvertTcdData(data, options, SystemZoneLookup(options.fitYear));
//   WriteProgramFolder(folder, c.folder);
//
// Everything is built and checked in memory first; nothing is written unless
// every file can be, so a refused conversion leaves the folder as it was.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "SimplePort.h"
#include "StreamSummary.h"
#include "TcdData.h"
#include "common/AtomicFile.h"
#include "data/DifferenceRecord.h"
#include "data/LocationIndexFile.h"
#include "data/StreamRecord.h"

namespace saltmark::tcd {

struct ConversionOptions {
  int fitYear = 2026;        // the year of full-constituent tide the ports are fitted to
  double fitStepHours = 1;   // one sample an hour
  bool fit = true;           // false: the constants copied directly
  bool streams = true;       // false: no stream databases (quick runs)
  std::string source = "harmonics-dwf-20191229-free.tcd";  // named in the databases' header
};

// The standard zone of a zoneinfo name, hours positive west; nothing when unknown.
using ZoneLookup = std::function<std::optional<double>(const std::string& tzfile)>;
ZoneLookup SystemZoneLookup(int year);

struct ConvertedPort {
  int station = 0;  // position in TcdData::references
  std::string name;
  SimplePort direct;      // the constants copied over
  SimplePort stored;      // the mapping kept, as it is written
  double rmsDirect = 0;   // metres, against the full tide of the fit year
  double rmsFitted = -1;  // metres; -1 when no fit was made
  bool fitted = false;    // whether the fitted mapping was kept
  int indexNumber = -1;   // its entry in the location index
};

struct ConversionSummary {
  int referencesRead = 0;
  int portsWritten = 0;
  int skippedMissingConstituents = 0;
  int skippedUnits = 0;
  int zonesGuessed = 0;  // zone unknown to the system: the nautical zone of the longitude
  int fittedKept = 0;
  int directKept = 0;
  int subordinatesRead = 0;
  int secondaryPortsWritten = 0;
  int secondaryWithRatios = 0;
  int skippedNoReference = 0;  // its reference station was not converted
  int skippedSecondary = 0;    // a time difference or unit the record cannot hold
  int currentStations = 0;
  int unreadableRecords = 0;
  std::vector<std::string> notes;  // one line per skipped station
};

struct ProgramFolderContents {
  struct TideFile {
    std::string name;
    std::vector<std::string> lines;
  };
  struct DifferenceFile {
    std::string name;
    std::vector<DifferenceRecord> records;
  };
  std::string signature;
  std::vector<std::string> headers;
  std::vector<TideFile> tideFiles;
  LocationIndexContents index;
  std::vector<DifferenceFile> differenceFiles;
  std::vector<StreamFileContents> streamFiles;  // the stream databases, by region
};

struct Conversion {
  ProgramFolderContents folder;
  std::vector<ConvertedPort> ports;  // in location index order
  ConversionSummary summary;
  StreamSummary streams;
};

// Throws GroupingError when the ports do not fit the files the program can hold.
Conversion ConvertTcdData(const TcdData& data, const ConversionOptions& options, const ZoneLookup& zoneOf);

// Encodes every file, then writes each atomically. A file that cannot be
// encoded stops the whole write before anything is written.
WriteResult WriteProgramFolder(const std::filesystem::path& folder, const ProgramFolderContents& contents);

// The converter's closing report: what was written and what was left out.
std::string SummaryText(const ConversionSummary& summary);

}  // namespace saltmark::tcd
