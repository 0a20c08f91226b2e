#include "data/SettingsLimits.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

#include "common/RuntimeError.h"
#include "common/VbNumbers.h"

namespace saltmark {

namespace {

bool usableHeight(float value) { return std::isfinite(value) && std::fabs(value) <= kMaxStoredHeight + 0.01; }

bool usableZoneOffset(std::int16_t quarters) {
  return quarters >= -kMaxZoneOffsetQuarters && quarters <= kMaxZoneOffsetQuarters;
}

bool withinChoices(std::int16_t value, int count) { return value >= 0 && value < count; }

// The leading number of a stored text, or nothing when it is too large to hold.
std::optional<double> storedNumber(const std::string& text) {
  try {
    return Val(text);
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

bool usableNumberText(const std::string& text) { return storedNumber(text).has_value(); }

bool usableMultiplier(const std::string& text) {
  const auto value = storedNumber(text);
  return value && std::fabs(*value) <= kMaxScopeMultiplier;
}

}  // namespace

std::vector<std::string> ResetUnusableSettings(Settings& settings) {
  const Settings defaults;
  std::vector<std::string> reset;
  auto check = [&](auto Settings::*field, bool usable, std::string_view name) {
    if (usable) return;
    settings.*field = defaults.*field;
    reset.emplace_back(name);
  };
  Settings& s = settings;
  check(&Settings::timeBase, withinChoices(s.timeBase, 3), "time base");
  check(&Settings::systemZoneOffset, usableZoneOffset(s.systemZoneOffset), "system zone offset");
  check(&Settings::localZoneOffset, usableZoneOffset(s.localZoneOffset), "local zone offset");
  check(&Settings::draught, usableHeight(s.draught), "draught");
  check(&Settings::chartedDepth, usableHeight(s.chartedDepth), "charted depth");
  check(&Settings::chainOnBoard, usableHeight(s.chainOnBoard), "chain on board");
  check(&Settings::ropeOnBoard, usableHeight(s.ropeOnBoard), "rope on board");
  check(&Settings::chainMultiplier, usableMultiplier(s.chainMultiplier), "chain multiplier");
  check(&Settings::ropeMultiplier, usableMultiplier(s.ropeMultiplier), "rope multiplier");
  check(&Settings::graphDays, usableNumberText(s.graphDays), "plot duration");
  check(&Settings::findDistance, usableNumberText(s.findDistance), "search distance");
  check(&Settings::echoSounderOffset, usableHeight(s.echoSounderOffset), "echo sounder offset");
  check(&Settings::portMode, withinChoices(s.portMode, 4), "mode");
  check(&Settings::speedUnits, withinChoices(s.speedUnits, 4), "stream units");
  return reset;
}

std::string UnusableSettingsMessage(const std::vector<std::string>& fieldNames) {
  std::string text = "Configuration File values out of range were reset to their defaults: ";
  for (std::size_t i = 0; i < fieldNames.size(); ++i) text += (i ? ", " : "") + fieldNames[i];
  return text + ".";
}

}  // namespace saltmark
