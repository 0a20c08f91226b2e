#pragma once
// The values a settings record can hold and the program still work with. A
// configuration file with one flipped bit can carry a draught that is not a
// number or a zone offset of ten thousand quarter-hours; such a field would
// fail every computation that reads it, on every start. At load these fields
// go back to their defaults and the user is told once.
#include <string>
#include <vector>

#include "data/Settings.h"

namespace saltmark {

// The largest stored vessel value: a height typed at the limit of 199 metres
// and then converted to feet.
inline constexpr double kMaxStoredHeight = 199.0 * 3.2808398950131235;
// The largest anchor scope multiplier kept from the file.
inline constexpr double kMaxScopeMultiplier = 1000.0;

// Sets every unusable field to its default and returns the names of the
// fields it set, in record order; empty when the record was sound.
std::vector<std::string> ResetUnusableSettings(Settings& settings);

// "Configuration File values out of range were reset to their defaults: "
// and the field names, joined by ", ".
std::string UnusableSettingsMessage(const std::vector<std::string>& fieldNames);

}  // namespace saltmark
