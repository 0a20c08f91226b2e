#include "AccuracyReport.h"

#include <algorithm>
#include <cstdio>
#include <thread>

#include "HarmonicSum.h"
#include "PortLine.h"
#include "SimplifiedModel.h"
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
         std::to_string(f.events);
}

// The median over stations of each figure.
StationFigures medianOf(const std::vector<StationReport>& reports, bool after) {
  const auto median = [&](double StationFigures::*field) {
    std::vector<double> values;
    for (const auto& r : reports) values.push_back((after ? r.after : r.before).*field);
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
    m.missed += (after ? r.after : r.before).missed;
    m.events += (after ? r.after : r.before).events;
  }
  return m;
}

}  // namespace

std::vector<StationReport> MeasureAccuracy(const TcdData& data, const Conversion& conversion,
                                           const AccuracyOptions& options) {
  const SampleClock clock = YearClock(options.year, options.stepHours);
  const auto& ports = conversion.ports;
  std::vector<std::size_t> chosen;
  const std::size_t wanted = std::min<std::size_t>(static_cast<std::size_t>(std::max(options.stations, 0)), ports.size());
  for (std::size_t k = 0; k < wanted; ++k) chosen.push_back(k * ports.size() / wanted);

  std::vector<StationReport> reports(chosen.size());
  const auto work = [&](std::size_t first, std::size_t step) {
    for (std::size_t k = first; k < chosen.size(); k += step) {
      const ConvertedPort& port = ports[chosen[k]];
      const ReferenceStation& station = data.references[static_cast<std::size_t>(port.station)];
      StationReport& report = reports[k];
      report.name = port.name;
      report.fitted = port.fitted;
      const auto sum = HarmonicSum::forYear(station, data.constituents, options.year);
      if (!sum) continue;
      const auto full = sum->sample(clock.hoursUtc(0, port.direct.zoneHoursWest), clock.stepHours, clock.count);
      const auto lineOf = [&](const SimplePort& p) {
        return FormatLocationLine(port.name, p, station.latitude, station.longitude);
      };
      report.before = Summarise(CompareCurves(full, engineCurve(lineOf(port.direct), clock), clock.stepHours));
      report.after = port.fitted
                         ? Summarise(CompareCurves(full, engineCurve(lineOf(port.stored), clock), clock.stepHours))
                         : report.before;
    }
  };
  std::thread helper(work, 1, 2);
  work(0, 2);
  helper.join();
  return reports;
}

std::string AccuracyMarkdown(const std::vector<StationReport>& reports, const std::vector<StationReport>& later,
                             const AccuracyOptions& options, const ConversionOptions& conversion) {
  std::string md;
  const std::string header =
      "| RMS m | HW time med / 95% (min) | LW time med / 95% (min) | HW height med / 95% (m) | "
      "LW height med / 95% (m) | missed / events |";
  const std::string rule = "|---:|---:|---:|---:|---:|---:|";
  md += "# Accuracy of the bundled tide data\n\n";
  md += "NOT FOR NAVIGATION. These figures compare two predictions made from the same public constants; "
        "neither is an observation of the sea.\n\n";
  md += "Year " + std::to_string(options.year) + ", " + std::to_string(reports.size()) +
        " stations, samples every " + number(options.stepHours * 60, 0) + " minutes. The ports were fitted to " +
        std::to_string(conversion.fitYear) + ".\n\n";
  md += "## Summary (median over the stations)\n\n";
  md += "| Mapping " + header + "\n|---" + rule + "\n";
  md += "| constants copied directly | " + figuresCells(medianOf(reports, false)) + " |\n";
  md += "| as converted (fit kept where better) | " + figuresCells(medianOf(reports, true)) + " |\n";
  if (!later.empty()) {
    const std::string y = std::to_string(options.laterYear);
    md += "| " + y + ": constants copied directly | " + figuresCells(medianOf(later, false)) + " |\n";
    md += "| " + y + ": as converted | " + figuresCells(medianOf(later, true)) + " |\n";
  }
  md += "\n";
  md += "Missed / events: high and low waters of the full-constituent tide with no Saltmark event of the same "
        "kind within 3 hours, summed over the stations.\n\n";
  md += "## Method\n\n";
  md += "The yardstick is the standard harmonic sum of every constituent the station has in the TCD file, "
        "h(t) = Z0 + sum f H cos(V0 + w t - G), with each constituent's speed w, its equilibrium argument V0 "
        "at the start of the year and its node factor f for the year as libtcd gives them, the epochs G "
        "referred to UTC. Saltmark's prediction is the program's own engine run on the location line exactly as "
        "the converter writes it (four constituents corrected by the engine's group factors, the two "
        "shallow-water terms and the mean level), at the same instants in the port's standard zone. The RMS "
        "is taken over every sample of the year; high and low waters are the turning points of each curve, "
        "refined by a parabola through three samples, and each high (low) water of the full tide is paired "
        "with the nearest high (low) water of Saltmark's curve; the time and height errors are the absolute "
        "differences of the pairs.\n\n";
  md += "\"Constants copied directly\" takes the station's M2, S2, K1 and O1 and derives the shallow-water "
        "terms from M4 and M6 (coefficient H(M4)/H(M2)^2 with phase g(M4) - 2g(M2), H(M6)/H(M2)^3 with "
        "g(M6) - 3g(M2)). The converter then fits the mean level, the four constituents and the two "
        "shallow-water terms by least squares to an hourly full-constituent tide over the fit year: the "
        "formula is linear in the mean level, in H cos g and H sin g of each constituent and, with the "
        "combined semidiurnal amplitude and angle of the last estimate held fixed, in the shallow-water "
        "terms, so the linear problem is solved repeatedly until the error stops falling. Whichever mapping "
        "gives the smaller RMS over the fit year is written. The fit absorbs what the four-constituent "
        "method leaves out (N2, K2, P1 and Q1 at the station's own ratios, the node factors of the year), "
        "so it is best in the year it was fitted to; the node factors of O1 and K1 drift over the 18.6-year "
        "nodal cycle, and a later year shows a part of that drift.\n\n";
  md += "## Stations (as converted)\n\n";
  md += "| Station | fitted " + header + "\n|---|:-:" + rule + "\n";
  for (const StationReport& r : reports)
    md += "| " + latin1ToUtf8(r.name) + " | " + (r.fitted ? "yes" : "no") + " | " + figuresCells(r.after) + " |\n";
  md += "\n## Stations (constants copied directly)\n\n";
  md += "| Station " + header + "\n|---" + rule + "\n";
  for (const StationReport& r : reports) md += "| " + latin1ToUtf8(r.name) + " | " + figuresCells(r.before) + " |\n";
  return md;
}

}  // namespace saltmark::tcd
