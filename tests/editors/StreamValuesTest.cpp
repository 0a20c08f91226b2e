#include <gtest/gtest.h>

#include <string>

#include "editors/StreamValues.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

// What a set or rate box lets through and what it stores: whole degrees up
// to 359, hundredths up to 327 (the tie goes to even).
TEST(StreamValues, DirectionsAreWholeDegreesAndRatesHundredthsUpTo327) {
  using Check = bool (*)(std::string&, Platform&);
  using Store = std::int16_t (*)(std::string_view);
  const Check direction = CheckStreamDirection, rate = CheckStreamRate;
  const struct {
    Check check;
    const char* typed;
    bool allowed;
    std::int16_t stored;
  } cases[] = {
      {direction, "", true, 0},       {direction, "0", true, 0},         {direction, "359", true, 359},
      {direction, "359.4", true, 359}, {direction, "359.6", false, 0},   {direction, "360", false, 0},
      {direction, "36", true, 36},    {direction, "-0.4", true, 0},      {direction, "-1", false, 0},
      {direction, "7", true, 7},      {direction, "0.5", true, 0},       {direction, "1.5", true, 2},
      {direction, "x", true, 0},      {direction, "1e400", false, 0},    {direction, "99999", false, 0},
      {rate, "0.125", true, 12},      {rate, "0.135", true, 14},         {rate, "1.50", true, 150},
      {rate, "327", true, 32700},     {rate, "327.4", true, 32740},      {rate, "327.5", false, 0},
      {rate, "328", false, 0},        {rate, "-1", false, 0},            {rate, "", true, 0},
      {rate, "1e400", false, 0},
      // Found by fuzzing: a small negative rate rounds to the whole number 0,
      // which a range check on the rounded value would allow, and would store
      // a stream running against its set. Refused like any negative rate.
      {rate, "-.4", false, 0},        {rate, "-0.4", false, 0},          {rate, "-0.006", false, 0},
      {rate, "-0.005", true, 0},      {rate, "-0.004", true, 0},         {rate, "-0", true, 0},
      {rate, "0.004", true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    ScriptedPlatform platform;
    std::string box = c.typed;
    const Store store = c.check == direction ? Store{StoredDirection} : Store{StoredRate};
    EXPECT_EQ(c.check(box, platform), c.allowed);
    EXPECT_EQ(box, c.allowed ? c.typed : "");
    EXPECT_EQ(platform.messages.size(), c.allowed ? 0u : 1u);
    EXPECT_EQ(store(c.typed), c.stored);
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
