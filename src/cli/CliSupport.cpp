#include "cli/CliSupport.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>
#include <vector>

#include "cli/CommandRegistry.h"
#include "common/TextEncoding.h"

namespace saltmark::cli {

namespace {

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

std::optional<int> findName(const std::vector<std::string>& latin1Names, const std::string& typed) {
  std::vector<std::string> spellings{typed};
  if (const auto latin1 = utf8ToLatin1(typed); latin1 && *latin1 != typed) spellings.push_back(*latin1);
  const int count = static_cast<int>(latin1Names.size());
  for (const std::string& wanted : spellings)
    for (int i = 0; i < count; ++i)
      if (latin1Names[static_cast<std::size_t>(i)] == wanted) return i;
  for (const std::string& wanted : spellings)
    for (int i = 0; i < count; ++i)
      if (lowerCase(latin1Names[static_cast<std::size_t>(i)]) == lowerCase(wanted)) return i;
  return std::nullopt;
}

void openDatabase(TideDatabase& database, const std::string& path, ConsolePlatform& platform) {
  if (!database.LoadTideDatabase(path, platform)) throw CliError("cannot load tide database " + path);
}

int resolvePort(const TideDatabase& database, const std::string& port) {
  const int count = database.locationCount();
  if (!port.empty() && port[0] == '#') {
    const std::string digits = port.substr(1);
    if (!digits.empty() && std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); })) {
      const int index = std::stoi(digits.size() > 6 ? std::string("999999") : digits);
      if (index < count) return index;
    }
    throw CliError("no port " + port + " in " + database.currentDatabase());
  }
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(database.LocationListName(i));
  if (const auto found = findName(names, port)) return *found;
  throw CliError("no port named \"" + port + "\" in " + database.currentDatabase());
}

void readPort(TideDatabase& database, int index, LocationRecord& record, Settings& settings,
              ConsolePlatform& platform) {
  if (!database.ReadLocation(index, record, settings, platform))
    throw CliError("cannot read port #" + std::to_string(index));
}

LocationRecord readNamedPort(const std::string& path, const std::string& port, Settings& settings,
                             ConsolePlatform& platform) {
  TideDatabase database;
  openDatabase(database, path, platform);
  LocationRecord record;
  readPort(database, resolvePort(database, port), record, settings, platform);
  return record;
}

DateTime parseStartInstant(const std::string& text) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  int end = 0;
  bool read = std::sscanf(text.c_str(), " %d-%d-%d %d:%d:%d %n", &y, &mo, &d, &h, &mi, &s, &end) == 6 &&
              end == static_cast<int>(text.size());
  if (!read) {
    s = 0;
    end = 0;
    read = std::sscanf(text.c_str(), " %d-%d-%d %d:%d %n", &y, &mo, &d, &h, &mi, &end) == 5 &&
           end == static_cast<int>(text.size());
  }
  if (read) {
    if (auto instant = DateTime::tryFromCivil(y, mo, d, h, mi, s)) return *instant;
  }
  throw CliError("start must be \"YYYY-MM-DD HH:MM\", not \"" + text + "\"");
}

long long checkRunLength(DateTime start, double days, double stepMinutes, const std::string& stepOption) {
  if (!(stepMinutes >= 1)) throw CliError(stepOption + " must be at least 1 minute");
  const double steps = days * 1440 / stepMinutes;
  if (!(steps <= static_cast<double>(kMaxRunSteps)))
    throw CliError("a run of more than " + std::to_string(kMaxRunSteps) + " steps is refused: shorten the days or lengthen " +
                   stepOption);
  const DateTime lastInstant = DateTime::fromCivil(9999, 12, 31, 23, 59, 59);
  if (!(start.addMinutes(days * 1440) <= lastInstant)) throw CliError("the run must end by 9999-12-31");
  return static_cast<long long>(steps);
}

std::string formatInstant(DateTime instant) {
  const CivilDateTime c = instant.civil();
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day,
                c.hour, c.minute, c.second);
  return buffer;
}

}  // namespace saltmark::cli
