// saltmark-cli publish DB.tid (PORT|--all) --start ... --out DIR [--rows R]
// [--font F] [--sun-moon]: the monthly web pages (and, with --all, the index pages) as
// the program's web publisher writes them.
#include <iostream>

#include "cli/CliSupport.h"
#include "cli/CommandRegistry.h"
#include "cli/GeneratorCommandSupport.h"
#include "publisher/EnginePortHeights.h"
#include "publisher/WebPublisher.h"

namespace saltmark::cli {
namespace {

struct PublishOptions {
  PortOptions port;
  bool all = false;
  std::string out;
  std::string rows = "31";
  std::string font = "Arial";
  bool sunMoon = false;
};

void runPublish(const PublishOptions& o) {
  if (o.all == !o.port.port.empty()) throw CliError("give either a port or --all");
  YesPlatform platform;
  auto loaded = loadPort(o.port, platform, !o.all);
  WebPublishRequest request;
  request.start = loaded->start;
  request.saveDir = o.out;
  request.rowsText = o.rows;
  request.fontFace = o.font;
  request.allLocations = o.all;
  request.sunMoon = o.sunMoon;
  request.zoneName = "GMT";
  if (auto refusal = CheckWebPublishRequest(request)) throw CliError(*refusal);

  std::vector<int> locations;
  if (o.all) {
    for (int i = 0; i < loaded->database.locationCount(); ++i) locations.push_back(i);
  } else {
    locations.push_back(loaded->index);
  }
  SilentProgress progress;
  FilePageWriter writer;
  EnginePortHeights ports;
  WaterEventCounter events;
  const int errorsBefore = platform.messageCount;
  PublishDatabase(request, loaded->database, locations,
                  PublishRun{loaded->settings, platform, progress, writer, ports, events});
  if (platform.messageCount != errorsBefore) throw CliError("some pages could not be written");
  std::cout << "pages written to " << DatabaseFolder(o.out, o.port.database).string() << '\n';
}

void addPublishCommand(CLI::App& app) {
  auto* command = app.add_subcommand("publish", "Write the monthly web pages of one port or of every port");
  auto options = std::make_shared<PublishOptions>();
  command->add_option("database", options->port.database, "Tide database (*.tid)")->required();
  command->add_option("port", options->port.port, "Port name, or #N for its location number");
  command->add_flag("--all", options->all, "Every port of the database, with the index pages");
  command->add_option("--start", options->port.start, "Start, \"YYYY-MM-DD HH:MM\" (GMT)")->required();
  command->add_option("--out", options->out, "Save folder")->required();
  command->add_option("--rows", options->rows, "Rows of the day grid (default 31)");
  command->add_option("--font", options->font, "Font face (default Arial)");
  command->add_flag("--feet", options->port.feet, "Heights in feet and inches instead of metres");
  command->add_flag("--sun-moon", options->sunMoon, "Each day's sunrise and sunset under its waters");
  command->callback([options] { runPublish(*options); });
}

const bool registered = registerCommand(&addPublishCommand);

}  // namespace
}  // namespace saltmark::cli
