// A published page as a browser reads it: headless Chromium loads a month's
// page; the bytes decode to the right letters and the month's table has
// every day (that the links resolve is WebPublisherTest's). Skipped where
// Chromium is not installed.
#include <gtest/gtest.h>

#include <unistd.h>

#include <regex>
#include <set>

#include "cli/CliRun.h"
#include "publisher/PublisherRig.h"

namespace saltmark {
namespace {

constexpr const char* kChromium = "/usr/bin/chromium";

// The page's document as the browser built it, serialised in UTF-8.
std::string browserDom(const std::filesystem::path& page, const std::filesystem::path& profile) {
  const std::string command = std::string(kChromium) +
                              " --headless --no-sandbox --disable-gpu --disable-background-networking"
                              " --disable-component-update --disable-sync --no-first-run --user-data-dir='" +
                              profile.string() + "' --dump-dom 'file://" + page.string() + "' 2>/dev/null";
  return test::runShell(command).out;
}

std::vector<std::string> matches(const std::string& text, const std::regex& pattern) {
  std::vector<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) found.push_back((*it)[1]);
  return found;
}

TEST(PublishedPagesInABrowser, LoadWithEveryDayDecoded) {
  if (::access(kChromium, X_OK) != 0) GTEST_SKIP() << "chromium is not installed";
  test::PublishRig rig(DateTime::fromCivil(2026, 12, 5));
  ASSERT_TRUE(rig.database.LoadTideDatabase(rig.writeDatabase("SOLENT.tid", {test::blankPortLine("North Bay")}), rig.platform));
  rig.request.rowsText = "8";
  rig.answerYes(1);
  ASSERT_EQ(PublishDatabase(rig.request, rig.database, {0}, rig.run()), JobOutcome::Completed);
  const std::string page = browserDom(rig.dir / "web" / "SOLENT" / "North_Bay.html", rig.dir / "profile");
  ASSERT_NE(page.find("<table"), std::string::npos) << page;
  EXPECT_NE(page.find("50\xC2\xB0" "48'N"), std::string::npos) << "the degree sign decodes";
  // 5 December to 4 January: every day once in the grid, each with its waters.
  const auto days = matches(page, std::regex("<strong>([0-9]+)</strong>"));
  EXPECT_EQ(days.size(), 31u);
  EXPECT_EQ(std::set<std::string>(days.begin(), days.end()).size(), 31u);
  EXPECT_EQ(matches(page, std::regex("<td><font[^>]*>([0-9]{4})</font></td>")).size(), 124u);
}

}  // namespace
}  // namespace saltmark
