// The help pages shipped with the program: one page for every help topic, and
// every link between the pages leading somewhere, so that no Help button and
// no click in the help window ends on a missing page or a missing place.
#include "shell/HelpTopics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace saltmark {
namespace {

namespace fs = std::filesystem;

const fs::path kHelpSource = SALTMARK_HELP_SOURCE_DIR;

std::string readPage(const std::string& name) {
  std::ifstream in(kHelpSource / name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> pageNames() {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(kHelpSource))
    if (entry.path().extension() == ".html") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> captures(const std::string& text, const std::regex& pattern) {
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it)
    found.push_back((*it)[1].str());
  return found;
}

std::vector<std::string> links(const std::string& page) {
  static const std::regex href(R"re(\bhref\s*=\s*"([^"]*)")re", std::regex::icase);
  return captures(page, href);
}

std::vector<std::string> anchors(const std::string& page) {
  static const std::regex name(R"re(<a\s[^>]*\b(?:name|id)\s*=\s*"([^"]*)")re", std::regex::icase);
  return captures(page, name);
}

std::string title(const std::string& page) {
  static const std::regex pattern(R"re(<title>([^<]*)</title>)re", std::regex::icase);
  const std::vector<std::string> found = captures(page, pattern);
  return found.empty() ? std::string() : found.front();
}

// A link to the web, or to mail, leaves the help folder.
bool isExternal(const std::string& link) {
  static const std::regex scheme("^[A-Za-z][A-Za-z0-9+.-]*:");
  return std::regex_search(link, scheme);
}

std::string decodeEntities(std::string text) {
  for (const auto& [entity, plain] : std::map<std::string, std::string>{{"&amp;", "&"}, {"&nbsp;", " "}}) {
    for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at))
      text.replace(at, entity.size(), plain);
  }
  return text;
}

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

TEST(HelpPages, EveryTopicHasItsPageUnderItsTitle) {
  for (const HelpTopic& topic : HelpTopics()) {
    SCOPED_TRACE(topic.page);
    ASSERT_TRUE(fs::exists(kHelpSource / topic.page)) << "context " << topic.context;
    // The search lists pages by their titles.
    EXPECT_EQ(title(readPage(topic.page)), topic.title);
  }
  for (const char* page : {kHelpContentsPage, kHelpIndexPage, kHelpSearchPage}) {
    SCOPED_TRACE(page);
    EXPECT_TRUE(fs::exists(kHelpSource / page));
    EXPECT_FALSE(title(readPage(page)).empty());
  }
}

// Each window's Help button opens the page about that window.
TEST(HelpPages, EachWindowsContextOpensItsOwnPage) {
  const std::pair<int, const char*> cases[] = {
      {1, "The main window"},       {2, "The tide graph"},          {3, "Anchoring and grounding calculator"},
      {5, "Under-keel clearance alarm"}, {6, "Formulae used by the calculator"}, {7, "Information display"},
      {8, "The table viewer"},      {9, "Tide table settings"},     {11, "Accuracy of the predictions"},
      {13, "The stream graph"},     {14, "Stream table settings"},  {15, "The stream editor"},
      {16, "The difference editor"}};
  for (const auto& [context, pageTitle] : cases) EXPECT_EQ(title(readPage(HelpTopicPage(context))), pageTitle) << context;
}

TEST(HelpPages, EveryLocalLinkLeadsToAPageAndPlace) {
  std::map<std::string, std::set<std::string>> placesOf;
  for (const std::string& name : pageNames()) {
    const std::vector<std::string> found = anchors(readPage(name));
    placesOf[name] = std::set<std::string>(found.begin(), found.end());
    // Two places of one name would make a link jump to the first only.
    EXPECT_EQ(placesOf[name].size(), found.size()) << name << " names a place twice";
  }
  for (const std::string& name : pageNames()) {
    for (const std::string& link : links(readPage(name))) {
      if (isExternal(link)) continue;
      SCOPED_TRACE(name + " links to \"" + link + "\"");
      const std::size_t hash = link.find('#');
      const std::string target = hash == 0 ? name : link.substr(0, hash);
      if (!placesOf.contains(target)) {
        ADD_FAILURE() << "no such page";
        continue;
      }
      if (hash != std::string::npos) {
        EXPECT_TRUE(placesOf[target].contains(link.substr(hash + 1))) << "no such place";
      }
    }
  }
}

TEST(HelpPages, ContentsLinksEveryTopicAndTheIndexAndSearch) {
  std::set<std::string> linked;
  for (const std::string& link : links(readPage(kHelpContentsPage))) linked.insert(link.substr(0, link.find('#')));
  for (const HelpTopic& topic : HelpTopics()) EXPECT_TRUE(linked.contains(topic.page)) << topic.page;
  EXPECT_TRUE(linked.contains(kHelpIndexPage));
  EXPECT_TRUE(linked.contains(kHelpSearchPage));
}

TEST(HelpPages, IndexTermsAreInAlphabeticalOrder) {
  static const std::regex entry(R"re(<li><a href="[^"]*">([^<]*)</a></li>)re");
  const std::vector<std::string> terms = captures(readPage(kHelpIndexPage), entry);
  ASSERT_GT(terms.size(), 20u);
  for (std::size_t i = 1; i < terms.size(); ++i)
    EXPECT_LE(lowered(decodeEntities(terms[i - 1])), lowered(decodeEntities(terms[i])))
        << "\"" << terms[i] << "\" comes after \"" << terms[i - 1] << "\"";
}

// The help window reads pages as UTF-8 and the browser by their declared
// character set; plain ASCII with entities reads the same both ways.
TEST(HelpPages, PagesArePlainAscii) {
  for (const std::string& name : pageNames()) {
    const std::string page = readPage(name);
    const auto wide = std::find_if(page.begin(), page.end(), [](unsigned char c) { return c >= 0x80; });
    EXPECT_EQ(wide, page.end()) << name << " holds a non-ASCII byte at offset " << (wide - page.begin());
  }
}

}  // namespace
}  // namespace saltmark
