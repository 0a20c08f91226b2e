#include "cli/GeneratorCommandSupport.h"

#include <iostream>

#include "cli/CliSupport.h"
#include "cli/CommandRegistry.h"
#include "common/TextEncoding.h"
#include "engine/TideEngine.h"
#include "tables/HeightText.h"

namespace saltmark::cli {

void addPortOptions(CLI::App& command, PortOptions& o, bool withPort) {
  command.add_option("database", o.database, "Tide database (*.tid)")->required();
  if (withPort) command.add_option("port", o.port, "Port name, or #N for its location number")->required();
  command.add_option("--start", o.start, "Start, \"YYYY-MM-DD HH:MM\" (GMT)")->required();
  command.add_option("--depth", o.depth, "Charted depth, as typed in the program");
  command.add_option("--draught", o.draught, "Vessel draught, as typed in the program");
  command.add_flag("--feet", o.feet, "Heights in feet and inches instead of metres");
}

namespace {

float typedHeight(const std::string& text, const char* what, const Settings& settings, ConsolePlatform& platform) {
  std::string typed = text;
  const int before = platform.messageCount;
  const float value = ParseHeight(typed, settings, platform);
  if (platform.messageCount != before) throw CliError(std::string("refused ") + what + " \"" + text + "\"");
  return value;
}

}  // namespace

std::unique_ptr<LoadedPort> loadPort(const PortOptions& o, ConsolePlatform& platform, bool withPort) {
  auto loaded = std::make_unique<LoadedPort>();
  Settings& s = loaded->settings;
  s.autoLocalZone = 0;
  s.timeBase = static_cast<std::int16_t>(TimeBase::Gmt);
  s.metricUnits = o.feet ? kFalse : kTrue;
  s.chartedDepth = typedHeight(o.depth, "depth", s, platform);
  s.draught = typedHeight(o.draught, "draught", s, platform);
  loaded->start = parseStartInstant(o.start);
  openDatabase(loaded->database, o.database, platform);
  s.tideDatabasePath = o.database;
  if (withPort) {
    loaded->index = resolvePort(loaded->database, o.port);
    readPort(loaded->database, loaded->index, loaded->record, s, platform);
    s.locationName = loaded->record.portName;
  }
  return loaded;
}

namespace {

// A source that owns its engine; the settings must outlive it.
class OwnedEngineHeights : public TideHeightSource {
 public:
  OwnedEngineHeights(const LocationRecord& port, const Settings& settings) : engine_(settings) {
    engine_.setPort(port);
  }
  float heightAt(DateTime portInstant) override {
    engine_.PredictHeight(portInstant);
    return engine_.tideHeight();
  }

 private:
  TideEngine engine_;
};

}  // namespace

std::unique_ptr<TideHeightSource> engineHeights(const LocationRecord& port, const Settings& settings) {
  return std::make_unique<OwnedEngineHeights>(port, settings);
}

void printText(const std::string& latin1) { std::cout << latin1ToUtf8(latin1) << std::flush; }

}  // namespace saltmark::cli
