#include <gtest/gtest.h>

#include <array>
#include <string>

#include "editors/DifferenceValues.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

TEST(NormaliseTimeDifference, GivesASignAndHoursAndMinutes) {
  const struct {
    const char* typed;
    const char* stored;
  } cases[] = {
      {"130", "+0130"},   {"-45", "-0045"},     {"130.6", "+0131"}, {"-2359", "-2359"}, {"2359", "+2359"},
      {"0", " 0000"},     {"75", " 0000"},      {"+0060", " 0000"}, {"2400", " 0000"},  {"2359.5", " 0000"},
      {"-2360", " 0000"}, {"abc", " 0000"},     {"0.4", " 0000"},   {"-0.4", " 0000"},  {"  59 x", "+0059"},
      {"1e400", " 0000"}, {"-1159", "-1159"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormaliseTimeDifference(c.typed), c.stored) << c.typed;
}

TEST(NormaliseDifferenceText, HeightsGetTwoDecimalsAndEmptyBoxesStayEmpty) {
  const struct {
    int index;
    const char* typed;
    const char* shown;
  } cases[] = {
      {0, "1.2", "1.20"}, {3, "-.5", "-0.50"}, {6, "x", "0.00"}, {9, "0.125", "0.13"}, {7, "1e400", "0.00"},
      {4, "130", "+0130"}, {5, "-45", "-0045"}, {2, "", ""},     {4, "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(NormaliseDifferenceText(c.index, c.typed), c.shown) << c.index << c.typed;
}

// Values given as a string of ten flags, '1' filled.
std::array<std::string, kDifferenceValueCount> values(const char* filled) {
  std::array<std::string, kDifferenceValueCount> v;
  for (std::size_t i = 0; i < v.size(); ++i) v[i] = filled[i] == '1' ? "1.00" : "";
  return v;
}

TEST(CheckDifferenceCombination, AllowsOnlyTheFiveHeightPatternsAndBothOrNoTimes) {
  //            heights 0-3, times 4-5, differences 6-9
  const struct {
    const char* filled;
    bool allowed;
    const char* message;
  } cases[] = {
      {"1111111111", true, ""},   // all heights, both times
      {"1111001111", true, ""},   // all heights, no times
      {"0110110110", true, ""},   // neaps only
      {"1001111001", true, ""},   // springs only
      {"0000111111", true, ""},   // differences only
      {"0000000000", true, ""},   // none
      {"0000110000", true, ""},   // times alone
      {"1111101111", false, "only one time"},
      {"0000010000", false, "only one time"},
      {"1000000000", false, "Data combination"},
      {"1111000111", false, "Data combination"},
      {"0110000111", false, "Data combination"},
      // the time test comes first even when the heights are wrong too
      {"1000100000", false, "only one time"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filled);
    ScriptedPlatform platform;
    EXPECT_EQ(CheckDifferenceCombination(values(c.filled), platform), c.allowed);
    if (c.allowed) {
      EXPECT_TRUE(platform.messages.empty());
    } else {
      ASSERT_EQ(platform.messages.size(), 1u);
      EXPECT_NE(platform.messages[0].text.find(c.message), std::string::npos);
      EXPECT_EQ(platform.messages[0].caption, "Saltmark Differences");
      EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
      EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    }
  }
}

TEST(CheckDifferenceCombination, MessagesAreTheProgramsOwn) {
  EXPECT_EQ(DifferenceCombinationProblem(values("0000100000")),
            "You cannot specify only one time difference. See help for more details.");
  EXPECT_EQ(DifferenceCombinationProblem(values("0100000000")),
            "Data combination not permitted. Please see help for more details");
}

}  // namespace
}  // namespace saltmark
