#pragma once
// A small program folder for screenshots when the real one has no tide
// database: three ports with a tide, the location index, a difference
// database with one secondary port and a stream database with two stations.
#include <filesystem>

namespace saltmark::screenshots {

bool HasTideDatabase(const std::filesystem::path& folder);

// Writes the demo files into folder (which must exist); the help pages are
// copied from helpSource when it has them. False when a file could not be
// written.
bool WriteDemoFolder(const std::filesystem::path& folder, const std::filesystem::path& helpSource);

}  // namespace saltmark::screenshots
