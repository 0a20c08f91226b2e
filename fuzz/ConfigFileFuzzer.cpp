// A configuration file of any bytes: it is taken whole or replaced by the
// defaults after one message; a record that was taken is exactly the file's
// leading bytes, the saved copy holds them as they stand, and the loaded
// record differs from it only in the unusable fields set back to their
// defaults, with one message when there were any.
#include "FuzzSupport.h"
#include "common/RuntimeError.h"
#include "data/ConfigFile.h"
#include "data/Settings.h"
#include "data/SettingsLimits.h"

using namespace saltmark;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::asText(data, size);

  const bool decoded = fuzz::takenOrRefusedAs([&] {
    const Settings read = DecodeSettings(bytes);
    const std::string written = EncodeSettings(read);
    FUZZ_CHECK(bytes.substr(0, written.size()) == written);
    FUZZ_CHECK(!SettingsChanged(DecodeSettings(written), read));
  }, {errc::kInputPastEnd});

  fuzz::writeScratchFile(kConfigFileName, bytes);
  ScriptedPlatform platform;
  Settings settings;
  settings.vesselName = "left over";
  Settings savedCopy;
  const SettingsSource source = LoadSettings(settings, savedCopy, fuzz::scratchFolder(), platform);
  if (source == SettingsSource::File) {
    FUZZ_CHECK(decoded);
    FUZZ_CHECK(!SettingsChanged(savedCopy, DecodeSettings(bytes)));
    Settings mended = DecodeSettings(bytes);
    const bool anyReset = !ResetUnusableSettings(mended).empty();
    FUZZ_CHECK(!SettingsChanged(settings, mended));
    FUZZ_CHECK(platform.messages.size() == (anyReset ? 1u : 0u));
    FUZZ_CHECK(ResetUnusableSettings(mended).empty());
  } else {
    FUZZ_CHECK(!SettingsChanged(settings, savedCopy));
    FUZZ_CHECK(source == SettingsSource::Rejected);
    FUZZ_CHECK(platform.messageTexts() == std::vector<std::string>{"Error in Loading Configuration File"});
    Settings defaults;
    defaults.vesselName = "left over";
    setDefaultSettings(defaults);
    FUZZ_CHECK(!SettingsChanged(settings, defaults));
  }
  return 0;
}
