#include "tables/TableExport.h"

#include <gtest/gtest.h>

#include "common/RuntimeError.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"
#include "tables/TableJob.h"

namespace saltmark {
namespace {

const std::string kTable = "Saltmark Tide Table\r\n\r\n05 Dec 2026 14:05\t4.23\tHI\r\n";

TEST(TableExport, TheFileIsTheTextAndOneMoreLineEnd) {
  struct Case {
    std::string text, contents;
  } cases[] = {{kTable, kTable + "\r\n"}, {"", "\r\n"}, {"no line end", "no line end\r\n"}};
  test::TempDir dir;
  for (const Case& c : cases) {
    EXPECT_EQ(TableFileContents(c.text), c.contents);
    EXPECT_FALSE(SaveTableFile(dir / "table.txt", c.text));
    EXPECT_EQ(test::readFile(dir / "table.txt"), c.contents);
  }
}

TEST(TableJob, AComputationThatCannotGoOnIsReportedAsAFailure) {
  ScriptedPlatform platform;
  EXPECT_EQ(RunTableJob([] { return JobOutcome::Completed; }, platform), JobOutcome::Completed);
  EXPECT_EQ(RunTableJob([] { return JobOutcome::Cancelled; }, platform), JobOutcome::Cancelled);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(RunTableJob([]() -> JobOutcome { throw RuntimeError(errc::kOverflow); }, platform), JobOutcome::Failed);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(platform.messages[0].text, "The table could not be completed: Overflow.");
}

}  // namespace
}  // namespace saltmark
