// A configuration file of any bytes: it is taken whole or replaced by the
// defaults after one message, the saved copy always matches what was loaded,
// and a record that was taken is exactly the file's leading bytes.
#include "FuzzSupport.h"
#include "common/RuntimeError.h"
#include "data/ConfigFile.h"
#include "data/Settings.h"

using namespace saltmark;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::asText(data, size);

  bool decoded = false;
  try {
    const Settings read = DecodeSettings(bytes);
    decoded = true;
    const std::string written = EncodeSettings(read);
    FUZZ_CHECK(bytes.substr(0, written.size()) == written);
    FUZZ_CHECK(!SettingsChanged(DecodeSettings(written), read));
  } catch (const RuntimeError& refused) {
    FUZZ_CHECK(refused.code() == errc::kInputPastEnd);
  }

  fuzz::writeScratchFile(kConfigFileName, bytes);
  ScriptedPlatform platform;
  Settings settings;
  settings.vesselName = "left over";
  Settings savedCopy;
  const SettingsSource source = LoadSettings(settings, savedCopy, fuzz::scratchFolder(), platform);
  FUZZ_CHECK(!SettingsChanged(settings, savedCopy));
  if (source == SettingsSource::File) {
    FUZZ_CHECK(decoded);
    FUZZ_CHECK(platform.messages.empty());
    FUZZ_CHECK(!SettingsChanged(settings, DecodeSettings(bytes)));
  } else {
    FUZZ_CHECK(source == SettingsSource::Rejected);
    FUZZ_CHECK(platform.messageTexts() == std::vector<std::string>{"Error in Loading Configuration File"});
    Settings defaults;
    defaults.vesselName = "left over";
    setDefaultSettings(defaults);
    FUZZ_CHECK(!SettingsChanged(settings, defaults));
  }
  return 0;
}
