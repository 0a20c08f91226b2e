#pragma once
// The program's two colour schemes. In colour the windows keep the system's
// button-face background and draw in green, black and green; in monochrome
// (for printing on a plain printer or a dim screen at night) everything is
// white with black as the only ink.
#include <cstdint>
#include <optional>

#include "data/Settings.h"

namespace saltmark {

struct ColourScheme {
  // nullopt: the system's button-face colour.
  std::optional<std::uint32_t> background;
  std::uint32_t drawing1 = 0;
  std::uint32_t drawing2 = 0;
  std::uint32_t drawing3 = 0;
};

ColourScheme ColourSchemeFor(bool colourDisplay);
inline ColourScheme ColourSchemeFor(const Settings& settings) { return ColourSchemeFor(isTrue(settings.colourDisplay)); }

}  // namespace saltmark
