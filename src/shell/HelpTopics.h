#pragma once
// The help pages shipped in the program folder's "help" folder: one page per
// help context number (each window's Help button opens its own), plus the
// contents, index and search pages of the Help menu.
#include <string>
#include <vector>

namespace saltmark {

inline constexpr const char* kHelpFolderName = "help";
inline constexpr const char* kHelpContentsPage = "contents.html";
inline constexpr const char* kHelpIndexPage = "index.html";
inline constexpr const char* kHelpSearchPage = "search.html";

struct HelpTopic {
  int context;
  const char* page;
  const char* title;
};

// Every topic with a context number, in number order.
const std::vector<HelpTopic>& HelpTopics();

// The page of a context number; the contents page for a number without one.
std::string HelpTopicPage(int context);

}  // namespace saltmark
