#include "cli/ReferencePorts.h"

#include <algorithm>
#include <cctype>

#include "cli/CliSupport.h"
#include "cli/CommandRegistry.h"
#include "common/RuntimeError.h"
#include "data/StreamFile.h"
#include <sstream>

namespace saltmark::cli {

ReferencePorts::ReferencePorts(const std::filesystem::path& dataFolder, Settings& runSettings,
                               ConsolePlatform& console)
    : StreamState(runSettings, console, dataFolder), platform(console), folder(dataFolder) {
  if (!locationIndex.LoadLocationIndex(folder, platform))
    throw CliError("cannot read the location index SALTMARK.IND in " + folder.string());
}

void ReferencePorts::load(int locationNumber) {
  if (!LoadReferencePort(context, locationNumber))
    throw CliError("cannot load reference port " + std::to_string(locationNumber));
}

void ReferencePorts::chooseStations(const std::string& streamDatabase, const std::vector<std::string>& wanted,
                                    const std::vector<std::string>& position) {
  std::vector<StreamRecord> records;
  try {
    records = StreamFile::read(streamDatabase);
  } catch (const RuntimeError& error) {
    throw CliError("cannot read stream database " + streamDatabase + ": " + error.what());
  }
  if (wanted.empty() || wanted.size() > kMaxChosenStations) throw CliError("give one, two or three stations");
  std::vector<std::string> names;
  for (const auto& r : records) names.push_back(r.name);
  std::copy(records.begin(), records.end(), streamTable.records.begin());

  std::vector<bool> selected(records.size(), false);
  for (const auto& name : wanted) selected[findRecordByName(names, name, "stream station")] = true;
  StationFrame frame = ChooseStreamStations(selected, streamTable, stations);
  if (stations.count > 1) {
    if (position.size() == 2) {
      if (!InterpolateStreams(position[0], position[1], streamTable, stations, frame, platform))
        throw CliError("the stations cannot be weighted for that position");
    } else {
      for (int k = 0; k < stations.count; ++k) stations.stationWeights[k] = 100.0F / stations.count;
    }
  }
  load(streamTable.records[stations.selectedStations[0]].referencePort);
}

std::vector<std::string> splitNames(const std::string& list) {
  std::vector<std::string> names;
  std::stringstream in(list);
  for (std::string name; std::getline(in, name, ',');)
    if (!name.empty()) names.push_back(name);
  return names;
}

int findRecordByName(const std::vector<std::string>& names, const std::string& wanted, const char* what) {
  const int count = static_cast<int>(names.size());
  if (wanted.size() > 1 && wanted[0] == '#' &&
      std::all_of(wanted.begin() + 1, wanted.end(), [](unsigned char c) { return std::isdigit(c); }) &&
      wanted.size() < 6) {
    const int index = std::stoi(wanted.substr(1));
    if (index < count) return index;
  }
  if (const auto found = findName(names, wanted)) return *found;
  throw CliError(std::string("no ") + what + " named \"" + wanted + "\"");
}

}  // namespace saltmark::cli
