#include "editors/StreamValues.h"

#include "common/NumberFormat.h"
#include "common/RuntimeError.h"
#include "common/VbNumbers.h"

namespace saltmark {

namespace {

// The text's value times scale, rounded halves to even; nothing when the
// number is too large to read or to hold in 16 bits.
std::optional<std::int16_t> wholeValue(std::string_view text, double scale = 1.0) {
  try {
    return CInt(Val(text) * scale);
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

bool inRange(std::optional<std::int16_t> value, int highest) {
  return value && *value >= 0 && *value <= highest;
}

double readableValue(std::string_view text) {
  try {
    return Val(text);
  } catch (const RuntimeError&) {
    return 0.0;
  }
}

bool refuse(std::optional<std::string_view> problem, std::string& text, Platform& platform) {
  if (!problem) return true;
  platform.message(*problem, MessageIcon::Exclamation, MessageButtons::Ok, kStreamCheckCaption);
  text.clear();
  return false;
}

}  // namespace

std::optional<std::string_view> StreamDirectionProblem(std::string_view text) {
  if (text.empty() || inRange(wholeValue(text), kMaxStreamDirection)) return std::nullopt;
  return kDirectionOutOfRange;
}

std::optional<std::string_view> StreamRateProblem(std::string_view text) {
  // A small negative rate (-0.4) rounds to the whole number 0 but would store
  // negative hundredths, a stream running backwards: refused as well.
  const bool storesNegative = wholeValue(text, 100.0).value_or(0) < 0;
  if (text.empty() || (inRange(wholeValue(text), kMaxStreamRate) && !storesNegative)) return std::nullopt;
  return kSpeedOutOfRange;
}

bool CheckStreamDirection(std::string& text, Platform& platform) {
  return refuse(StreamDirectionProblem(text), text, platform);
}

bool CheckStreamRate(std::string& text, Platform& platform) {
  return refuse(StreamRateProblem(text), text, platform);
}

std::int16_t StoredDirection(std::string_view text) {
  if (StreamDirectionProblem(text)) return 0;
  return wholeValue(text).value_or(0);
}

std::int16_t StoredRate(std::string_view text) {
  if (StreamRateProblem(text)) return 0;
  return wholeValue(text, 100.0).value_or(0);
}

std::string FormatStreamDirection(std::int16_t direction) { return FormatNumberPoint(direction, "000"); }

std::string FormatStreamRate(std::int16_t hundredths) { return FormatNumberPoint(hundredths / 100.0, "0.00"); }

std::string NormaliseStreamDirectionText(std::string_view text) {
  return FormatStreamDirection(wholeValue(text).value_or(0));
}

std::string NormaliseStreamRateText(std::string_view text) {
  return FormatNumberPoint(readableValue(text), "0.00");
}

}  // namespace saltmark
