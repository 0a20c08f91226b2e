#include "publisher/WebLink.h"

#include <string>

#include "publisher/WebCredit.h"

namespace saltmark {

bool OpenWebLink(std::string_view url, Platform& platform) {
  if (platform.message(kGoOnlineQuestion, MessageIcon::Information, MessageButtons::OkCancel) != MessageAnswer::Ok)
    return false;
  if (platform.openUrl(url)) return true;
  platform.message("The web page " + std::string(url) + " could not be opened.", MessageIcon::Exclamation);
  return false;
}

bool OpenMakerWebSite(Platform& platform) {
  if (platform.message(kActivateBrowserQuestion, MessageIcon::Information, MessageButtons::OkCancel) !=
      MessageAnswer::Ok)
    return false;
  return OpenWebLink(kMakerWebAddress, platform);
}

}  // namespace saltmark
