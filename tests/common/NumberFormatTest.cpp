#include "common/NumberFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "common/RuntimeError.h"

namespace saltmark {
namespace {

// Values and what a pattern makes of them: first the patterns the program
// uses, with rounding and overflow of the places, then the pattern rules.
TEST(NumberFormat, Patterns) {
  const std::vector<std::pair<const char*, std::vector<std::pair<double, const char*>>>> table = {
      // heights, one decimal
      {" ##0.0;-##0.0; 0.0", {{0, " 0.0"}, {3.25, " 3.3"}, {-0.46, "-0.5"}, {123.44, " 123.4"}, {12345.67, " 12345.7"},
                              {-0.04, " 0.0"}, {0.05, " 0.1"}, {-3.25, "-3.3"}, {9.96, " 10.0"}}},
      // heights, two decimals
      {"##0.00;-##0.00;#0.00", {{0, "0.00"}, {1.005, "1.00"}, {-2.5, "-2.50"}, {2.675, "2.67"}, {0.125, "0.13"},
                                {-0.125, "-0.13"}, {1234.5, "1234.50"}, {-0.004, "0.00"}}},
      // stream rates
      {" #0.0; -#0.0; 0.0", {{2.25, " 2.3"}, {-0.35, " -0.3"}, {-0.45, " -0.5"}, {0, " 0.0"}, {0.5, " 0.5"},
                             {123.0, " 123.0"}}},
      // directions and feet figures
      {"000", {{5, "005"}, {270, "270"}, {1234, "1234"}, {-5, "-005"}, {359.5, "360"}, {2.5, "003"}}},
      {"00", {{7, "07"}, {0, "00"}, {123, "123"}}},
      {" 0", {{8, " 8"}, {0, " 0"}, {12, " 12"}}},
      {"##0", {{0, "0"}, {5, "5"}, {12345, "12345"}, {-7, "-7"}, {0.5, "1"}, {-0.5, "-1"}, {-0.4, "0"}}},
      // zone offsets, graph labels, positions and editors
      {"+;-; ", {{4, "+"}, {-5, "-"}, {0, " "}}},
      {"00;00;00", {{-1, "01"}, {12, "12"}}},
      {" ##';-##';  0'", {{3, " 3'"}, {-2, "-2'"}, {0, "  0'"}}},
      {"#;-#;0", {{0, "0"}, {-4, "-4"}}},
      {"00.0", {{5.25, "05.3"}, {59.96, "60.0"}}},
      {"0.00", {{-1.5, "-1.50"}}},
      {"0.0", {{12.5, "12.5"}, {0.25, "0.3"}}},
      // rules
      {"#", {{0, ""}}}, {"0.0#", {{1.5, "1.5"}, {1.25, "1.25"}}}, {"#.00", {{0.5, ".50"}}},
      {".00", {{12.5, "12.50"}}}, {"0\"m\"", {{5, "5m"}}}, {"\\x0", {{5, "x5"}}},
      {"\"a;b\"0", {{5, "a;b5"}}}, {"0", {{1e20, "100000000000000000000"}}}, {"0;;z", {{-3, "-3"}}},
      {"0;-0;", {{0, "0"}}}, {"", {{2.5, "2.5"}}}, {"0;(0)", {{-2, "(2)"}}},
      {"0.0;(0.0)", {{-0.01, "0.0"}}}, {"0,0", {{5, "0.5"}}}, {"0.0.0", {{1.5, "1.5.0"}}},
  };
  for (const auto& [pattern, shown] : table)
    for (const auto& [value, expected] : shown)
      EXPECT_EQ(FormatNumberPoint(value, pattern), expected) << value << " by \"" << pattern << '"';
  // A value that is not finite is an overflow.
  EXPECT_THROW(FormatNumberPoint(1.0 / 0.0, "0.0"), RuntimeError);
  EXPECT_THROW(FormatNumberPoint(std::nan(""), "0.0"), RuntimeError);
}

TEST(NumberFormat, DecimalPointStaysAPointUnderACommaLocale) {
  bool active = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR"})
    active = active || std::setlocale(LC_ALL, name) != nullptr;
  if (!active) GTEST_SKIP() << "no comma-decimal locale installed";
  EXPECT_EQ(FormatNumberPoint(3.25, " ##0.0;-##0.0; 0.0"), " 3.3");
  EXPECT_EQ(FormatNumberPoint(-1234.5, "##0.00;-##0.00;#0.00"), "-1234.50");
  EXPECT_EQ(FormatNumberPoint(2.5, ""), "2.5");
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace saltmark
