#pragma once
// The program's name and version string. The first eight characters of the
// version string ("Saltmark") sign every tide database and configuration file.
#include <string_view>

namespace saltmark {

inline constexpr std::string_view kAppTitle = "Saltmark";
// Title, a blank, then major, minor and revision written together (1.0.0).
inline constexpr std::string_view kVersionString = "Saltmark 100";
inline constexpr std::size_t kSignatureLength = 8;
// The warning carried by the bundled data and the About text.
inline constexpr std::string_view kNotForNavigation = "NOT FOR NAVIGATION";

}  // namespace saltmark
