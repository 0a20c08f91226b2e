#pragma once
// What the subcommands share: opening a tide database, finding a port by name
// or by "#N", and reading the --start instant.
#include <optional>
#include <string>
#include <vector>

#include "cli/ConsolePlatform.h"
#include "common/DateTime.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"
#include "data/TideDatabase.h"

namespace saltmark::cli {

// Loads the database or throws CliError (the loader's message has gone to stderr).
void openDatabase(TideDatabase& database, const std::string& path, ConsolePlatform& platform);

// A port given as its name (exact, then ignoring case) or as "#N", its location
// number in the database. The name may be typed in UTF-8, as the commands
// print names, or in the file's Latin-1. Throws CliError when there is no
// such port.
int resolvePort(const TideDatabase& database, const std::string& port);

// The first of the names equal to the typed one, then the first equal but for
// the case of ASCII letters; the typed name is tried as given and, when it is
// UTF-8, in Latin-1 too.
std::optional<int> findName(const std::vector<std::string>& latin1Names, const std::string& typed);

// Reads the port's line into the record, or throws CliError.
void readPort(TideDatabase& database, int index, LocationRecord& record, Settings& settings,
              ConsolePlatform& platform);

// Opens the database at path and reads the port named as resolvePort takes
// it, or throws CliError.
LocationRecord readNamedPort(const std::string& path, const std::string& port, Settings& settings,
                             ConsolePlatform& platform);

// "YYYY-MM-DD HH:MM" (seconds optional, blanks around it allowed). Throws
// CliError for anything else, trailing text included.
DateTime parseStartInstant(const std::string& text);

// The most steps one run may take: a year at one-minute steps, twice over.
inline constexpr long long kMaxRunSteps = 1'000'000;

// The number of steps of a run of `days` from start at stepMinutes (the
// option that sets it named in the messages). Refuses (CliError) a step
// under one minute, the listings' resolution, a run of more than
// kMaxRunSteps steps, and a run that ends past 31 Dec 9999.
long long checkRunLength(DateTime start, double days, double stepMinutes, const std::string& stepOption);

// "YYYY-MM-DD HH:MM:SS", the instant form of every listing.
std::string formatInstant(DateTime instant);

}  // namespace saltmark::cli
