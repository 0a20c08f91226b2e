// What the record editors' boxes let through and how they store and show it.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "editors/DifferenceValues.h"
#include "editors/StreamValues.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

TEST(NormaliseTimeDifference, GivesASignAndHoursAndMinutes) {
  const struct { const char* typed; const char* stored; } cases[] = {
      {"130", "+0130"},   {"-45", "-0045"},     {"130.6", "+0131"}, {"-2359", "-2359"}, {"2359", "+2359"},
      {"0", " 0000"},     {"75", " 0000"},      {"+0060", " 0000"}, {"2400", " 0000"},  {"2359.5", " 0000"},
      {"-2360", " 0000"}, {"abc", " 0000"},     {"0.4", " 0000"},   {"-0.4", " 0000"},  {"  59 x", "+0059"},
      {"1e400", " 0000"}, {"-1159", "-1159"}};
  for (const auto& c : cases) EXPECT_EQ(NormaliseTimeDifference(c.typed), c.stored) << c.typed;
}

TEST(NormaliseDifferenceText, HeightsGetTwoDecimalsAndEmptyBoxesStayEmpty) {
  const struct { int index; const char* typed; const char* shown; } cases[] = {
      {0, "1.2", "1.20"}, {3, "-.5", "-0.50"}, {6, "x", "0.00"}, {9, "0.125", "0.13"}, {7, "1e400", "0.00"},
      {4, "130", "+0130"}, {5, "-45", "-0045"}, {2, "", ""},     {4, "", ""}};
  for (const auto& c : cases) EXPECT_EQ(NormaliseDifferenceText(c.index, c.typed), c.shown) << c.index << c.typed;
}

TEST(CheckDifferenceCombination, AllowsOnlyTheFiveHeightPatternsAndBothOrNoTimes) {
  const std::string oneTime = "You cannot specify only one time difference. See help for more details.";
  const std::string refused = "Data combination not permitted. Please see help for more details";
  //            heights 0-3, times 4-5, differences 6-9; '1' filled
  const struct { const char* filled; std::string message; } cases[] = {
      // allowed: all heights with both or no times, neaps only, springs only,
      // differences only, none, times alone
      {"1111111111", ""}, {"1111001111", ""}, {"0110110110", ""}, {"1001111001", ""}, {"0000111111", ""},
      {"0000000000", ""}, {"0000110000", ""},
      {"1111101111", oneTime},  {"0000010000", oneTime},   {"1000000000", refused},
      {"1111000111", refused},  {"0110000111", refused},
      {"1000100000", oneTime},  // the time test comes first even when the heights are wrong too
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filled);
    std::array<std::string, kDifferenceValueCount> values;
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = c.filled[i] == '1' ? "1.00" : "";
    ScriptedPlatform platform;
    EXPECT_EQ(CheckDifferenceCombination(values, platform), c.message.empty());
    EXPECT_EQ(platform.messageTexts(), c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
    if (c.message.empty()) continue;
    EXPECT_EQ(platform.messages[0].caption, "Saltmark Differences");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
  }
}

// What a set or rate box lets through and what it stores: whole degrees up
// to 359, hundredths up to 327 (the tie goes to even).
TEST(StreamValues, DirectionsAreWholeDegreesAndRatesHundredthsUpTo327) {
  using Check = bool (*)(std::string&, Platform&);
  using Store = std::int16_t (*)(std::string_view);
  const Check direction = CheckStreamDirection, rate = CheckStreamRate;
  const struct { Check check; const char* typed; bool allowed; std::int16_t stored; } cases[] = {
      {direction, "", true, 0},       {direction, "0", true, 0},         {direction, "359", true, 359},
      {direction, "359.4", true, 359}, {direction, "359.6", false, 0},   {direction, "360", false, 0},
      {direction, "36", true, 36},    {direction, "-0.4", true, 0},      {direction, "-1", false, 0},
      {direction, "7", true, 7},      {direction, "0.5", true, 0},       {direction, "1.5", true, 2},
      {direction, "x", true, 0},      {direction, "1e400", false, 0},    {direction, "99999", false, 0},
      {rate, "0.125", true, 12},      {rate, "0.135", true, 14},         {rate, "1.50", true, 150},
      {rate, "327", true, 32700},     {rate, "327.4", true, 32740},      {rate, "327.5", false, 0},
      {rate, "328", false, 0},        {rate, "-1", false, 0},            {rate, "", true, 0}, {rate, "1e400", false, 0},
      // A small negative rate rounds to 0, which a range check on the rounded
      // value would allow: refused like any negative rate.
      {rate, "-.4", false, 0},        {rate, "-0.4", false, 0},          {rate, "-0.006", false, 0},
      {rate, "-0.005", true, 0},      {rate, "-0.004", true, 0},         {rate, "-0", true, 0},
      {rate, "0.004", true, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    ScriptedPlatform platform;
    std::string box = c.typed;
    const Store store = c.check == direction ? Store{StoredDirection} : Store{StoredRate};
    EXPECT_EQ(c.check(box, platform), c.allowed);
    EXPECT_EQ(box, c.allowed ? c.typed : "");
    EXPECT_EQ(store(c.typed), c.stored);
    if (c.allowed) {
      EXPECT_TRUE(platform.messages.empty());
      continue;
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, c.check == direction ? "Direction must be between 0 and 359 degrees"
                                                              : "Speed must be between 0 and 327");
    EXPECT_EQ(platform.messages[0].caption, "Saltmark: Tidal Streams");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
  }
}

TEST(StreamValues, ShownForms) {
  EXPECT_EQ(FormatStreamRate(0), "0.00");
  EXPECT_EQ(FormatStreamRate(32700), "327.00");
  EXPECT_EQ(NormaliseStreamDirectionText(""), "000");
  EXPECT_EQ(NormaliseStreamRateText("1e400"), "0.00");
}

}  // namespace
}  // namespace saltmark
