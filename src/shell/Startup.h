#pragma once
// The start of a run: the data folder (data/DataFolder.h) becomes the working folder (every
// data file is found there by bare name), then the settings record and the
// location index are loaded.
#include <filesystem>

namespace saltmark {

struct AppState;

// Changes to the folder; a failure is ignored (the files are then not found
// and their loaders say so).
void SetWorkingFolder(const std::filesystem::path& folder);

// What the start-up window does before its OK button appears: the settings
// (with the copy for the exit question), the working folder again, and the
// location index. A missing or damaged index is not an error: the finder and
// the editors' reference lists stay empty. True when the index was read.
bool LoadStartupData(AppState& state);

}  // namespace saltmark
