#include "publisher/WebLink.h"

#include <gtest/gtest.h>

#include "platform/ScriptedPlatform.h"
#include "publisher/WebCredit.h"

namespace saltmark {
namespace {

// A browser that cannot start is reported.
TEST(WebLink, OpensTheMakersSiteOnlyAfterBothOks) {
  const struct { const char* what; std::vector<MessageAnswer> answers; bool opened; std::size_t questions; } cases[] = {
      {"both OK", {MessageAnswer::Ok, MessageAnswer::Ok}, true, 2},
      {"first cancelled", {MessageAnswer::Cancel}, false, 1},
      {"second cancelled", {MessageAnswer::Ok, MessageAnswer::Cancel}, false, 2}};
  for (const auto& c : cases) {
    ScriptedPlatform platform;
    for (MessageAnswer a : c.answers) platform.answerNext(a);
    EXPECT_EQ(OpenMakerWebSite(platform), c.opened) << c.what;
    EXPECT_EQ(platform.messages.size(), c.questions) << c.what;
    EXPECT_EQ(platform.messages[0].text, kActivateBrowserQuestion) << c.what;
    EXPECT_EQ(platform.urls.size(), c.opened ? 1u : 0u) << c.what;
  }

  struct FailingBrowser : ScriptedPlatform {
    bool openUrl(std::string_view url) override {
      ScriptedPlatform::openUrl(url);
      return false;
    }
  } failing;
  failing.answerNext(MessageAnswer::Ok);
  EXPECT_FALSE(OpenWebLink("https://example.org/", failing));
  ASSERT_EQ(failing.messages.size(), 2u);
  EXPECT_EQ(failing.messages[1].text, "The web page https://example.org/ could not be opened.");
}

}  // namespace
}  // namespace saltmark
