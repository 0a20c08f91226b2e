// saltmark-cli ports DB.tid: every port of a tide database with its location
// number, zone and position.
#include <iostream>

#include "cli/CliSupport.h"
#include "cli/CommandRegistry.h"
#include "common/TextEncoding.h"

namespace saltmark::cli {
namespace {

void addPortsCommand(CLI::App& app) {
  auto* command = app.add_subcommand("ports", "List the ports of a tide database with their positions");
  auto database = std::make_shared<std::string>();
  command->add_option("database", *database, "Tide database (*.tid)")->required();
  command->callback([database] {
    ConsolePlatform platform;
    TideDatabase db;
    Settings settings;
    settings.autoLocalZone = 0;
    openDatabase(db, *database, platform);
    for (int i = 0; i < db.locationCount(); ++i) {
      LocationRecord record;
      readPort(db, i, record, settings, platform);
      std::cout << '#' << i << '\t' << latin1ToUtf8(record.portName) << '\t'
                << latin1ToUtf8(record.positionText) << "\tzone " << record.portZone << '\n';
    }
  });
}

const bool registered = registerCommand(&addPortsCommand);

}  // namespace
}  // namespace saltmark::cli
