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
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "PortFit.h"
#include "SimplePort.h"
#include "StreamSummary.h"
#include "TcdData.h"
#include "common/AtomicFile.h"
#include "data/DifferenceRecord.h"
#include "data/LocationIndexFile.h"
#include "data/StreamRecord.h"

namespace saltmark::tcd {

struct ConversionOptions {
  int fitYear = 2026;        // the year whose standard zones the ports are filed in
  int fitFirstYear = 2024;   // the years of full-constituent tide the ports are fitted to
  int fitLastYear = 2028;
  double fitStepHours = 1;   // one sample an hour
  bool fit = true;           // false: the constants copied directly
  bool seasonalLevels = true;  // false: a constant mean level
  // Mean levels by days from springs, where they clearly help. Off unless
  // asked for: the level then steps where the spring-neap day changes, about
  // daily, and a step against the turn just after a high or low water hides
  // that event from the tide tables' five-sample detectors (several a year
  // at each such port).
  bool springNeapLevels = false;
  // The one year the ports were fitted to before (a constant mean level): a
  // new mapping is kept only where, in every fit year, the tide tables find
  // no more unpaired high or low waters with it than with that one.
  int previousFitYear = 2026;
  bool guardTableEvents = true;
  double guardStepHours = 0.1;  // six minutes, as the tables step
  bool streams = true;       // false: no stream databases (quick runs)
  std::string source = "harmonics-dwf-20191229-free.tcd";  // named in the databases' header
};

// The standard zone of a zoneinfo name, hours positive west; nothing when unknown.
using ZoneLookup = std::function<std::optional<double>(const std::string& tzfile)>;
ZoneLookup SystemZoneLookup(int year);

// The kinds of mapping a port may be written with.
enum class MappingKind {
  direct,               // the constants copied over
  previous,             // fitted to the previous fit year, a constant mean level
  previousWithMonthly,  // those constants with the monthly levels of the fit years
  fittedConstant,       // fitted to the fit years, a constant mean level
  fittedMonthly,        // fitted with monthly levels
  fittedSpringNeap,     // fitted with monthly and spring-neap levels
};
inline constexpr int kMappingKinds = 6;
const char* MappingKindName(MappingKind kind);

struct ConvertedPort {
  int station = 0;  // position in TcdData::references
  std::string name;
  SimplePort direct;      // the constants copied over
  SimplePort stored;      // the mapping kept, as it is written
  SimplePort withoutLevels;  // the better of direct and fitted with a constant mean level, as stored
  SimplePort previous;       // the mapping bundled before: the better of direct and the previous year's fit
  // RMS in metres against the full tide of the fit years; -1 when no such fit was made.
  double rmsDirect = 0;
  double rmsFitted = -1;       // fitted, constant mean level
  double rmsMonthly = -1;      // fitted with monthly levels
  double rmsSpringNeap = -1;   // fitted with monthly and spring-neap levels
  bool fitted = false;    // whether a fitted mapping was kept
  LevelForm levels = LevelForm::constant;  // the form of the mapping kept
  MappingKind kept = MappingKind::direct;
  // The best mapping over the fit years would have left more high or low
  // waters unpaired in the tables than the previous one: the next best that
  // does not was kept.
  bool fellBack = false;
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
  int withMonthlyLevels = 0;     // of the fitted: monthly levels only
  int withSpringNeapLevels = 0;  // monthly and spring-neap levels
  std::vector<std::string> notFitted;  // kept the direct mapping: "name: why
  std::array<int, kMappingKinds> kept{};  // ports written with each kind of mapping
  int fellBack = 0;  // the best mapping was refused for the tables' events
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
