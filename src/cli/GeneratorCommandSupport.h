#pragma once
// What the generator subcommands (table, stream-table, publish, graph)
// share: the port, start and vessel options, and loading the port into the
// settings the generators read.
#include <CLI/CLI.hpp>

#include <memory>
#include <string>

#include "cli/ConsolePlatform.h"
#include "common/DateTime.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"
#include "data/TideDatabase.h"
#include "tables/HeightSource.h"

namespace saltmark::cli {

struct PortOptions {
  std::string database;
  std::string port;
  std::string start;
  std::string depth;    // charted depth, typed as in the program ("2.5", "8'6")
  std::string draught;
  bool feet = false;
};

// Adds "database", "port" (when withPort) and --start, --depth, --draught, --feet.
void addPortOptions(CLI::App& command, PortOptions& options, bool withPort = true);

struct LoadedPort {
  TideDatabase database;
  int index = 0;
  LocationRecord record;
  Settings settings;
  DateTime start;
};

// Settings for a run in GMT, in metres or feet, with the typed depth and
// draught (a refused height is a CliError). Loads the database and, when
// the options name one, the port.
std::unique_ptr<LoadedPort> loadPort(const PortOptions& options, ConsolePlatform& platform, bool withPort = true);

// The engine's heights for the port (tideHeight in the settings' unit).
std::unique_ptr<TideHeightSource> engineHeights(const LocationRecord& port, const Settings& settings);

// Writes texts as the terminal wants them (UTF-8), line ends kept.
void printText(const std::string& latin1);

// A platform that says Yes to every question (the publisher asks before each
// page) and keeps quiet about successes; errors still go to stderr.
class YesPlatform : public ConsolePlatform {
 public:
  MessageAnswer message(std::string_view text, MessageIcon icon, MessageButtons buttons,
                        std::string_view caption) override {
    if (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel) return MessageAnswer::Yes;
    if (icon == MessageIcon::Information) return MessageAnswer::Ok;
    return ConsolePlatform::message(text, icon, buttons, caption);
  }
};

}  // namespace saltmark::cli
