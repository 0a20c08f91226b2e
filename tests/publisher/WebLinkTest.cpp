#include "publisher/WebLink.h"

#include <gtest/gtest.h>

#include "platform/ScriptedPlatform.h"
#include "publisher/WebCredit.h"

namespace saltmark {
namespace {

class FailingBrowser : public ScriptedPlatform {
 public:
  bool openUrl(std::string_view url) override {
    ScriptedPlatform::openUrl(url);
    return false;
  }
};

TEST(WebLink, OpensTheMakersSiteOnlyAfterBothOks) {
  const struct {
    const char* what;
    std::vector<MessageAnswer> answers;
    bool opened;
    std::size_t questions;
  } cases[] = {
      {"both OK", {MessageAnswer::Ok, MessageAnswer::Ok}, true, 2},
      {"first cancelled", {MessageAnswer::Cancel}, false, 1},
      {"second cancelled", {MessageAnswer::Ok, MessageAnswer::Cancel}, false, 2},
  };
  for (const auto& c : cases) {
    ScriptedPlatform platform;
    for (MessageAnswer a : c.answers) platform.answerNext(a);
    EXPECT_EQ(OpenMakerWebSite(platform), c.opened) << c.what;
    EXPECT_EQ(platform.messages.size(), c.questions) << c.what;
    EXPECT_EQ(platform.messages[0].text, kActivateBrowserQuestion) << c.what;
    EXPECT_EQ(platform.urls, c.opened ? std::vector<std::string>{std::string(kMakerWebAddress)}
                                      : std::vector<std::string>{})
        << c.what;
  }
}

TEST(WebLink, ABrowserThatCannotStartIsReported) {
  FailingBrowser platform;
  platform.answerNext(MessageAnswer::Ok);
  EXPECT_FALSE(OpenWebLink("https://example.org/", platform));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, "The web page https://example.org/ could not be opened.");
}

}  // namespace
}  // namespace saltmark
