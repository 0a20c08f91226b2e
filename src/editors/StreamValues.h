#pragma once
// The rules the stream editor applies to a station's hourly values: the
// checks made on every change of a box, the numbers stored from the box
// texts, and the forms the boxes show.
//
// A direction is stored as the typed value rounded to a whole number (halves
// to even) and must be 0..359; a rate is stored in hundredths, the typed value
// times 100 rounded the same way, and its whole-number value must be 0..327
// (the largest whose hundredths fit 16 bits). An empty box stores 0.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace saltmark {

inline constexpr std::string_view kDirectionOutOfRange = "Direction must be between 0 and 359 degrees";
inline constexpr std::string_view kSpeedOutOfRange = "Speed must be between 0 and 327";
inline constexpr std::string_view kStreamCheckCaption = "Saltmark: Tidal Streams";
inline constexpr int kMaxStreamDirection = 359;
inline constexpr int kMaxStreamRate = 327;

// The refusal's message for a box text, or nothing when it is allowed (an
// empty text always is). A number too large to read is refused.
std::optional<std::string_view> StreamDirectionProblem(std::string_view text);
std::optional<std::string_view> StreamRateProblem(std::string_view text);

// As above for the box being edited: a refused text is shown (exclamation
// icon, caption "Saltmark: Tidal Streams"), the box is emptied and the answer is false.
bool CheckStreamDirection(std::string& text, Platform& platform);
bool CheckStreamRate(std::string& text, Platform& platform);

// The numbers stored from box texts ("0.125" stores 12 hundredths). A text the
// checks would refuse stores 0, as the emptied box would.
std::int16_t StoredDirection(std::string_view text);
std::int16_t StoredRate(std::string_view text);

// How a record's values are shown: a direction as three digits ("007"), a
// rate in hundredths as the unit with two decimals (12 shows "0.12").
std::string FormatStreamDirection(std::int16_t direction);
std::string FormatStreamRate(std::int16_t hundredths);

// What a box shows after it loses the focus: a direction as its whole-number
// value in three digits ("7.4" shows "007"), a rate with two decimals
// ("1.5" shows "1.50"). An empty or unreadable text shows as 0.
std::string NormaliseStreamDirectionText(std::string_view text);
std::string NormaliseStreamRateText(std::string_view text);

}  // namespace saltmark
