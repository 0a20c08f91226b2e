// The help pages shipped with the program: one page for every help topic, and
// every link between the pages leading somewhere, so that no Help button and
// no click in the help window ends on a missing page or a missing place.
#include "shell/HelpTopics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace saltmark {
namespace {

namespace fs = std::filesystem;

const fs::path kHelpSource = SALTMARK_HELP_SOURCE_DIR;

std::string readPage(const std::string& name) { return test::readFile(kHelpSource / name); }

std::vector<std::string> captures(const std::string& text, const char* pattern) {
  const std::regex re(pattern, std::regex::icase);
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
    found.push_back((*it)[1].str());
  return found;
}

const char* const kLinks = R"re(\bhref\s*=\s*"([^"]*)")re";
const char* const kPlaces = R"re(<a\s[^>]*\b(?:name|id)\s*=\s*"([^"]*)")re";

std::string title(const std::string& page) {
  const std::vector<std::string> found = captures(page, "<title>([^<]*)</title>");
  return found.empty() ? std::string() : found.front();
}

// Each window's Help button opens the page of its context number, and a
// number without a page opens the contents, which links every topic.
TEST(HelpPages, EveryTopicHasItsPageUnderItsTitle) {
  std::set<std::string> linked;
  for (const std::string& link : captures(readPage(kHelpContentsPage), kLinks))
    linked.insert(link.substr(0, link.find('#')));
  int previous = 0;
  for (const HelpTopic& topic : HelpTopics()) {
    SCOPED_TRACE(topic.page);
    EXPECT_LT(previous, topic.context);
    previous = topic.context;
    EXPECT_EQ(HelpTopicPage(topic.context), topic.page);
    EXPECT_EQ(title(readPage(topic.page)), topic.title);  // the search lists pages by their titles
    EXPECT_TRUE(linked.contains(topic.page));
  }
  EXPECT_EQ(HelpTopicPage(4), kHelpContentsPage);
  for (const char* page : {kHelpContentsPage, kHelpIndexPage, kHelpSearchPage})
    EXPECT_FALSE(title(readPage(page)).empty()) << page;
  EXPECT_TRUE(linked.contains(kHelpIndexPage));
  EXPECT_TRUE(linked.contains(kHelpSearchPage));
}

// Every local link leads to a page and place; every page is plain ASCII (the
// help window reads pages as UTF-8, the browser by their declared character set).
TEST(HelpPages, EveryLocalLinkLeadsToAPageAndPlace) {
  std::map<std::string, std::string> pages;
  for (const fs::directory_entry& entry : fs::directory_iterator(kHelpSource))
    if (const std::string name = entry.path().filename().string(); entry.path().extension() == ".html")
      pages[name] = readPage(name);
  std::map<std::string, std::set<std::string>> placesOf;
  for (const auto& [name, page] : pages) {
    const std::vector<std::string> found = captures(page, kPlaces);
    placesOf[name] = std::set<std::string>(found.begin(), found.end());
    // Two places of one name would make a link jump to the first only.
    EXPECT_EQ(placesOf[name].size(), found.size()) << name << " names a place twice";
    const auto wide = std::find_if(page.begin(), page.end(), [](unsigned char c) { return c >= 0x80; });
    EXPECT_EQ(wide, page.end()) << name << " holds a non-ASCII byte at offset " << (wide - page.begin());
  }
  for (const auto& [name, page] : pages) {
    for (const std::string& link : captures(page, kLinks)) {
      if (std::regex_search(link, std::regex("^[A-Za-z][A-Za-z0-9+.-]*:"))) continue;  // the web or mail
      SCOPED_TRACE(name + " links to \"" + link + "\"");
      const std::size_t hash = link.find('#');
      const std::string target = hash == 0 ? name : link.substr(0, hash);
      if (!placesOf.contains(target)) {
        ADD_FAILURE() << "no such page";
      } else if (hash != std::string::npos) {
        EXPECT_TRUE(placesOf[target].contains(link.substr(hash + 1))) << "no such place";
      }
    }
  }
}

// Terms as the reader sees them: without entities or case.
TEST(HelpPages, IndexTermsAreInAlphabeticalOrder) {
  std::vector<std::string> terms = captures(readPage(kHelpIndexPage), R"re(<li><a href="[^"]*">([^<]*)</a></li>)re");
  ASSERT_GT(terms.size(), 20u);
  for (std::string& term : terms) {
    for (const auto& [entity, plain] : {std::pair{"&amp;", "&"}, std::pair{"&nbsp;", " "}})
      for (std::size_t at = term.find(entity); at != std::string::npos; at = term.find(entity, at + 1))
        term.replace(at, std::strlen(entity), plain);
    for (char& c : term) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  for (std::size_t i = 1; i < terms.size(); ++i)
    EXPECT_LE(terms[i - 1], terms[i]) << "\"" << terms[i] << "\" comes after \"" << terms[i - 1] << "\"";
}

}  // namespace
}  // namespace saltmark
