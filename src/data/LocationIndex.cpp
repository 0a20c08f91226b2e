#include "data/LocationIndex.h"

namespace saltmark {

bool LocationIndex::LoadLocationIndex(const std::filesystem::path& folder, Platform& platform) {
  return LoadLocationIndexFile(folder / kLocationIndexFileName, platform);
}

bool LocationIndex::LoadLocationIndexFile(const std::filesystem::path& path, Platform& platform) {
  try {
    LocationIndexContents read = ReadLocationIndexFile(path, [&platform] { platform.processEvents(); });
    contents_ = std::move(read);
    indexEntryCount_ = static_cast<std::int16_t>(contents_.entries.size());
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

const LocationIndexEntry* LocationIndex::entry(int locationNumber) const {
  if (locationNumber < 0 || static_cast<std::size_t>(locationNumber) >= contents_.entries.size()) return nullptr;
  return &contents_.entries[static_cast<std::size_t>(locationNumber)];
}

std::string LocationIndex::LocationName(int locationNumber) const {
  const LocationIndexEntry* found = entry(locationNumber);
  return found ? found->LocationName : std::string();
}

std::string LocationIndex::databaseName(int databaseNumber) const {
  if (databaseNumber < 0 || static_cast<std::size_t>(databaseNumber) >= contents_.databaseNames.size()) return {};
  return contents_.databaseNames[static_cast<std::size_t>(databaseNumber)];
}

}  // namespace saltmark
