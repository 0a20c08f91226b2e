#pragma once
// The program's texts are 8-bit Latin-1 bytes, as in its files. Terminals and
// web pages of today want UTF-8; this is the one place that converts.
#include <optional>
#include <string>
#include <string_view>

namespace saltmark {

std::string latin1ToUtf8(std::string_view latin1);

// UTF-8 text in Latin-1, or nothing when it is not UTF-8 or holds a
// character beyond Latin-1.
std::optional<std::string> utf8ToLatin1(std::string_view utf8);

}  // namespace saltmark
