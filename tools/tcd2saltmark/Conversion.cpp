#include "Conversion.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <thread>

#include "DifferenceMapping.h"
#include "HarmonicSum.h"
#include "PortFit.h"
#include "PortLine.h"
#include "PortMapping.h"
#include "Regions.h"
#include "StreamConversion.h"
#include "SimplifiedModel.h"
#include "StationZone.h"
#include "TableEventGuard.h"
#include "common/VbNumbers.h"
#include "common/Version.h"
#include "data/DifferenceFile.h"
#include "data/StreamFile.h"
#include "data/TideDatabaseFile.h"

namespace saltmark::tcd {
namespace {

// Plenty: the program lists whatever difference files lie in its folder.
constexpr int kMaxDifferenceFiles = 99;

struct Candidate {
  int station;
  std::string name;
  SimplePort direct;
};

// The spring-neap levels are written only where they clearly beat the
// monthly levels alone: by this part of the error, and at least 2 mm.
constexpr double kClearMarginPart = 0.05;
constexpr double kClearMarginMetres = 0.002;

// The full tide of the fit years at the port's sample instants, one year after another.
std::optional<std::vector<double>> fullTideOver(const ReferenceStation& station, const ConstituentSet& set,
                                                const ConversionOptions& options, double zoneHoursWest) {
  std::vector<double> heights;
  for (int year = options.fitFirstYear; year <= options.fitLastYear; ++year) {
    const auto sum = HarmonicSum::forYear(station, set, year);
    if (!sum) return std::nullopt;
    const SampleClock clock = YearClock(year, options.fitStepHours);
    const auto block = sum->sample(clock.hoursUtc(0, zoneHoursWest), clock.stepHours, clock.count);
    heights.insert(heights.end(), block.begin(), block.end());
  }
  return heights;
}

// What a port's fit draws on, built once and shared by every port.
struct FitContext {
  const TcdData& data;
  const ConversionOptions& options;
  const FitSamples& samples;                      // the fit years
  const std::vector<GroupAtInstant>& previousYear;  // the previous fit year, empty when not covered
  const TableEventGuard* guard;                   // nothing: no check
};

// The mapping bundled before: fitted to the one previous year with a
// constant mean level, kept where it beat the constants copied over.
SimplePort previousMapping(const ConvertedPort& port, const ReferenceStation& station, const FitContext& context) {
  const SimplePort direct = AsStored(port.direct);
  if (context.previousYear.empty()) return direct;
  const SampleClock clock = YearClock(context.options.previousFitYear, context.options.fitStepHours);
  const auto sum = HarmonicSum::forYear(station, context.data.constituents, clock.year);
  if (!sum) return direct;
  const auto target = sum->sample(clock.hoursUtc(0, port.direct.zoneHoursWest), clock.stepHours, clock.count);
  const SimplePort fitted = AsStored(FitPort(port.direct, context.previousYear, target));
  return RmsDifference(fitted, context.previousYear, target) < RmsDifference(direct, context.previousYear, target)
             ? fitted
             : direct;
}

// Fits one port in each form and keeps the best that earns its place.
void fitPort(ConvertedPort& port, const FitSamples& samples, const std::vector<double>& target,
             const ConversionOptions& options, std::string& failure) {
  const auto& groups = samples.groups();
  port.rmsDirect = RmsDifference(port.stored, groups, target);
  // Each richer form starts from the last one's constants, which are nearly its own: few rounds.
  SimplePort start = port.direct;
  int rounds = 8;
  const auto tryForm = [&](LevelForm form, double& rms) -> std::optional<SimplePort> {
    const FitResult fit = FitPort(start, samples, target, form, rounds);
    rounds = 1;
    if (!fit.solved) return std::nullopt;
    start = fit.port;
    const SimplePort stored = AsStored(fit.port);
    rms = RmsDifference(stored, groups, target);
    return stored;
  };
  const auto constant = tryForm(LevelForm::constant, port.rmsFitted);
  if (!constant) {
    failure = "the least-squares system is singular";
    return;
  }
  if (port.rmsFitted < port.rmsDirect) {
    port.withoutLevels = port.stored = *constant;
    port.fitted = true;
    port.kept = MappingKind::fittedConstant;
  }
  if (!options.seasonalLevels) return;
  double best = std::min(port.rmsDirect, port.rmsFitted);
  if (const auto monthly = tryForm(LevelForm::monthly, port.rmsMonthly); monthly && port.rmsMonthly < best) {
    port.stored = *monthly;
    port.levels = LevelForm::monthly;
    port.fitted = true;
    port.kept = MappingKind::fittedMonthly;
    best = port.rmsMonthly;
  }
  if (!options.springNeapLevels) return;
  const double margin = std::max(kClearMarginMetres, kClearMarginPart * best);
  if (const auto springNeap = tryForm(LevelForm::springNeap, port.rmsSpringNeap);
      springNeap && port.rmsSpringNeap < best - margin) {
    port.stored = *springNeap;
    port.levels = LevelForm::springNeap;
    port.fitted = true;
    port.kept = MappingKind::fittedSpringNeap;
  }
}

struct Choice {
  SimplePort port;
  MappingKind kind;
  LevelForm levels;
  double rms;  // over the fit years
};

// Keeps the port's best mapping where the tables find no more unpaired high
// or low waters with it than with the previous one over the check year;
// otherwise the next best by the fit years' error that passes, the previous
// mapping itself at the last.
void guardPort(ConvertedPort& port, const ReferenceStation& station, const std::vector<double>& target,
               const FitContext& context) {
  const auto& groups = context.samples.groups();
  const auto full = context.guard->fullEvents(station, context.data.constituents, port.direct.zoneHoursWest);
  if (!full) return;
  std::vector<Choice> choices = {{port.stored, port.kept, port.levels, RmsDifference(port.stored, groups, target)}};
  if (port.kept != MappingKind::fittedConstant && port.kept != MappingKind::direct)
    choices.push_back({port.withoutLevels,
                       port.rmsFitted >= 0 && port.rmsFitted < port.rmsDirect ? MappingKind::fittedConstant
                                                                              : MappingKind::direct,
                       LevelForm::constant, RmsDifference(port.withoutLevels, groups, target)});
  if (port.stored.monthlyLevel != std::array<double, kMonths>{} && !port.stored.followsSpringNeap) {
    SimplePort levelled = port.previous;
    levelled.meanLevel = port.stored.meanLevel;
    levelled.monthlyLevel = port.stored.monthlyLevel;
    choices.push_back({levelled, MappingKind::previousWithMonthly, LevelForm::monthly,
                       RmsDifference(levelled, groups, target)});
  }
  const double previousRms = RmsDifference(port.previous, groups, target);
  std::erase_if(choices, [&](const Choice& c) { return c.rms >= previousRms; });
  std::ranges::stable_sort(choices, {}, &Choice::rms);
  std::vector<SimplePort> candidates;
  for (const Choice& c : choices) candidates.push_back(c.port);
  if (const auto k = context.guard->firstKeepingEvents(*full, candidates, port.previous)) {
    port.fellBack = choices[*k].kind != port.kept;
    port.stored = choices[*k].port;
    port.kept = choices[*k].kind;
    port.levels = choices[*k].levels;
    return;
  }
  const MappingKind previous =
      port.previous.amplitude == AsStored(port.direct).amplitude ? MappingKind::direct : MappingKind::previous;
  port.fellBack = port.kept != previous;
  port.stored = port.previous;
  port.kept = previous;
  port.levels = LevelForm::constant;
}

// Fits every candidate to its full tide over the fit years, on both cores.
void fitPorts(const TcdData& data, const ConversionOptions& options, std::vector<ConvertedPort>& ports,
              ConversionSummary& summary) {
  bool covered = options.fitFirstYear <= options.fitLastYear;
  for (int year = options.fitFirstYear; year <= options.fitLastYear; ++year)
    covered = covered && data.constituents.covers(year);
  const bool fitting = options.fit && covered;
  const FitSamples samples(fitting ? GroupCorrectionsForYears(options.fitFirstYear, options.fitLastYear,
                                                              options.fitStepHours)
                                   : std::vector<GroupAtInstant>{});
  const bool guarding = fitting && options.guardTableEvents && data.constituents.covers(options.previousFitYear);
  const auto previousYear = guarding ? GroupCorrectionsFor(YearClock(options.previousFitYear, options.fitStepHours))
                                     : std::vector<GroupAtInstant>{};
  const std::optional<TableEventGuard> guard =
      guarding ? std::optional<TableEventGuard>(std::in_place, options.fitFirstYear, options.fitLastYear,
                                                  options.guardStepHours) : std::nullopt;
  const FitContext context{data, options, samples, previousYear, guard ? &*guard : nullptr};
  std::vector<std::string> failures(ports.size());
  const auto work = [&](std::size_t first, std::size_t step) {
    for (std::size_t i = first; i < ports.size(); i += step) {
      ConvertedPort& port = ports[i];
      port.previous = port.withoutLevels = port.stored = AsStored(port.direct);
      if (!options.fit) continue;
      if (!covered) {
        failures[i] = "the tables do not cover the fit years";
        continue;
      }
      const ReferenceStation& station = data.references[static_cast<std::size_t>(port.station)];
      const auto target = fullTideOver(station, data.constituents, options, port.direct.zoneHoursWest);
      if (!target) {
        failures[i] = "the full tide of the fit years cannot be formed";
        continue;
      }
      fitPort(port, samples, *target, options, failures[i]);
      if (!failures[i].empty() || !context.guard) continue;
      port.previous = previousMapping(port, station, context);
      guardPort(port, station, *target, context);
      port.fitted = port.kept != MappingKind::direct;
    }
  };
  const std::size_t threads = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 2);
  std::vector<std::thread> pool;
  for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(work, t, threads);
  work(0, threads);
  for (auto& thread : pool) thread.join();
  for (std::size_t i = 0; i < ports.size(); ++i)
    if (!failures[i].empty()) summary.notFitted.push_back(ports[i].name + ": " + failures[i]);
}

std::vector<ConvertedPort> mapReferences(const TcdData& data, const ZoneLookup& zoneOf, ConversionSummary& summary) {
  std::vector<ConvertedPort> ports;
  std::map<std::string, std::optional<double>> zones;
  for (std::size_t i = 0; i < data.references.size(); ++i) {
    const ReferenceStation& station = data.references[i];
    auto known = zones.find(station.tzfile);
    if (known == zones.end()) known = zones.emplace(station.tzfile, zoneOf(station.tzfile)).first;
    double zone = 0;
    if (known->second) {
      zone = *known->second;
    } else {
      zone = NauticalZoneHoursWest(station.longitude);
      ++summary.zonesGuessed;
    }
    const MappingResult mapped = MapStationDirectly(station, data.constituents, zone);
    if (!mapped.port) {
      ++(mapped.skipped == SkipReason::missingConstituent ? summary.skippedMissingConstituents : summary.skippedUnits);
      summary.notes.push_back("skipped " + station.name + ": " + mapped.why);
      continue;
    }
    ConvertedPort port;
    port.station = static_cast<int>(i);
    port.name = CleanPortName(station.name);
    port.direct = *mapped.port;
    ports.push_back(std::move(port));
  }
  return ports;
}

void buildTideFiles(const TcdData& data, std::vector<ConvertedPort>& ports, ProgramFolderContents& folder) {
  std::vector<GroupItem> items;
  for (const ConvertedPort& port : ports) {
    const ReferenceStation& station = data.references[static_cast<std::size_t>(port.station)];
    items.push_back({RegionOf(station.name, station.tzfile), CoastalSortKey(station.name)});
  }
  const auto shares = ShareIntoFiles(items, kMaxTideLocations, kMaxIndexDatabases, ".tid");

  std::vector<ConvertedPort> ordered;
  for (std::size_t f = 0; f < shares.size(); ++f) {
    ProgramFolderContents::TideFile file{shares[f].fileName, {}};
    folder.index.databaseNames.push_back(file.name);
    for (int member : shares[f].members) {
      ConvertedPort port = ports[static_cast<std::size_t>(member)];
      const ReferenceStation& station = data.references[static_cast<std::size_t>(port.station)];
      LocationIndexEntry entry;
      entry.databaseNumber = static_cast<std::int16_t>(f);
      entry.locationNumber = static_cast<std::int16_t>(file.lines.size());
      entry.LocationName = port.name;
      entry.latitude = station.latitude * kDegreesToRadians;
      entry.longitude = station.longitude * kDegreesToRadians;
      file.lines.push_back(FormatLocationLine(port.name, port.stored, station.latitude, station.longitude));
      port.indexNumber = static_cast<int>(folder.index.entries.size());
      folder.index.entries.push_back(std::move(entry));
      ordered.push_back(std::move(port));
    }
    folder.tideFiles.push_back(std::move(file));
  }
  if (folder.index.entries.size() > static_cast<std::size_t>(kMaxIndexEntries))
    throw GroupingError("the location index can hold " + std::to_string(kMaxIndexEntries) + " ports, not " +
                        std::to_string(folder.index.entries.size()));
  ports = std::move(ordered);
}

void buildDifferenceFiles(const TcdData& data, const std::vector<ConvertedPort>& ports,
                          ProgramFolderContents& folder, ConversionSummary& summary) {
  std::map<int, const ConvertedPort*> byRecord;
  for (const ConvertedPort& port : ports)
    byRecord[data.references[static_cast<std::size_t>(port.station)].recordNumber] = &port;

  std::vector<DifferenceRecord> records;
  std::vector<GroupItem> items;
  for (const SubordinateStation& station : data.subordinates) {
    const auto reference = byRecord.find(station.referenceRecord);
    if (reference == byRecord.end()) {
      ++summary.skippedNoReference;
      summary.notes.push_back("skipped " + station.name + ": its reference station was not converted");
      continue;
    }
    const ConvertedPort& port = *reference->second;
    const DifferenceMapping mapped =
        MapSubordinate(station, port.stored, static_cast<std::int16_t>(port.indexNumber));
    if (!mapped.record) {
      ++summary.skippedSecondary;
      summary.notes.push_back("skipped " + station.name + ": " + mapped.why);
      continue;
    }
    if (mapped.usesRatios) ++summary.secondaryWithRatios;
    const std::string& tzfile = data.references[static_cast<std::size_t>(port.station)].tzfile;
    items.push_back({RegionOf(station.name, tzfile), CoastalSortKey(station.name)});
    records.push_back(*mapped.record);
  }
  for (const FileShare& share : ShareIntoFiles(items, kMaxDatabaseRecords, kMaxDifferenceFiles, ".dif")) {
    ProgramFolderContents::DifferenceFile file{share.fileName, {}};
    for (int member : share.members) file.records.push_back(records[static_cast<std::size_t>(member)]);
    summary.secondaryPortsWritten += static_cast<int>(file.records.size());
    folder.differenceFiles.push_back(std::move(file));
  }
}

}  // namespace

const char* MappingKindName(MappingKind kind) {
  switch (kind) {
    case MappingKind::direct: return "constants copied directly";
    case MappingKind::previous: return "bundled before (one year, no levels)";
    case MappingKind::previousWithMonthly: return "bundled before with monthly levels";
    case MappingKind::fittedConstant: return "fitted without levels";
    case MappingKind::fittedMonthly: return "fitted with monthly levels";
    case MappingKind::fittedSpringNeap: return "fitted with monthly and spring-neap levels";
  }
  return "constants copied directly";
}

ZoneLookup SystemZoneLookup(int year) {
  return [year](const std::string& tzfile) { return StandardZoneHoursWest(tzfile, year); };
}

Conversion ConvertTcdData(const TcdData& data, const ConversionOptions& options, const ZoneLookup& zoneOf) {
  Conversion c;
  ConversionSummary& s = c.summary;
  s.referencesRead = static_cast<int>(data.references.size());
  s.subordinatesRead = static_cast<int>(data.subordinates.size());
  s.currentStations = data.currentStations;
  s.unreadableRecords = data.unreadableRecords;

  c.ports = mapReferences(data, zoneOf, s);
  fitPorts(data, options, c.ports, s);
  for (const ConvertedPort& port : c.ports) {
    ++(port.fitted ? s.fittedKept : s.directKept);
    if (port.levels == LevelForm::monthly) ++s.withMonthlyLevels;
    if (port.levels == LevelForm::springNeap) ++s.withSpringNeapLevels;
    ++s.kept[static_cast<std::size_t>(port.kept)];
    if (port.fellBack) ++s.fellBack;
  }

  c.folder.signature = std::string(kVersionString) + " - tide constants converted from " + options.source +
                       " - " + std::string(kNotForNavigation);
  c.folder.headers = {"Source: NOAA harmonic constants (public domain), Debian xtide-data, " + options.source,
                      std::string(kNotForNavigation) + ": predictions are approximate; use official tide tables"};
  buildTideFiles(data, c.ports, c.folder);
  s.portsWritten = static_cast<int>(c.ports.size());
  buildDifferenceFiles(data, c.ports, c.folder, s);
  if (options.streams) {
    StreamOptions streamOptions;
    streamOptions.fitYear = options.fitYear;
    c.streams = ConvertStreams(data, c.ports, c.folder, streamOptions, c.folder.streamFiles);
  }
  return c;
}

WriteResult WriteProgramFolder(const std::filesystem::path& folder, const ProgramFolderContents& contents) {
  // Encode everything first: a refusal here leaves every file untouched.
  std::vector<std::pair<std::filesystem::path, std::string>> files;
  try {
    for (const auto& file : contents.tideFiles)
      files.emplace_back(folder / file.name, EncodeTideDatabase(contents.signature, contents.headers, file.lines));
    files.emplace_back(folder / std::string(kLocationIndexFileName), EncodeLocationIndex(contents.index));
    for (const auto& file : contents.differenceFiles)
      files.emplace_back(folder / file.name, DifferenceFile::encode(file.records));
    for (const auto& file : contents.streamFiles)
      files.emplace_back(folder / file.name, StreamFile::encode(file.records));
  } catch (const std::exception& error) {
    return {false, std::string("nothing written: ") + error.what()};
  }
  std::error_code made;
  std::filesystem::create_directories(folder, made);
  if (made) return {false, "cannot make the folder " + folder.string() + ": " + made.message()};
  for (const auto& [path, bytes] : files) {
    const WriteResult written = writeFileAtomically(path, bytes);
    if (!written) return {false, path.string() + ": " + written.error};
  }
  // The invented sample streams of earlier conversions are real ones now.
  std::error_code gone;
  std::filesystem::remove(folder / "SAMPLE.vel", gone);
  return {};
}

std::string SummaryText(const ConversionSummary& s) {
  std::ostringstream out;
  out << "tide stations read: " << s.referencesRead << "; ports written: " << s.portsWritten
      << " (fitted constants kept for " << s.fittedKept << ", direct for " << s.directKept << ")\n"
      << "seasonal levels: monthly at " << s.withMonthlyLevels << " ports, monthly and spring-neap at "
      << s.withSpringNeapLevels << "\n"
      << "skipped: " << s.skippedMissingConstituents << " lacking M2, S2, K1 or O1; " << s.skippedUnits
      << " with unknown level units\n"
      << "zones unknown to the system (nautical zone used): " << s.zonesGuessed << "\n"
      << "subordinate stations read: " << s.subordinatesRead << "; secondary ports written: "
      << s.secondaryPortsWritten << " (" << s.secondaryWithRatios << " with height ratios)\n"
      << "skipped: " << s.skippedNoReference << " whose reference was not converted; " << s.skippedSecondary
      << " with differences the record cannot hold\n"
      << "stream stations left out: " << s.currentStations << "; unreadable records: " << s.unreadableRecords
      << "\n";
  if (s.fellBack > 0)
    out << "the best fit refused at " << s.fellBack
        << " ports, where the tide tables would find more unpaired high or low waters than before\n";
  out << "mappings written:";
  for (int k = 0; k < kMappingKinds; ++k)
    if (s.kept[static_cast<std::size_t>(k)] > 0)
      out << " " << MappingKindName(MappingKind(k)) << " " << s.kept[static_cast<std::size_t>(k)] << ";";
  out << "\n";
  if (!s.notFitted.empty()) {
    out << "not fitted, the direct mapping kept: " << s.notFitted.size() << "\n";
    for (const std::string& line : s.notFitted) out << "  " << line << "\n";
  }
  return out.str();
}

}  // namespace saltmark::tcd
