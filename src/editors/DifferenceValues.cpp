#include "editors/DifferenceValues.h"

#include <cmath>

#include "common/NumberFormat.h"
#include "common/RuntimeError.h"
#include "common/VbNumbers.h"

namespace saltmark {

namespace {

constexpr std::string_view kNoTimeDifference = " 0000";

// The leading number, or nothing when it is too large to hold.
std::optional<double> readNumber(std::string_view text) {
  try {
    return Val(text);
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

bool filled(const std::string& text) { return !text.empty(); }

}  // namespace

std::string NormaliseTimeDifference(std::string_view text) {
  const std::optional<double> number = readNumber(text);
  if (!number) return std::string(kNoTimeDifference);
  const float value = Single(*number);
  if (!(value >= -2359.0f && value <= 2359.0f)) return std::string(kNoTimeDifference);
  std::string stored = FormatNumberPoint(value, "+0000;-0000; 0000");
  if (Val(std::string_view(stored).substr(stored.size() - 2)) > 59) return std::string(kNoTimeDifference);
  return stored;
}

std::string NormaliseDifferenceHeight(std::string_view text) {
  const std::optional<double> number = readNumber(text);
  return FormatNumberPoint(number ? *number : 0.0, "0.00");
}

std::string NormaliseDifferenceText(int index, std::string_view text) {
  if (text.empty()) return {};
  return difference::isTimeDifference(index) ? NormaliseTimeDifference(text) : NormaliseDifferenceHeight(text);
}

std::optional<std::string_view> DifferenceCombinationProblem(
    const std::array<std::string, kDifferenceValueCount>& values) {
  using namespace difference;
  if (filled(values[kTimeMHW]) != filled(values[kTimeMLW])) return kOnlyOneTimeDifference;

  // Each allowed pattern as the filled state of heights 0, 1, 2, 3, 6, 7, 8, 9.
  constexpr std::array<int, 8> heights = {kReferenceMHWS, kReferenceMHWN, kReferenceMLWN, kReferenceMLWS,
                                          kHeightMHWS,    kHeightMHWN,    kHeightMLWN,    kHeightMLWS};
  constexpr std::array<std::array<bool, 8>, 5> allowed = {{
      {true, true, true, true, true, true, true, true},          // all heights
      {false, true, true, false, false, true, true, false},      // neaps only
      {true, false, false, true, true, false, false, true},      // springs only
      {false, false, false, false, true, true, true, true},      // differences only
      {false, false, false, false, false, false, false, false},  // none
  }};
  std::array<bool, 8> given{};
  for (std::size_t i = 0; i < heights.size(); ++i) given[i] = filled(values[static_cast<std::size_t>(heights[i])]);
  for (const auto& pattern : allowed)
    if (pattern == given) return std::nullopt;
  return kDifferenceCombinationRefused;
}

bool CheckDifferenceCombination(const std::array<std::string, kDifferenceValueCount>& values,
                                Platform& platform) {
  const std::optional<std::string_view> problem = DifferenceCombinationProblem(values);
  if (!problem) return true;
  platform.message(*problem, MessageIcon::Exclamation, MessageButtons::Ok, kDifferenceCheckCaption);
  return false;
}

}  // namespace saltmark
