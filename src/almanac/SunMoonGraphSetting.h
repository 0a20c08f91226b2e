#pragma once
// Whether the tide graph shows the night and the moon's phases. The
// configuration file keeps its fixed record, so this one choice lives in a
// small file of its own beside it, "SUNMOON.CFG", holding "SunAndMoon=1" or
// "SunAndMoon=0" and written atomically. A missing or unreadable file means
// off, the graph as it always was.
#include <filesystem>
#include <string_view>

#include "common/AtomicFile.h"

namespace saltmark {

inline constexpr std::string_view kSunMoonSettingFile = "SUNMOON.CFG";

bool LoadSunMoonGraphSetting(const std::filesystem::path& folder);
WriteResult SaveSunMoonGraphSetting(const std::filesystem::path& folder, bool on);

}  // namespace saltmark
