#include "AccuracyReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <thread>

#include "HarmonicSum.h"
#include "PortFit.h"
#include "PortLine.h"
#include "SimplifiedModel.h"
#include "common/DateTime.h"
#include "common/TextEncoding.h"
#include "data/LocationLine.h"
#include "data/Settings.h"
#include "engine/TideEngine.h"

namespace saltmark::tcd {
namespace {

// Saltmark's heights through its own engine, from the record's line as written.
std::vector<double> engineCurve(const std::string& line, const SampleClock& clock) {
  Settings settings;
  settings.metricUnits = kTrue;
  settings.portMode = 0;
  TideEngine engine(settings);
  engine.setPort(ParseLocationLine(line));
  std::vector<double> heights(static_cast<std::size_t>(clock.count));
  for (int i = 0; i < clock.count; ++i) {
    engine.PredictHeight(clock.instant(i));
    heights[static_cast<std::size_t>(i)] = engine.tideHeight();
  }
  return heights;
}

std::string number(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string pair(double median, double p95, int decimals) {
  return number(median, decimals) + " / " + number(p95, decimals);
}

std::string figuresCells(const StationFigures& f) {
  return number(f.rms, 3) + " | " + pair(f.highTimeMedian, f.highTime95, 0) + " | " +
         pair(f.lowTimeMedian, f.lowTime95, 0) + " | " + pair(f.highHeightMedian, f.highHeight95, 2) + " | " +
         pair(f.lowHeightMedian, f.lowHeight95, 2) + " | " + std::to_string(f.missed) + "/" +
         std::to_string(f.events) + " | " + std::to_string(f.table.full) + " / " + std::to_string(f.table.saltmark);
}

// The median over stations of each figure; the event counts summed.
StationFigures medianOf(const std::vector<StationReport>& reports, Mapping mapping) {
  const auto median = [&](double StationFigures::*field) {
    std::vector<double> values;
    for (const auto& r : reports) values.push_back(r.figures[mapping].*field);
    return Percentile(values, 0.5);
  };
  StationFigures m;
  m.rms = median(&StationFigures::rms);
  m.highTimeMedian = median(&StationFigures::highTimeMedian);
  m.highTime95 = median(&StationFigures::highTime95);
  m.lowTimeMedian = median(&StationFigures::lowTimeMedian);
  m.lowTime95 = median(&StationFigures::lowTime95);
  m.highHeightMedian = median(&StationFigures::highHeightMedian);
  m.highHeight95 = median(&StationFigures::highHeight95);
  m.lowHeightMedian = median(&StationFigures::lowHeightMedian);
  m.lowHeight95 = median(&StationFigures::lowHeight95);
  for (const auto& r : reports) {
    const StationFigures& f = r.figures[mapping];
    m.missed += f.missed;
    m.events += f.events;
    m.table.full += f.table.full;
    m.table.saltmark += f.table.saltmark;
    m.unpairedAtMonthStart += f.unpairedAtMonthStart;
  }
  return m;
}

constexpr std::array<const char*, kMappings> kMappingNames = {
    "constants copied directly", "bundled before (one year, no levels)", "fitted without levels",
    "fitted with levels (as written)"};

const char* levelsName(LevelForm form) {
  switch (form) {
    case LevelForm::constant: return "none";
    case LevelForm::monthly: return "monthly";
    case LevelForm::springNeap: return "monthly, spring-neap";
  }
  return "none";
}

// Runs work(k) for k in 0..count-1 on both cores.
template <class Work>
void onBothCores(std::size_t count, const Work& work) {
  const auto stride = [&](std::size_t first) {
    for (std::size_t k = first; k < count; k += 2) work(k);
  };
  std::thread helper(stride, 1);
  stride(0);
  helper.join();
}

// How many of the times (hours from 1 January 00:00) lie within an hour of
// the start of February..December, where the monthly level steps.
int nearMonthStarts(const std::vector<double>& hours, int year) {
  int near = 0;
  for (const double h : hours) {
    for (int month = 2; month <= 12; ++month) {
      const double start =
          24.0 * static_cast<double>(daysBetween(DateTime::fromCivil(year, 1, 1), DateTime::fromCivil(year, month, 1)));
      if (std::fabs(h - start) <= 1) ++near;
    }
  }
  return near;
}

std::vector<double> fullTide(const ReferenceStation& station, const ConstituentSet& set, const SampleClock& clock,
                             double zoneHoursWest) {
  const auto sum = HarmonicSum::forYear(station, set, clock.year);
  if (!sum) return {};
  return sum->sample(clock.hoursUtc(0, zoneHoursWest), clock.stepHours, clock.count);
}

}  // namespace

TideClass ClassOfTide(const SimplePort& port) {
  const double semidiurnal = port.amplitude[kM2] + port.amplitude[kS2];
  const double diurnal = port.amplitude[kK1] + port.amplitude[kO1];
  if (diurnal < 0.25 * semidiurnal) return TideClass::semidiurnal;
  if (diurnal > 3 * semidiurnal) return TideClass::diurnal;
  return TideClass::mixed;
}

const char* TideClassName(TideClass tideClass) {
  switch (tideClass) {
    case TideClass::semidiurnal: return "semidiurnal";
    case TideClass::mixed: return "mixed";
    case TideClass::diurnal: return "diurnal";
  }
  return "mixed";
}

std::vector<SimplePort> PreviousMappings(const TcdData& data, const Conversion& conversion, int year) {
  const auto& ports = conversion.ports;
  std::vector<SimplePort> previous(ports.size());
  const SampleClock clock = YearClock(year, 1);
  const auto groups = GroupCorrectionsFor(clock);
  onBothCores(ports.size(), [&](std::size_t k) {
    const ConvertedPort& port = ports[k];
    const SimplePort direct = AsStored(port.direct);
    previous[k] = direct;
    const auto target = fullTide(data.references[static_cast<std::size_t>(port.station)], data.constituents, clock,
                                 port.direct.zoneHoursWest);
    if (target.empty()) return;
    const SimplePort fitted = AsStored(FitPort(port.direct, groups, target));
    if (RmsDifference(fitted, groups, target) < RmsDifference(direct, groups, target)) previous[k] = fitted;
  });
  return previous;
}

std::vector<StationReport> MeasureAccuracy(const TcdData& data, const Conversion& conversion,
                                           const std::vector<SimplePort>& previous, const AccuracyOptions& options) {
  const SampleClock clock = YearClock(options.year, options.stepHours);
  const auto& ports = conversion.ports;
  std::vector<std::size_t> chosen;
  const std::size_t wanted = std::min<std::size_t>(static_cast<std::size_t>(std::max(options.stations, 0)), ports.size());
  for (std::size_t k = 0; k < wanted; ++k) chosen.push_back(k * ports.size() / wanted);

  std::vector<StationReport> reports(chosen.size());
  onBothCores(chosen.size(), [&](std::size_t k) {
    const ConvertedPort& port = ports[chosen[k]];
    const ReferenceStation& station = data.references[static_cast<std::size_t>(port.station)];
    StationReport& report = reports[k];
    report.name = port.name;
    report.tideClass = ClassOfTide(port.direct);
    report.levels = port.levels;
    const auto full = fullTide(station, data.constituents, clock, port.direct.zoneHoursWest);
    if (full.empty()) return;
    const std::array<SimplePort, kMappings> mappings = {port.direct, previous.at(chosen[k]), port.withoutLevels,
                                                        port.stored};
    for (int m = 0; m < kMappings; ++m) {
      const std::string line = FormatLocationLine(port.name, mappings[m], station.latitude, station.longitude);
      report.figures[m] = Summarise(CompareCurves(full, engineCurve(line, clock), clock.stepHours));
      report.figures[m].unpairedAtMonthStart = nearMonthStarts(report.figures[m].table.hours, clock.year);
    }
  });
  return reports;
}

std::vector<PortChange> CompareWithPrevious(const TcdData& data, const Conversion& conversion,
                                            const std::vector<SimplePort>& previous, const AccuracyOptions& options) {
  const auto& ports = conversion.ports;
  const SampleClock clock = YearClock(options.laterYear, 1);
  const auto groups = GroupCorrectionsFor(clock);
  std::vector<PortChange> changes(ports.size());
  onBothCores(ports.size(), [&](std::size_t k) {
    const ConvertedPort& port = ports[k];
    changes[k].name = port.name;
    const auto target = fullTide(data.references[static_cast<std::size_t>(port.station)], data.constituents, clock,
                                 port.direct.zoneHoursWest);
    if (target.empty()) return;
    changes[k].before = RmsDifference(previous.at(k), groups, target);
    changes[k].after = RmsDifference(port.stored, groups, target);
  });
  return changes;
}

std::string AccuracyMarkdown(const std::vector<StationReport>& inFitYears, const std::vector<StationReport>& heldOut,
                             const std::vector<PortChange>& changes, const AccuracyOptions& options,
                             const ConversionOptions& conversion, const ConversionSummary& summary) {
  const std::string year = std::to_string(options.year), held = std::to_string(options.laterYear);
  const std::string fitYears = std::to_string(conversion.fitFirstYear) + "-" + std::to_string(conversion.fitLastYear);
  std::string md;
  md += "# Accuracy of the bundled tide data\n\n";
  md += "NOT FOR NAVIGATION. These figures compare two predictions made from the same public constants; "
        "neither is an observation of the sea.\n\n";
  md += "The ports are fitted to the years " + fitYears + ". Measured in " + year + " (one of the fit years) and in " +
        held + " (held out), " + std::to_string(inFitYears.size()) + " stations, samples every " +
        number(options.stepHours * 60, 0) + " minutes.\n\n";
  const int none = summary.portsWritten - summary.withMonthlyLevels - summary.withSpringNeapLevels;
  md += "Levels written: monthly levels at " + std::to_string(summary.withMonthlyLevels) +
        " ports, monthly and spring-neap levels (the \"w\" marker) at " + std::to_string(summary.withSpringNeapLevels) +
        ", a constant mean level at " + std::to_string(none) + " (of " + std::to_string(summary.portsWritten) +
        ").\n\n";
  if (conversion.guardTableEvents) {
    md += "Mappings written, after the check of the tables' events over the fit years: ";
    for (int k = 0; k < kMappingKinds; ++k)
      md += std::string(k ? ", " : "") + MappingKindName(MappingKind(k)) + " " +
            std::to_string(summary.kept[static_cast<std::size_t>(k)]);
    md += ". The best mapping over the fit years was refused at " + std::to_string(summary.fellBack) +
          " ports, kept at " + std::to_string(summary.portsWritten - summary.fellBack) + ".\n\n";
  }

  md += "## Summary (median over the stations)\n\n";
  md += "| Year | Mapping | RMS m | HW time med / 95% (min) | LW time med / 95% (min) | HW height med / 95% (m) | "
        "LW height med / 95% (m) | missed / events | unpaired in the tables (full / Saltmark) |\n";
  md += "|---|---|---:|---:|---:|---:|---:|---:|---:|\n";
  for (const auto* reports : {&inFitYears, &heldOut}) {
    if (reports->empty()) continue;
    const std::string label = reports == &inFitYears ? year + " (fit)" : held + " (held out)";
    for (int m = 0; m < kMappings; ++m)
      md += "| " + label + " | " + kMappingNames[m] + " | " + figuresCells(medianOf(*reports, Mapping(m))) + " |\n";
  }
  for (const auto* reports : {&inFitYears, &heldOut}) {
    if (reports->empty()) continue;
    md += "\n" + std::string(reports == &inFitYears ? year : held) + ": of the unpaired events in the tables, " +
          "within an hour of the start of a month (where the monthly level steps): ";
    for (int m = 0; m < kMappings; ++m)
      md += std::string(m ? ", " : "") + std::to_string(medianOf(*reports, Mapping(m)).unpairedAtMonthStart) + " " +
            kMappingNames[m];
    md += ".\n";
  }
  md += "\nMissed / events: high and low waters of the full-constituent tide with no Saltmark event of the same "
        "kind within 3 hours, summed over the stations. Unpaired in the tables: Saltmark's events found as the tide "
        "tables find them (the five-sample detectors), paired one to one with the full tide's, each with the nearest "
        "of the same kind within 3 hours; the full tide's events left without a partner, and Saltmark's (a spurious "
        "high or low water, such as a step of the level at a month boundary could make, is one of these).\n\n";

  md += "## Median RMS (m) by class of tide\n\n";
  md += "Class by the form factor F = (K1 + O1) / (M2 + S2): semidiurnal below 0.25, mixed 0.25 to 3, diurnal "
        "above 3.\n\n";
  md += "| Class | stations |";
  for (const std::string& y : {year, held})
    for (int m = 0; m < kMappings; ++m) md += " " + y + ": " + kMappingNames[m] + " |";
  md += "\n|---|---:|";
  for (int m = 0; m < 2 * kMappings; ++m) md += "---:|";
  md += "\n";
  for (const TideClass c : {TideClass::semidiurnal, TideClass::mixed, TideClass::diurnal}) {
    std::vector<StationReport> fit, out;
    for (const auto& r : inFitYears)
      if (r.tideClass == c) fit.push_back(r);
    for (const auto& r : heldOut)
      if (r.tideClass == c) out.push_back(r);
    md += std::string("| ") + TideClassName(c) + " | " + std::to_string(fit.size()) + " |";
    for (const auto* reports : {&fit, &out})
      for (int m = 0; m < kMappings; ++m)
        md += " " + (reports->empty() ? std::string("-") : number(medianOf(*reports, Mapping(m)).rms, 3)) + " |";
    md += "\n";
  }

  md += "\n## Every port in " + held + "\n\n";
  std::vector<double> before, after;
  std::vector<const PortChange*> worse;
  for (const PortChange& c : changes) {
    before.push_back(c.before);
    after.push_back(c.after);
    if (c.after > c.before + 0.005) worse.push_back(&c);
  }
  md += "All " + std::to_string(changes.size()) + " ports, hourly samples through the simplified formula: median RMS " +
        number(Percentile(before, 0.5), 3) + " m with the mapping bundled before, " +
        number(Percentile(after, 0.5), 3) + " m as written now (95th percentile " +
        number(Percentile(before, 0.95), 3) + " and " + number(Percentile(after, 0.95), 3) + " m). Ports worse " +
        "than before by more than 0.005 m: " + std::to_string(worse.size()) + ".\n";
  for (const PortChange* c : worse)
    md += "- " + latin1ToUtf8(c->name) + ": " + number(c->before, 3) + " -> " + number(c->after, 3) + " m\n";
  md += "\n";

  md += "## Method\n\n";
  md += "The yardstick is the standard harmonic sum of every constituent the station has in the TCD file, "
        "h(t) = Z0 + sum f H cos(V0 + w t - G), with each constituent's speed w, its equilibrium argument V0 "
        "at the start of the year and its node factor f for the year as libtcd gives them, the epochs G "
        "referred to UTC. Saltmark's prediction is the program's own engine run on the location line exactly as "
        "the converter writes it, at the same instants in the port's standard zone. The RMS is taken over every "
        "sample of the year; high and low waters are the turning points of each curve, refined by a parabola "
        "through three samples, and each high (low) water of the full tide is paired with the nearest high (low) "
        "water of Saltmark's curve; the time and height errors are the absolute differences of the pairs.\n\n";
  md += "\"Constants copied directly\" takes the station's M2, S2, K1 and O1 and derives the shallow-water "
        "terms from M4 and M6 (coefficient H(M4)/H(M2)^2 with phase g(M4) - 2g(M2), H(M6)/H(M2)^3 with "
        "g(M6) - 3g(M2)). The fits find the mean level, the four constituents and the two shallow-water terms by "
        "least squares to an hourly full-constituent tide: the formula is linear in the levels, in H cos g and "
        "H sin g of each constituent and, with the combined semidiurnal amplitude and angle of the last estimate "
        "held fixed, in the shallow-water terms, so the linear problem is solved repeatedly until the error stops "
        "falling. \"Bundled before\" is that fit to the one year " + std::to_string(options.previousFitYear) +
        " with a constant mean level. The converter now fits over the years " + fitYears +
        ", so that the constants are not tuned to one year's nodal phase, in the forms: a constant mean level; "
        "twelve monthly levels (a level for each month, written as the mean level and monthly corrections that "
        "average zero); and, on request, monthly levels with a mean level for each of 0..7 days from springs "
        "(with the day offset, -7..7, that fits best). The monthly levels carry the annual and semi-annual tides (Sa, Ssa) that the "
        "four-constituent method leaves out; the spring-neap levels carry the rise of the mean level at springs "
        "in rivers and estuaries (MSf). The monthly form is a candidate where it beats the better of the direct "
        "mapping and the fit without levels over the fit years. Each port's candidates (the best fit, the fit "
        "without levels, the constants bundled before with the monthly levels of the fit, each where it beats the "
        "mapping bundled before over the fit years) are tried best first through the tables' own five-sample "
        "detectors, every " +
        number(conversion.guardStepHours * 60, 0) + " minutes through each fit year, their events paired with the full tide's as above; the "
        "first that in no fit year leaves more of the full tide's events or more of its own unpaired than the "
        "mapping bundled before is written, else that mapping. A station whose system cannot be solved keeps the "
        "direct mapping and is named in the conversion log. The level steps at the start of each month: where a "
        "step against the turn falls within a few minutes after a high or low water, the tables' five-sample "
        "detectors miss that event, which the counts near the start of a month above show. The spring-neap "
        "levels step where the spring-neap day changes, about daily, and so hide many more: at the 27 ports "
        "where they lower the error over the fit years by a twentieth (and at least 2 mm), measured on this file, "
        "they took the median RMS in 2030 from 0.057 m (monthly levels alone) to 0.051 m, but the full tide's "
        "events left unpaired in the tables from 475 to 618. So they are not written (" +
        std::string(conversion.springNeapLevels ? "here they were asked for and are" : "tcd2saltmark "
                                                                                      "--spring-neap-levels writes them") +
        "). What the four-constituent method leaves out besides "
        "(N2, K2, P1, Q1 at the station's own ratios) remains, which is why the error is not smaller still.\n\n";

  md += "## Stations\n\n";
  md += "RMS in metres for each mapping in the order of the summary (direct / before / without levels / with "
        "levels); times and counts in " + held + " for the mapping bundled before and the one written now.\n\n";
  md += "| Station | class | levels | RMS " + year + " | RMS " + held + " | HW time 95% (min) | LW time 95% (min) | "
        "missed | unpaired Saltmark events |\n";
  md += "|---|---|---|---:|---:|---:|---:|---:|---:|\n";
  for (std::size_t k = 0; k < inFitYears.size(); ++k) {
    const StationReport& r = inFitYears[k];
    const auto rmsCells = [](const StationReport& s) {
      std::string cells;
      for (int m = 0; m < kMappings; ++m) cells += (m ? " / " : "") + number(s.figures[m].rms, 3);
      return cells;
    };
    md += "| " + latin1ToUtf8(r.name) + " | " + TideClassName(r.tideClass) + " | " + levelsName(r.levels) + " | " +
          rmsCells(r) + " | ";
    if (k < heldOut.size()) {
      const auto& b = heldOut[k].figures[kPrevious];
      const auto& a = heldOut[k].figures[kWithLevels];
      md += rmsCells(heldOut[k]) + " | " + number(b.highTime95, 0) + " / " + number(a.highTime95, 0) + " | " +
            number(b.lowTime95, 0) + " / " + number(a.lowTime95, 0) + " | " + std::to_string(b.missed) + " / " +
            std::to_string(a.missed) + " | " + std::to_string(b.table.saltmark) + " / " +
            std::to_string(a.table.saltmark) + " |\n";
    } else {
      md += "- | - | - | - | - |\n";
    }
  }
  return md;
}

std::string AccuracyReportText(const TcdData& data, const Conversion& conversion, const AccuracyOptions& options,
                               const ConversionOptions& conversionOptions) {
  const auto previous = PreviousMappings(data, conversion, options.previousFitYear);
  const auto inFitYears = MeasureAccuracy(data, conversion, previous, options);
  std::vector<StationReport> heldOut;
  std::vector<PortChange> changes;
  if (data.constituents.covers(options.laterYear)) {
    AccuracyOptions later = options;
    later.year = options.laterYear;
    heldOut = MeasureAccuracy(data, conversion, previous, later);
    changes = CompareWithPrevious(data, conversion, previous, options);
  }
  return AccuracyMarkdown(inFitYears, heldOut, changes, options, conversionOptions, conversion.summary);
}

}  // namespace saltmark::tcd
