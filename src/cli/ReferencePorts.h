#pragma once
// The state a secondary-port or stream run needs: the location index and the
// tide databases of the folder a difference or stream database lies in, the
// current (reference) port and the engines.
#include <filesystem>
#include <memory>

#include "cli/ConsolePlatform.h"
#include "cli/StreamState.h"

namespace saltmark::cli {

struct ReferencePorts : StreamState {
  ReferencePorts(const std::filesystem::path& folder, Settings& runSettings, ConsolePlatform& console);

  // Makes the port with that location number current, or throws CliError.
  void load(int locationNumber);

  // Reads the stream database into streamTable and chooses up to three of
  // its stations by name (or #N), weighted for the position (latitude and
  // longitude texts) when one is given, else sharing equally; then makes the
  // first station's reference port current. Throws CliError on refusal.
  void chooseStations(const std::string& streamDatabase, const std::vector<std::string>& names,
                      const std::vector<std::string>& position);

  ConsolePlatform& platform;
  std::filesystem::path folder;
};

// Station names separated by commas.
std::vector<std::string> splitNames(const std::string& list);

// The record whose name is given (exactly, then ignoring case) or "#N";
// throws CliError when there is none.
int findRecordByName(const std::vector<std::string>& names, const std::string& wanted, const char* what);

}  // namespace saltmark::cli
