#include "almanac/SunMoonGraphSetting.h"

#include <fstream>
#include <string>

namespace saltmark {

bool LoadSunMoonGraphSetting(const std::filesystem::path& folder) {
  std::ifstream in(folder / kSunMoonSettingFile, std::ios::binary);
  std::string line;
  if (!in || !std::getline(in, line)) return false;
  return line.rfind("SunAndMoon=1", 0) == 0;
}

WriteResult SaveSunMoonGraphSetting(const std::filesystem::path& folder, bool on) {
  return writeFileAtomically(folder / kSunMoonSettingFile, on ? "SunAndMoon=1\r\n" : "SunAndMoon=0\r\n");
}

}  // namespace saltmark
