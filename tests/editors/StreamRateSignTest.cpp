// Found by fuzzing: a small negative rate such as -0.4 rounds to the whole
// number 0, which the range check allowed, and stored -40 hundredths (a
// stream running against its set). It is refused like any other negative rate.
#include <gtest/gtest.h>

#include "editors/StreamValues.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

TEST(StreamRateSign, NoTextStoresANegativeRate) {
  const struct {
    const char* typed;
    bool allowed;
    std::int16_t stored;
  } cases[] = {{"-.4", false, 0}, {"-0.4", false, 0}, {"-0.006", false, 0},
               {"-0.005", true, 0},  // -0.5 hundredths, the tie goes to even: 0
               {"-0.004", true, 0}, {"-0", true, 0}, {"0.004", true, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    ScriptedPlatform platform;
    std::string box = c.typed;
    EXPECT_EQ(CheckStreamRate(box, platform), c.allowed);
    EXPECT_EQ(platform.messageTexts().size(), c.allowed ? 0u : 1u);
    EXPECT_EQ(StoredRate(c.typed), c.stored);
  }
}

}  // namespace
}  // namespace saltmark
