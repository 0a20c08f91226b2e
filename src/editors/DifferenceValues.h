#pragma once
// The rules the difference editor applies to the ten values of a secondary
// port: the text forms a box takes when it loses the focus, and the check of
// which values may be left empty, made before a record is stored.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "data/DifferenceRecord.h"
#include "platform/Platform.h"

namespace saltmark {

inline constexpr std::string_view kOnlyOneTimeDifference =
    "You cannot specify only one time difference. See help for more details.";
inline constexpr std::string_view kDifferenceCombinationRefused =
    "Data combination not permitted. Please see help for more details";
inline constexpr std::string_view kDifferenceCheckCaption = "Saltmark Differences";

// A typed time difference as stored: a sign and HHMM. The text's leading
// number (as a single) is rounded to a whole number; 130 gives "+0130", -45
// "-0045", 130.6 "+0131". Zero, anything beyond +-2359, minutes above 59
// (75, +0060) and a number too large to read all give " 0000".
std::string NormaliseTimeDifference(std::string_view text);

// A typed height as stored: its leading number with two decimals and a point
// ("1.2" gives "1.20", "-.5" gives "-0.50"); a number too large to read gives "0.00".
std::string NormaliseDifferenceHeight(std::string_view text);

// The form box `index` (0..9) takes when it loses the focus: an empty box
// stays empty, boxes 4 and 5 are time differences, the others heights.
std::string NormaliseDifferenceText(int index, std::string_view text);

// Which values are given, judged on emptiness alone: only one of the two time
// differences is refused first; then the eight heights must be all given,
// neaps only (1, 2, 7, 8), springs only (0, 3, 6, 9), differences only
// (6, 7, 8, 9) or none. Returns the refusal's message, or nothing when allowed.
std::optional<std::string_view> DifferenceCombinationProblem(
    const std::array<std::string, kDifferenceValueCount>& values);

// As above; a refusal is shown (exclamation icon, OK, caption "Saltmark
// Differences") and gives false.
bool CheckDifferenceCombination(const std::array<std::string, kDifferenceValueCount>& values,
                                Platform& platform);

}  // namespace saltmark
