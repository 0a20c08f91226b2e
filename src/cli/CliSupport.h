#pragma once
// What the subcommands share: opening a tide database, finding a port by name
// or by "#N", and reading the --start instant.
#include <string>

#include "cli/ConsolePlatform.h"
#include "common/DateTime.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"
#include "data/TideDatabase.h"

namespace saltmark::cli {

// Loads the database or throws CliError (the loader's message has gone to stderr).
void openDatabase(TideDatabase& database, const std::string& path, ConsolePlatform& platform);

// A port given as its name (exact, then ignoring case) or as "#N", its location
// number in the database. Throws CliError when there is no such port.
int resolvePort(const TideDatabase& database, const std::string& port);

// Reads the port's line into the record, or throws CliError.
void readPort(TideDatabase& database, int index, LocationRecord& record, Settings& settings,
              ConsolePlatform& platform);

// "YYYY-MM-DD HH:MM" (seconds optional). Throws CliError for anything else.
DateTime parseStartInstant(const std::string& text);

// "YYYY-MM-DD HH:MM:SS", the instant form of every listing.
std::string formatInstant(DateTime instant);

}  // namespace saltmark::cli
