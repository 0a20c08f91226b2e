// A typed height of any text, in metres and in feet: the reader never
// fails, never gives more than 199 or a value that is not a number, says
// "Inappropriate Input Value" only when it gives 0, and only trims the
// caller's text. Heights the program shows read back as themselves.
#include <cmath>
#include <cstring>

#include "FuzzSupport.h"
#include "tables/HeightText.h"

using namespace saltmark;

namespace {

Settings inUnit(bool metric) {
  Settings settings;
  settings.metricUnits = toFlag(metric);
  return settings;
}

void checkTypedText(std::string_view input, const Settings& settings) {
  ScriptedPlatform platform;
  std::string text(input);
  const float value = ParseHeight(text, settings, platform);
  FUZZ_CHECK(std::isfinite(value));
  FUZZ_CHECK(std::fabs(value) <= kHeightInputLimit);
  FUZZ_CHECK(platform.messages.size() <= 1);
  if (!platform.messages.empty()) {
    FUZZ_CHECK(value == 0);
    FUZZ_CHECK(platform.messages[0].text == "Inappropriate Input Value");
  }
  FUZZ_CHECK(text.empty() || text.front() != ' ');
  FUZZ_CHECK(input.ends_with(text));
  FormatUkc(input, settings, platform);
}

// What the program shows, typed back in, is the shown value: to the
// hundredth in metres, to the inch (inches are truncated) in feet.
void checkShownHeightReadsBack(float height, const Settings& settings) {
  if (!std::isfinite(height) || std::fabs(height) > 150) return;
  ScriptedPlatform platform;
  for (std::int16_t style : {1, 2}) {
    std::string shown = FormatHeight(height, style, settings);
    const float read = ParseHeight(shown, settings, platform);
    const double tolerance = settings.metric() ? (style == 1 ? 0.05 : 0.005) + 1e-4 : 1.0 / 12 + 1e-4;
    FUZZ_CHECK(std::fabs(read - height) <= tolerance);
  }
  FUZZ_CHECK(platform.messages.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = fuzz::asText(data, size);
  for (bool metric : {true, false}) {
    const Settings settings = inUnit(metric);
    checkTypedText(input, settings);
    if (size >= sizeof(float)) {  // the first bytes as a height
      float height;
      std::memcpy(&height, data, sizeof height);
      checkShownHeightReadsBack(height, settings);
    }
  }
  return 0;
}
