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

// Fits every candidate to its full tide over the fit year, on both cores.
void fitPorts(const TcdData& data, const ConversionOptions& options, std::vector<ConvertedPort>& ports) {
  const SampleClock clock = YearClock(options.fitYear, options.fitStepHours);
  const bool covered = data.constituents.covers(options.fitYear);
  const std::vector<GroupAtInstant> groups =
      options.fit && covered ? GroupCorrectionsFor(clock) : std::vector<GroupAtInstant>{};
  const auto work = [&](std::size_t first, std::size_t step) {
    for (std::size_t i = first; i < ports.size(); i += step) {
      ConvertedPort& port = ports[i];
      port.stored = AsStored(port.direct);
      const auto sum = HarmonicSum::forYear(data.references[static_cast<std::size_t>(port.station)],
                                            data.constituents, options.fitYear);
      if (!sum || groups.empty()) continue;
      const std::vector<double> target =
          sum->sample(clock.hoursUtc(0, port.direct.zoneHoursWest), clock.stepHours, clock.count);
      port.rmsDirect = RmsDifference(port.stored, groups, target);
      const SimplePort fitted = AsStored(FitPort(port.direct, groups, target));
      port.rmsFitted = RmsDifference(fitted, groups, target);
      if (port.rmsFitted < port.rmsDirect) {
        port.stored = fitted;
        port.fitted = true;
      }
    }
  };
  const std::size_t threads = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 2);
  std::vector<std::thread> pool;
  for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(work, t, threads);
  work(0, threads);
  for (auto& thread : pool) thread.join();
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
  fitPorts(data, options, c.ports);
  for (const ConvertedPort& port : c.ports) ++(port.fitted ? s.fittedKept : s.directKept);

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
      files.emplace_back(folder / file.name, EncodeDifferenceRecords(file.records));
    for (const auto& file : contents.streamFiles)
      files.emplace_back(folder / file.name, EncodeStreamRecords(file.records));
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
      << "skipped: " << s.skippedMissingConstituents << " lacking M2, S2, K1 or O1; " << s.skippedUnits
      << " with unknown level units\n"
      << "zones unknown to the system (nautical zone used): " << s.zonesGuessed << "\n"
      << "subordinate stations read: " << s.subordinatesRead << "; secondary ports written: "
      << s.secondaryPortsWritten << " (" << s.secondaryWithRatios << " with height ratios)\n"
      << "skipped: " << s.skippedNoReference << " whose reference was not converted; " << s.skippedSecondary
      << " with differences the record cannot hold\n"
      << "stream stations left out: " << s.currentStations << "; unreadable records: " << s.unreadableRecords
      << "\n";
  return out.str();
}

}  // namespace saltmark::tcd
