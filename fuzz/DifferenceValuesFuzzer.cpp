// The difference editor's value boxes of any text: a time difference is
// stored as a sign and HHMM within +-23:59 or as " 0000", a height as a
// number with two decimals; storing a stored form again changes nothing.
// The prediction's reader takes any text to at most 99 h 99 min either way,
// and a stored form to exactly the minutes it shows.
// The ten boxes of a record (lines of the input) pass the combination check
// or get exactly one message.
#include <array>

#include "FuzzSupport.h"
#include "editors/DifferenceValues.h"
#include "engine/SecondaryPort.h"

using namespace saltmark;

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void checkTimeDifference(std::string_view text) {
  const std::string stored = NormaliseTimeDifference(text);
  FUZZ_CHECK(stored.size() == 5);
  if (stored != " 0000") {
    FUZZ_CHECK(stored[0] == '+' || stored[0] == '-');
    for (std::size_t i = 1; i < 5; ++i) FUZZ_CHECK(isDigit(stored[i]));
    FUZZ_CHECK(stored.substr(1) != "0000");
    FUZZ_CHECK(stored.substr(1) <= "2359");
    FUZZ_CHECK(stored[3] <= '5');
  }
  FUZZ_CHECK(NormaliseTimeDifference(stored) == stored);

  const int anyMinutes = ParseTimeDifference(text);
  FUZZ_CHECK(anyMinutes >= -(99 * 60 + 99) && anyMinutes <= 99 * 60 + 99);
  const int shown = ((stored[1] - '0') * 10 + (stored[2] - '0')) * 60 + (stored[3] - '0') * 10 + (stored[4] - '0');
  FUZZ_CHECK(ParseTimeDifference(stored) == (stored[0] == '-' ? -shown : shown));
}

void checkHeight(std::string_view text) {
  const std::string stored = NormaliseDifferenceHeight(text);
  const std::size_t point = stored.find('.');
  FUZZ_CHECK(point != std::string::npos && point + 3 == stored.size());
  FUZZ_CHECK(stored.find(',') == std::string::npos);
  FUZZ_CHECK(NormaliseDifferenceHeight(stored) == stored);
}

void checkCombination(std::string_view input) {
  std::array<std::string, kDifferenceValueCount> values;
  std::size_t start = 0;
  for (auto& value : values) {
    if (start > input.size()) break;
    const std::size_t end = input.find('\n', start);
    value = std::string(input.substr(start, end == std::string_view::npos ? end : end - start));
    start = end == std::string_view::npos ? input.size() + 1 : end + 1;
  }
  ScriptedPlatform platform;
  const bool allowed = CheckDifferenceCombination(values, platform);
  FUZZ_CHECK(platform.messages.size() == (allowed ? 0u : 1u));
  FUZZ_CHECK(allowed == !DifferenceCombinationProblem(values).has_value());
  for (int i = 0; i < kDifferenceValueCount; ++i) {
    const std::string& value = values[static_cast<std::size_t>(i)];
    FUZZ_CHECK(NormaliseDifferenceText(i, value).empty() == value.empty());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = fuzz::asText(data, size);
  checkTimeDifference(input);
  checkHeight(input);
  checkCombination(input);
  return 0;
}
