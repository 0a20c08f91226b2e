#include "shell/Startup.h"

#include <system_error>

#include "data/ConfigFile.h"
#include "shell/AppState.h"

namespace saltmark {

void SetWorkingFolder(const std::filesystem::path& folder) {
  std::error_code ignored;
  std::filesystem::current_path(folder, ignored);
}

bool LoadStartupData(AppState& state) {
  LoadSettings(state.settings, state.savedSettings, state.programFolder, state.platform);
  SetWorkingFolder(state.programFolder);
  return state.locationIndex.LoadLocationIndex(state.programFolder, state.platform);
}

}  // namespace saltmark
