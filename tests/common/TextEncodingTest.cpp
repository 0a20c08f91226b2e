#include "common/TextEncoding.h"

#include <gtest/gtest.h>

namespace saltmark {
namespace {

// Latin-1 byte b >= 0x80 is the code point U+00bb, two bytes in UTF-8:
// 0xC0 | b >> 6, then 0x80 | b & 0x3F.
TEST(TextEncoding, Latin1AndUtf8ConvertBothWays) {
  const struct { const char* latin1; const char* utf8; } cases[] = {
      {"", ""},           {"Bay 12", "Bay 12"},   {"\x80", "\xC2\x80"},     {"\xB0", "\xC2\xB0"},
      {"\xBF", "\xC2\xBF"}, {"\xC0", "\xC3\x80"}, {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"}, {"\xFF", "\xC3\xBF"}};
  for (const auto& c : cases) {
    EXPECT_EQ(latin1ToUtf8(c.latin1), c.utf8) << c.utf8;
    EXPECT_EQ(utf8ToLatin1(c.utf8), c.latin1) << c.utf8;
  }
}

// What is not UTF-8, or lies beyond U+00FF, has no Latin-1 form.
TEST(TextEncoding, Utf8WithoutALatin1FormIsRefused) {
  for (const char* utf8 : {"\xC4\x80", "\xC1\xBF", "\xE2\x82\xAC", "\xC3", "a\xC3", "\xC3" "A", "\xC3\xC3", "\x80",
                           "\xC2\xFF"})
    EXPECT_EQ(utf8ToLatin1(utf8), std::nullopt) << utf8;
}

}  // namespace
}  // namespace saltmark
