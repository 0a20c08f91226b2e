// The stream editor's value boxes of any text: a text the checks allow stores
// a direction of 0..359 or a rate of 0..327 units, a refused one gets one
// message, an emptied box and 0; the forms a box shows read back as the
// value they show.
#include "FuzzSupport.h"
#include "editors/StreamValues.h"

using namespace saltmark;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = fuzz::asText(data, size);
  ScriptedPlatform platform;

  std::string direction(input);
  const bool directionAllowed = CheckStreamDirection(direction, platform);
  FUZZ_CHECK(directionAllowed == !StreamDirectionProblem(input).has_value());
  FUZZ_CHECK(directionAllowed ? direction == input : direction.empty());
  const std::int16_t storedDirection = StoredDirection(input);
  FUZZ_CHECK(storedDirection >= 0 && storedDirection <= kMaxStreamDirection);
  if (!directionAllowed) FUZZ_CHECK(storedDirection == 0);
  const std::string shownDirection = NormaliseStreamDirectionText(input);
  FUZZ_CHECK(shownDirection.size() >= 3);
  if (directionAllowed && !input.empty()) {
    FUZZ_CHECK(FormatStreamDirection(storedDirection) == shownDirection);
    FUZZ_CHECK(StoredDirection(shownDirection) == storedDirection);
  }

  std::string rate(input);
  const bool rateAllowed = CheckStreamRate(rate, platform);
  FUZZ_CHECK(rateAllowed == !StreamRateProblem(input).has_value());
  FUZZ_CHECK(rateAllowed ? rate == input : rate.empty());
  const std::int16_t storedRate = StoredRate(input);
  FUZZ_CHECK(storedRate >= 0 && storedRate <= 32767);
  if (!rateAllowed) FUZZ_CHECK(storedRate == 0);
  NormaliseStreamRateText(input);
  FUZZ_CHECK(StoredRate(FormatStreamRate(storedRate)) == storedRate);

  FUZZ_CHECK(platform.messages.size() == (directionAllowed ? 0u : 1u) + (rateAllowed ? 0u : 1u));
  return 0;
}
