#pragma once
// The program's texts are 8-bit Latin-1 bytes, as in its files. Terminals and
// web pages of today want UTF-8; this is the one place that converts.
#include <string>
#include <string_view>

namespace saltmark {

std::string latin1ToUtf8(std::string_view latin1);

}  // namespace saltmark
