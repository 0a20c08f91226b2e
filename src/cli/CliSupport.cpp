#include "cli/CliSupport.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "cli/CommandRegistry.h"

namespace saltmark::cli {

namespace {

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

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
  for (int i = 0; i < count; ++i)
    if (database.LocationListName(i) == port) return i;
  const std::string wanted = lowerCase(port);
  for (int i = 0; i < count; ++i)
    if (lowerCase(database.LocationListName(i)) == wanted) return i;
  throw CliError("no port named \"" + port + "\" in " + database.currentDatabase());
}

void readPort(TideDatabase& database, int index, LocationRecord& record, Settings& settings,
              ConsolePlatform& platform) {
  if (!database.ReadLocation(index, record, settings, platform))
    throw CliError("cannot read port #" + std::to_string(index));
}

DateTime parseStartInstant(const std::string& text) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  char tail = 0;
  const int n = std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d%c", &y, &mo, &d, &h, &mi, &s, &tail);
  if (n == 5 || n == 6) {
    if (auto instant = DateTime::tryFromCivil(y, mo, d, h, mi, n == 6 ? s : 0)) return *instant;
  }
  throw CliError("start must be \"YYYY-MM-DD HH:MM\", not \"" + text + "\"");
}

std::string formatInstant(DateTime instant) {
  const CivilDateTime c = instant.civil();
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day,
                c.hour, c.minute, c.second);
  return buffer;
}

}  // namespace saltmark::cli
