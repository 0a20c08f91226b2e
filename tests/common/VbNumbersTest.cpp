#include "common/VbNumbers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/RuntimeError.h"

namespace saltmark {
namespace {

TEST(Val, ReadsTheLeadingNumber) {
  const struct { const char* text; double value; } cases[] = {
      {"", 0},    {"abc", 0},  {"  2.5", 2.5}, {"-1.25xyz", -1.25}, {"+7", 7},     {".5", 0.5},     {"1e3", 1000},
      {"2D2", 200}, {"3e", 3},   {"12,5", 12},   {"-", 0},            {"- 3", 0},    {"0130", 130},   {"W", 0},
      {"\t4.0", 4.0}, {"1.2.3", 1.2}, {"1e-999", 0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

// CInt and CLng round halves to even and overflow out of range; Int is the floor.
TEST(WholeNumbers, RoundingOverflowAndFloor) {
  const struct { double in; int out; } cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}};
  for (const auto& c : cases) {
    EXPECT_EQ(CInt(c.in), c.out) << c.in;
    EXPECT_EQ(CLng(c.in), c.out) << c.in;
  }
  EXPECT_EQ(CInt(32767.4), 32767);
  EXPECT_THROW(CInt(32767.5), RuntimeError);
  EXPECT_THROW(CInt(-32769), RuntimeError);
  EXPECT_THROW(CLng(3e9), RuntimeError);
  EXPECT_THROW(CLng(std::nan("")), RuntimeError);
  EXPECT_EQ(Int(2.7), 2);
  EXPECT_EQ(Int(-2.1), -3);
  EXPECT_EQ(Sgn(-0.1), -1);
  EXPECT_EQ(Sgn(0), 0);
}

}  // namespace
}  // namespace saltmark
