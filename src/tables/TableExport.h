#pragma once
// The table viewer's text as a saved file: the whole text followed by one
// more CR LF, written so that a failed save leaves the file that was there
// before untouched.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace saltmark {

inline constexpr std::string_view kTableFileTitle = "Save Table As";
inline constexpr std::string_view kTableFileFilter = "Text Files (*.txt);;All Files (*)";
inline constexpr std::string_view kTableFileName = "table.txt";

// What goes into the file.
std::string TableFileContents(std::string_view text);

// Saves the text; on failure the message to show (the file name and the
// system's reason), nothing when it was saved.
std::optional<std::string> SaveTableFile(const std::filesystem::path& path, std::string_view text);

}  // namespace saltmark
