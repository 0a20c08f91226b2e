#pragma once
// Opening the maker's web site in the browser (the main window's Image2):
// the user is asked first, since the program otherwise never goes online.
#include <string_view>

#include "platform/Platform.h"

namespace saltmark {

inline constexpr std::string_view kActivateBrowserQuestion = "Click OK to activate your browser connection";
inline constexpr std::string_view kGoOnlineQuestion =
    "Please GO ONLINE NOW ... and then click OK to activate your browser connection";

// Asks to go online and, on OK, opens the address in the browser. False when
// cancelled or when the browser could not be started (the user is told).
bool OpenWebLink(std::string_view url, Platform& platform);

// Image2: asks to activate the browser connection, then OpenWebLink of the
// maker's web site.
bool OpenMakerWebSite(Platform& platform);

}  // namespace saltmark
