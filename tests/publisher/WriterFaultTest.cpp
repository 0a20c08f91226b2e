// The web publisher's page and index writes under each way a write can
// fail: pages published before stay byte for byte, no temporary file is
// left, the run goes on with the next location, and at its end one
// "Error in writing file" (critical icon, caption "Saltmark Publisher")
// names the first file and counts them all.
#include <gtest/gtest.h>

#include "publisher/PublisherRig.h"
#include "support/WriteFaults.h"

namespace saltmark {
namespace {

using test::WriteFault;

class PublisherWriterFault : public ::testing::TestWithParam<WriteFault>, protected test::PublishRig {
 protected:
  PublisherWriterFault() : PublishRig(DateTime::fromCivil(2026, 12, 1)) {}
  void SetUp() override {
    if (const auto why = test::WriteFaultUnavailable(GetParam(), dir.path()); !why.empty()) GTEST_SKIP() << why;
    const std::string path = writeDatabase("SOLENT.tid", {test::blankPortLine("North Bay"), test::blankPortLine("South Bay")});
    ASSERT_TRUE(database.LoadTideDatabase(path, platform));
  }

  JobOutcome publish(DateTime start) {
    request.start = start;
    answerYes(2);
    return PublishDatabase(request, database, {0, 1}, run());
  }
  std::vector<std::string> messagesAfterQuestions() const {
    std::vector<std::string> texts;
    for (const auto& m : platform.messages)
      if (m.buttons != MessageButtons::YesNo) texts.push_back(m.text.substr(0, m.text.find('\r')));
    return texts;
  }
};

TEST_P(PublisherWriterFault, PagesPublishedBeforeStayAndEveryFailureIsReported) {
  const auto folder = dir / "web" / "SOLENT";
  const auto page = folder / "North_Bay.html";
  if (GetParam() == WriteFault::FolderInPlaceOfFile) {
    // A folder where the first page should go: that page fails, the rest is written.
    test::WriteFaultScope fault(GetParam(), page);
    ASSERT_EQ(publish(DateTime::fromCivil(2026, 12, 5)), JobOutcome::Completed);
    EXPECT_TRUE(std::filesystem::is_directory(page));
    EXPECT_EQ(test::readFile(page / "inside.txt"), "kept");
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "South_Bay.html"));
    const auto texts = messagesAfterQuestions();
    ASSERT_EQ(texts.size(), 2u);  // the second page's success, then the failure
    EXPECT_EQ(texts[1], std::string(kPageWriteError) + " '" + page.string() + "': a folder stands in place of the file.");
    EXPECT_EQ(platform.messages.back().icon, MessageIcon::Critical);
    EXPECT_EQ(platform.messages.back().caption, kPublisherCaption);
    return;
  }

  ASSERT_EQ(publish(DateTime::fromCivil(2026, 12, 5)), JobOutcome::Completed);
  ASSERT_TRUE(std::filesystem::is_regular_file(page));
  const auto published = test::FolderSnapshot(dir / "web");
  platform.clear();
  {
    // The next month's pages differ from December's, so a page written over
    // an old one would show.
    test::WriteFaultScope fault(GetParam(), page);
    EXPECT_EQ(publish(DateTime::fromCivil(2027, 1, 5)), JobOutcome::Completed);
  }
  EXPECT_EQ(test::FolderSnapshot(dir / "web"), published);
  // One report for the run: the first file, and how many failed (both pages
  // and the database index; the world index too unless its folder is writable).
  const auto texts = messagesAfterQuestions();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].substr(0, kPageWriteError.size() + 2), std::string(kPageWriteError) + " '");
  const std::string count = platform.messages.back().text.substr(platform.messages.back().text.find('\r') + 1);
  EXPECT_TRUE(count == "3 files could not be written." || count == "4 files could not be written.") << count;
  EXPECT_EQ(platform.messages.back().icon, MessageIcon::Critical);
  EXPECT_EQ(platform.unansweredQuestions, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryFault, PublisherWriterFault, ::testing::ValuesIn(test::kAllWriteFaults),
                         [](const auto& info) { return test::WriteFaultName(info.param); });

}  // namespace
}  // namespace saltmark
