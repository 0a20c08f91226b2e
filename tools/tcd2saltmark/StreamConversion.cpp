#include "StreamConversion.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <numbers>
#include <sstream>
#include <thread>

#include "HarmonicSum.h"
#include "PortLine.h"
#include "Regions.h"
#include "StreamFit.h"
#include "common/VbNumbers.h"
#include "data/LocationLine.h"
#include "data/RecordFile.h"
#include "locations/Positions.h"

namespace saltmark::tcd {
namespace {

constexpr int kMaxStreamFiles = 99;

// Runs work(i) for i in 0..count-1 on both cores.
template <typename Work>
void onBothCores(std::size_t count, const Work& work) {
  const std::size_t threads = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 2);
  const auto share = [&](std::size_t first) {
    for (std::size_t i = first; i < count; i += threads) work(i);
  };
  std::vector<std::thread> pool;
  for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(share, t);
  share(0);
  for (auto& thread : pool) thread.join();
}

double kilometresBetween(double lat1, double lon1, double lat2, double lon2) {
  const double r = std::numbers::pi / 180;
  const double dLat = (lat2 - lat1) * r, dLon = (lon2 - lon1) * r;
  const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                   std::cos(lat1 * r) * std::cos(lat2 * r) * std::sin(dLon / 2) * std::sin(dLon / 2);
  return 2 * 6371.0 * std::asin(std::min(1.0, std::sqrt(a)));
}

bool validDirection(int d) { return d >= 0 && d <= 359; }

double amplitudeOf(const ReferenceStation& s, const ConstituentSet& set, const char* name) {
  const auto c = set.find(name);
  if (!c) return 0;
  const HarmonicTerm* t = s.term(*c);
  return t ? t->amplitude : 0;
}

std::optional<double> utcEpochOf(const ReferenceStation& s, const ConstituentSet& set, const char* name) {
  const auto c = set.find(name);
  if (!c) return std::nullopt;
  const HarmonicTerm* t = s.term(*c);
  if (!t) return std::nullopt;
  return EpochAtUtc(t->epoch, set.constituents[static_cast<std::size_t>(*c)].speed, s.meridian);
}

// Whether the program finds a high-water pair for every instant of every
// year of the span at the port: no interval longer than the search reaches.
bool highWatersFoundThroughout(const LocationRecord& port, const StreamOptions& options) {
  for (int year = options.firstYear; year <= options.lastYear; ++year) {
    const int hours = (isLeapYear(year) ? 366 : 365) * 24;
    const auto walk = WalkCycles(port, DateTime::fromCivil(year, 1, 1), 60, hours);
    if (!walk || walk->longestIntervalMinutes > kHighWaterSearchMinutes) return false;
  }
  return true;
}

struct Candidate {
  int portIndex;  // position in ports
  double km;
};

struct StationWork {
  int current = 0;
  std::vector<Candidate> nearby;  // within reach, nearest first
  std::string skipped;            // why it is left out, empty while it takes part
  ConvertedStream result;
};

struct Fit {
  RateRecord record;
  double rms = 0;
  StreamNormals normals;
};

int fitSamples(const StreamOptions& options) {
  const int days = isLeapYear(options.fitYear) ? 366 : 365;
  return static_cast<int>(std::lround(days * 24 * 60 / options.stepMinutes));
}

std::optional<CycleWalk> fitYearWalk(const LocationRecord& port, const StreamOptions& options) {
  return WalkCycles(port, DateTime::fromCivil(options.fitYear, 1, 1), options.stepMinutes, fitSamples(options));
}

std::optional<Fit> fitAgainst(const CurrentStation& station, const ConstituentSet& set, const LocationRecord& port,
                              const CycleWalk* walk, const StreamOptions& options) {
  const int count = fitSamples(options);
  if (!walk) return std::nullopt;
  const auto speeds = CurrentSamples(station, set, options.fitYear, Val(port.portZone), options.stepMinutes / 60, count);
  if (!speeds) return std::nullopt;
  const Bearing flood = BearingOf(station.floodDirection), ebb = BearingOf(station.ebbDirection);
  Fit fit;
  fit.normals.floodDotEbb = flood.east * ebb.east + flood.north * ebb.north;
  for (int i = 0; i < count; ++i) {
    const double v = (*speeds)[static_cast<std::size_t>(i)];
    const Bearing set = v >= 0 ? flood : ebb;
    fit.normals.add(WeightsAt(walk->places[static_cast<std::size_t>(i)]), {std::fabs(v) * set.east, std::fabs(v) * set.north},
                    flood, ebb);
  }
  fit.record = Rounded(FitRecord(fit.normals));
  fit.rms = RmsOf(fit.normals, fit.record);
  return fit;
}

std::string checkLine(const std::string& file, const ConvertedStream& s, const LocationRecord& port, int year,
                      int month) {
  const DateTime at = DateTime::fromCivil(year, month, 10, 13, 0);
  const auto c = ProgramStreamAt(port, s.record, at);
  if (!c) return {};
  const RateDirection rd = ComponentsToRateDirection(c->east, c->north);
  std::ostringstream line;
  line << file << '\t' << s.name << '\t' << year << '-' << month << "-10 13:00\t" << rd.rate << '\t'
       << rd.direction;
  return line.str();
}

}  // namespace

std::optional<std::vector<double>> CurrentSamples(const CurrentStation& station, const ConstituentSet& set, int year,
                                                  double startHours, double stepHours, int count) {
  const bool squared = station.harmonics.levelUnits == "knots^2";
  if (!squared && station.harmonics.levelUnits != "knots") return std::nullopt;
  ReferenceStation knots = station.harmonics;
  knots.levelUnits = "meters";  // summed as they are: one unit per knot
  const auto sum = HarmonicSum::forYear(knots, set, year);
  if (!sum) return std::nullopt;
  std::vector<double> v = sum->sample(startHours, stepHours, count);
  if (squared)
    for (double& x : v) x = std::copysign(std::sqrt(std::fabs(x)), x);
  for (double x : v)
    if (!std::isfinite(x)) return std::nullopt;
  return v;
}

LocationRecord PortRecordOf(const ProgramFolderContents& folder, int locationNumber) {
  const LocationIndexEntry& entry = folder.index.entries.at(static_cast<std::size_t>(locationNumber));
  return ParseLocationLine(folder.tideFiles.at(static_cast<std::size_t>(entry.databaseNumber))
                               .lines.at(static_cast<std::size_t>(entry.locationNumber)));
}

StreamSummary ConvertStreams(const TcdData& data, const std::vector<ConvertedPort>& ports,
                             const ProgramFolderContents& folder, const StreamOptions& options,
                             std::vector<StreamFileContents>& files) {
  StreamSummary summary;
  summary.stationsRead = static_cast<int>(data.currents.size());
  const ConstituentSet& set = data.constituents;

  std::vector<StationWork> work(data.currents.size());
  for (std::size_t i = 0; i < data.currents.size(); ++i) {
    const CurrentStation& c = data.currents[i];
    StationWork& w = work[i];
    w.current = static_cast<int>(i);
    const std::string& units = c.harmonics.levelUnits;
    if (units != "knots" && units != "knots^2") {
      w.skipped = "speeds in " + units + ", not knots";
    } else if (!validDirection(c.floodDirection) || !validDirection(c.ebbDirection) ||
               c.floodDirection == c.ebbDirection) {
      w.skipped = "no distinct flood and ebb directions";
    } else if (amplitudeOf(c.harmonics, set, "M2") <= 0 || !set.covers(options.fitYear)) {
      w.skipped = "no M2 constant to fit";
    } else {
      for (std::size_t p = 0; p < ports.size(); ++p) {
        const ReferenceStation& port = data.references[static_cast<std::size_t>(ports[p].station)];
        const double km = kilometresBetween(c.harmonics.latitude, c.harmonics.longitude, port.latitude,
                                            port.longitude);
        if (km <= options.maxDistanceKm) w.nearby.push_back({static_cast<int>(p), km});
      }
      std::ranges::sort(w.nearby, {}, &Candidate::km);
      if (w.nearby.empty()) w.skipped = "no bundled port within 80 km";
    }
  }

  // Which ports near a station keep their high waters in reach every year:
  // only those that may be wanted are walked.
  std::map<int, bool> usable;
  for (const StationWork& w : work)
    for (std::size_t k = 0; k < w.nearby.size() && k < 6; ++k) usable[w.nearby[k].portIndex] = false;
  std::vector<int> walked;
  for (const auto& [p, ok] : usable) walked.push_back(p);
  std::vector<char> found(walked.size(), 0);
  onBothCores(walked.size(), [&](std::size_t i) {
    found[i] = highWatersFoundThroughout(PortRecordOf(folder, ports[static_cast<std::size_t>(walked[i])].indexNumber),
                                         options);
  });
  for (std::size_t i = 0; i < walked.size(); ++i) usable[walked[i]] = found[i] != 0;

  // The candidates: the nearest usable ports of each station. A port's cycle
  // over the fit year is walked once for all the stations that may use it.
  std::vector<std::vector<Candidate>> chosen(work.size());
  std::map<int, std::optional<CycleWalk>> walks;
  for (std::size_t i = 0; i < work.size(); ++i)
    for (std::size_t k = 0; k < work[i].nearby.size() && k < 6; ++k)
      if (chosen[i].size() < static_cast<std::size_t>(options.candidatePorts) && usable.at(work[i].nearby[k].portIndex)) {
        chosen[i].push_back(work[i].nearby[k]);
        walks[work[i].nearby[k].portIndex];
      }
  std::vector<std::map<int, std::optional<CycleWalk>>::iterator> toWalk;
  for (auto it = walks.begin(); it != walks.end(); ++it) toWalk.push_back(it);
  onBothCores(toWalk.size(), [&](std::size_t i) {
    const ConvertedPort& port = ports[static_cast<std::size_t>(toWalk[i]->first)];
    toWalk[i]->second = fitYearWalk(PortRecordOf(folder, port.indexNumber), options);
  });

  onBothCores(work.size(), [&](std::size_t i) {
    StationWork& w = work[i];
    if (!w.skipped.empty()) return;
    const CurrentStation& c = data.currents[i];
    if (chosen[i].empty()) {
      w.skipped = "no port within 80 km whose high waters are found every year " + std::to_string(options.firstYear) +
                  "-" + std::to_string(options.lastYear);
      return;
    }
    std::optional<Fit> best;
    int bestPort = -1;
    for (const Candidate& candidate : chosen[i]) {
      const ConvertedPort& port = ports[static_cast<std::size_t>(candidate.portIndex)];
      const auto& walk = walks.at(candidate.portIndex);
      auto fit = fitAgainst(c, set, PortRecordOf(folder, port.indexNumber), walk ? &*walk : nullptr, options);
      if (fit && (!best || fit->rms < best->rms)) {
        best = std::move(fit);
        bestPort = candidate.portIndex;
      }
    }
    if (!best) {
      w.skipped = "its constants cannot be fitted";
      return;
    }
    const ConvertedPort& port = ports[static_cast<std::size_t>(bestPort)];
    const ReferenceStation& portStation = data.references[static_cast<std::size_t>(port.station)];
    ConvertedStream& s = w.result;
    s.current = w.current;
    s.referencePort = port.indexNumber;
    const double m2 = amplitudeOf(c.harmonics, set, "M2"), s2 = amplitudeOf(c.harmonics, set, "S2");
    s.formFactor = (amplitudeOf(c.harmonics, set, "K1") + amplitudeOf(c.harmonics, set, "O1")) / (m2 + s2);
    const bool squared = c.harmonics.levelUnits == "knots^2";
    const auto stationLag = utcEpochOf(c.harmonics, set, "M2"), portLag = utcEpochOf(portStation, set, "M2");
    RateRecord simple = SimpleRecord(squared ? std::sqrt(m2) : m2, squared ? std::sqrt(s2) : s2,
                                     stationLag && portLag ? *stationLag - *portLag : 0);
    s.rmsFitted = best->rms;
    s.rmsSimple = RmsOf(best->normals, simple);
    s.fitted = s.rmsFitted <= s.rmsSimple;
    s.record = AsStreamRecord(s.fitted ? best->record : simple, c.floodDirection, c.ebbDirection);
    s.name = CleanPortName(c.harmonics.name) + (s.formFactor >= kDiurnalFormFactor ? kDiurnalSuffix : "");
    s.record.name = s.name;
    s.record.latitudeText = FormatLatLon(c.harmonics.latitude * kDegreesToRadians, kLatitude);
    s.record.longitudeText = FormatLatLon(c.harmonics.longitude * kDegreesToRadians, kLongitude);
    s.record.referencePort = static_cast<std::int16_t>(port.indexNumber);
  });

  std::map<std::string, int> reasons;
  std::vector<GroupItem> items;
  std::vector<ConvertedStream> written;
  for (const StationWork& w : work) {
    const ReferenceStation& h = data.currents[static_cast<std::size_t>(w.current)].harmonics;
    if (!w.skipped.empty()) {
      ++reasons[w.skipped];
      summary.notes.push_back("skipped stream station " + h.name + ": " + w.skipped);
      continue;
    }
    items.push_back({RegionOf(h.name, h.tzfile), CoastalSortKey(h.name)});
    written.push_back(w.result);
  }
  for (const auto& [reason, count] : reasons) summary.skippedByReason.emplace_back(reason, count);

  for (const FileShare& share : ShareIntoFiles(items, kMaxDatabaseRecords, kMaxStreamFiles, ".vel")) {
    StreamFileContents file{share.fileName, {}};
    for (int member : share.members) {
      ConvertedStream s = written[static_cast<std::size_t>(member)];
      s.file = file.name;
      file.records.push_back(s.record);
      ++summary.stationsWritten;
      if (s.fitted) ++summary.fittedKept;
      if (s.formFactor >= kDiurnalFormFactor) ++summary.diurnalRough;
      const LocationRecord port = PortRecordOf(folder, s.referencePort);
      for (int month : {2, 5, 8, 11})
        if (auto line = checkLine(file.name, s, port, options.fitYear, month); !line.empty())
          summary.checkLines.push_back(std::move(line));
      summary.stations.push_back(std::move(s));
    }
    files.push_back(std::move(file));
  }
  return summary;
}

std::string StreamSummaryText(const StreamSummary& s) {
  std::ostringstream out;
  out << "stream stations read: " << s.stationsRead << "; written: " << s.stationsWritten << " (fitted record kept for "
      << s.fittedKept << ", " << s.diurnalRough << " marked diurnal, rough)\n";
  for (const auto& [reason, count] : s.skippedByReason) out << "stream stations skipped, " << reason << ": " << count << "\n";
  return out.str();
}

}  // namespace saltmark::tcd
