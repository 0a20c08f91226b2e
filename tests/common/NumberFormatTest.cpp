#include "common/NumberFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "common/RuntimeError.h"

namespace saltmark {
namespace {

struct PatternCase {
  double value;
  const char* pattern;
  const char* expected;
};

class PatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternTest, FormatsByPattern) {
  const PatternCase& c = GetParam();
  EXPECT_EQ(FormatNumberPoint(c.value, c.pattern), c.expected) << c.value << " by \"" << c.pattern << '"';
}

// The patterns the program uses, with rounding and overflow of the places.
INSTANTIATE_TEST_SUITE_P(
    ProgramPatterns, PatternTest,
    ::testing::Values(
        // heights, one decimal
        PatternCase{0, " ##0.0;-##0.0; 0.0", " 0.0"}, PatternCase{3.25, " ##0.0;-##0.0; 0.0", " 3.3"},
        PatternCase{-0.46, " ##0.0;-##0.0; 0.0", "-0.5"}, PatternCase{123.44, " ##0.0;-##0.0; 0.0", " 123.4"},
        PatternCase{12345.67, " ##0.0;-##0.0; 0.0", " 12345.7"},
        PatternCase{-0.04, " ##0.0;-##0.0; 0.0", " 0.0"}, PatternCase{0.05, " ##0.0;-##0.0; 0.0", " 0.1"},
        PatternCase{-3.25, " ##0.0;-##0.0; 0.0", "-3.3"}, PatternCase{9.96, " ##0.0;-##0.0; 0.0", " 10.0"},
        // heights, two decimals
        PatternCase{0, "##0.00;-##0.00;#0.00", "0.00"}, PatternCase{1.005, "##0.00;-##0.00;#0.00", "1.00"},
        PatternCase{-2.5, "##0.00;-##0.00;#0.00", "-2.50"}, PatternCase{2.675, "##0.00;-##0.00;#0.00", "2.67"},
        PatternCase{0.125, "##0.00;-##0.00;#0.00", "0.13"}, PatternCase{-0.125, "##0.00;-##0.00;#0.00", "-0.13"},
        PatternCase{1234.5, "##0.00;-##0.00;#0.00", "1234.50"},
        PatternCase{-0.004, "##0.00;-##0.00;#0.00", "0.00"},
        // stream rates
        PatternCase{2.25, " #0.0; -#0.0; 0.0", " 2.3"}, PatternCase{-0.35, " #0.0; -#0.0; 0.0", " -0.3"},
        PatternCase{-0.45, " #0.0; -#0.0; 0.0", " -0.5"}, PatternCase{0, " #0.0; -#0.0; 0.0", " 0.0"},
        PatternCase{0.5, " #0.0; -#0.0; 0.0", " 0.5"}, PatternCase{123.0, " #0.0; -#0.0; 0.0", " 123.0"},
        // directions and feet figures
        PatternCase{5, "000", "005"}, PatternCase{270, "000", "270"}, PatternCase{1234, "000", "1234"},
        PatternCase{-5, "000", "-005"}, PatternCase{359.5, "000", "360"}, PatternCase{2.5, "000", "003"},
        PatternCase{7, "00", "07"}, PatternCase{0, "00", "00"}, PatternCase{123, "00", "123"},
        PatternCase{8, " 0", " 8"}, PatternCase{0, " 0", " 0"}, PatternCase{12, " 0", " 12"},
        PatternCase{0, "##0", "0"}, PatternCase{5, "##0", "5"}, PatternCase{12345, "##0", "12345"},
        PatternCase{-7, "##0", "-7"}, PatternCase{0.5, "##0", "1"}, PatternCase{-0.5, "##0", "-1"},
        PatternCase{-0.4, "##0", "0"},
        // zone offsets, graph labels, positions and editors
        PatternCase{4, "+;-; ", "+"}, PatternCase{-5, "+;-; ", "-"}, PatternCase{0, "+;-; ", " "},
        PatternCase{-1, "00;00;00", "01"}, PatternCase{12, "00;00;00", "12"},
        PatternCase{3, " ##';-##';  0'", " 3'"}, PatternCase{-2, " ##';-##';  0'", "-2'"},
        PatternCase{0, " ##';-##';  0'", "  0'"}, PatternCase{0, "#;-#;0", "0"}, PatternCase{-4, "#;-#;0", "-4"},
        PatternCase{5.25, "00.0", "05.3"}, PatternCase{59.96, "00.0", "60.0"}, PatternCase{-1.5, "0.00", "-1.50"},
        PatternCase{12.5, "0.0", "12.5"}, PatternCase{0.25, "0.0", "0.3"}));

INSTANTIATE_TEST_SUITE_P(
    PatternRules, PatternTest,
    ::testing::Values(PatternCase{0, "#", ""}, PatternCase{1.5, "0.0#", "1.5"}, PatternCase{1.25, "0.0#", "1.25"},
                      PatternCase{0.5, "#.00", ".50"}, PatternCase{12.5, ".00", "12.50"},
                      PatternCase{5, "0\"m\"", "5m"}, PatternCase{5, "\\x0", "x5"},
                      PatternCase{5, "\"a;b\"0", "a;b5"}, PatternCase{1e20, "0", "100000000000000000000"},
                      PatternCase{-3, "0;;z", "-3"}, PatternCase{0, "0;-0;", "0"}, PatternCase{2.5, "", "2.5"},
                      PatternCase{-2, "0;(0)", "(2)"}, PatternCase{-0.01, "0.0;(0.0)", "0.0"},
                      PatternCase{5, "0,0", "0.5"}, PatternCase{1.5, "0.0.0", "1.5.0"}));

TEST(NumberFormat, NonFiniteValueIsAnOverflow) {
  EXPECT_THROW(FormatNumberPoint(1.0 / 0.0, "0.0"), RuntimeError);
  EXPECT_THROW(FormatNumberPoint(std::nan(""), "0.0"), RuntimeError);
}

// A locale whose decimal separator is a comma must not change the output.
class CommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR"}) {
      if (std::setlocale(LC_ALL, name) != nullptr) {
        active_ = true;
        return;
      }
    }
    GTEST_SKIP() << "no comma-decimal locale installed";
  }
  void TearDown() override {
    if (active_) std::setlocale(LC_ALL, "C");
  }

 private:
  bool active_ = false;
};

TEST_F(CommaLocale, DecimalPointStaysAPoint) {
  EXPECT_EQ(FormatNumberPoint(3.25, " ##0.0;-##0.0; 0.0"), " 3.3");
  EXPECT_EQ(FormatNumberPoint(-1234.5, "##0.00;-##0.00;#0.00"), "-1234.50");
  EXPECT_EQ(FormatNumberPoint(2.5, ""), "2.5");
}

}  // namespace
}  // namespace saltmark
