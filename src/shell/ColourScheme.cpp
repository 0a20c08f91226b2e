#include "shell/ColourScheme.h"

namespace saltmark {

ColourScheme ColourSchemeFor(bool colourDisplay) {
  if (colourDisplay) return ColourScheme{std::nullopt, 0x00FF00, 0x000000, 0x00FF00};
  return ColourScheme{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x000000};
}

}  // namespace saltmark
