#include <gtest/gtest.h>

#include <string>

#include "editors/StreamValues.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

TEST(StreamValues, DirectionsAreWholeDegreesUpTo359) {
  const struct {
    const char* typed;
    bool allowed;
    std::int16_t stored;
  } cases[] = {
      {"", true, 0},        {"0", true, 0},       {"359", true, 359},    {"359.4", true, 359}, {"359.6", false, 0},
      {"360", false, 0},    {"36", true, 36},     {"-0.4", true, 0},     {"-1", false, 0},     {"7", true, 7},
      {"0.5", true, 0},     {"1.5", true, 2},     {"x", true, 0},        {"1e400", false, 0},  {"99999", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    ScriptedPlatform platform;
    std::string box = c.typed;
    EXPECT_EQ(CheckStreamDirection(box, platform), c.allowed);
    EXPECT_EQ(box, c.allowed ? c.typed : "");
    EXPECT_EQ(platform.messages.size(), c.allowed ? 0u : 1u);
    EXPECT_EQ(StoredDirection(c.typed), c.stored);
  }
}

TEST(StreamValues, RatesAreHundredthsUpTo327) {
  const struct {
    const char* typed;
    bool allowed;
    std::int16_t stored;
  } cases[] = {
      {"0.125", true, 12},  // 12.5 hundredths, the tie goes to even
      {"0.135", true, 14},  {"1.50", true, 150},  {"327", true, 32700},  {"327.4", true, 32740},
      {"327.5", false, 0},  {"328", false, 0},    {"-1", false, 0},     {"", true, 0},
      {"1e400", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    ScriptedPlatform platform;
    std::string box = c.typed;
    EXPECT_EQ(CheckStreamRate(box, platform), c.allowed);
    EXPECT_EQ(box, c.allowed ? c.typed : "");
    EXPECT_EQ(StoredRate(c.typed), c.stored);
  }
}

TEST(StreamValues, RefusalsSayWhatIsAllowed) {
  ScriptedPlatform platform;
  std::string direction = "360";
  std::string rate = "400";
  CheckStreamDirection(direction, platform);
  CheckStreamRate(rate, platform);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].text, "Direction must be between 0 and 359 degrees");
  EXPECT_EQ(platform.messages[1].text, "Speed must be between 0 and 327");
  for (const RecordedMessage& m : platform.messages) {
    EXPECT_EQ(m.caption, "Saltmark: Tidal Streams");
    EXPECT_EQ(m.icon, MessageIcon::Exclamation);
  }
}

TEST(StreamValues, ShownForms) {
  EXPECT_EQ(FormatStreamDirection(7), "007");
  EXPECT_EQ(FormatStreamDirection(359), "359");
  EXPECT_EQ(FormatStreamRate(12), "0.12");
  EXPECT_EQ(FormatStreamRate(150), "1.50");
  EXPECT_EQ(FormatStreamRate(0), "0.00");
  EXPECT_EQ(FormatStreamRate(32700), "327.00");
  EXPECT_EQ(NormaliseStreamDirectionText("7.4"), "007");
  EXPECT_EQ(NormaliseStreamDirectionText("359.4"), "359");
  EXPECT_EQ(NormaliseStreamDirectionText(""), "000");
  EXPECT_EQ(NormaliseStreamRateText("1.5"), "1.50");
  EXPECT_EQ(NormaliseStreamRateText("1e400"), "0.00");
  // A box showing 1.50 stores 150.
  EXPECT_EQ(StoredRate(NormaliseStreamRateText("1.5")), 150);
}

}  // namespace
}  // namespace saltmark
