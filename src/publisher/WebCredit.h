#pragma once
// The maker's web address and the credit texts of the web pages.
#include <string_view>

namespace saltmark {

inline constexpr std::string_view kMakerWebAddress = "https://www.saltmark.example/";

}  // namespace saltmark
