#include "engine/SecondaryPort.h"

#include <algorithm>
#include <string>

#include "common/VbNumbers.h"

namespace saltmark {
namespace {

bool given(const std::string& text) { return text.find_first_not_of(' ') != std::string::npos; }

double value(const DifferenceRecord& record, int index) { return Val(record.diffText[index]); }

// The difference at h between two bounding levels, each with its difference.
double blend(double h, double lowLevel, double lowDiff, double highLevel, double highDiff) {
  const double f = (h - lowLevel) / (highLevel - lowLevel);
  return (1 - f) * lowDiff + f * highDiff;
}

}  // namespace

std::int16_t ParseTimeDifference(std::string_view text) {
  const std::string_view d = text.size() > 4 ? text.substr(text.size() - 4) : text;
  const double hours = Val(d.substr(0, std::min<std::size_t>(2, d.size())));
  const double minutes = d.size() > 2 ? Val(d.substr(2, 2)) : 0;
  const std::int16_t result = CInt(hours * 60 + minutes);
  return !text.empty() && text[0] == '-' ? static_cast<std::int16_t>(-result) : result;
}

double TimeDifferenceHours(const DifferenceRecord& record, double c) {
  const std::string& hw = record.diffText[difference::kTimeMHW];
  const std::string& lw = record.diffText[difference::kTimeMLW];
  if (!given(hw) || !given(lw)) return 0;
  const double HW = ParseTimeDifference(hw);
  const double LW = ParseTimeDifference(lw);
  return ((1 - c) * LW / 2 + (1 + c) * HW / 2) / 60;
}

double HeightDifference(const DifferenceRecord& r, double h, double c) {
  using namespace difference;
  const bool mhws = given(r.diffText[kReferenceMHWS]), mhwn = given(r.diffText[kReferenceMHWN]);
  const bool mlwn = given(r.diffText[kReferenceMLWN]), mlws = given(r.diffText[kReferenceMLWS]);
  const double refMHWS = value(r, kReferenceMHWS), refMHWN = value(r, kReferenceMHWN);
  const double refMLWN = value(r, kReferenceMLWN), refMLWS = value(r, kReferenceMLWS);
  const double diffMHWS = value(r, kHeightMHWS), diffMHWN = value(r, kHeightMHWN);
  const double diffMLWN = value(r, kHeightMLWN), diffMLWS = value(r, kHeightMLWS);

  double result = 0;
  if (mhws && mhwn && mlwn && mlws) {
    // Three bands, each tested in turn; a band whose bounding levels are
    // equal is skipped. Above MHWS and below MLWS the outer bands extrapolate.
    if (h >= refMHWN && refMHWS != refMHWN) result = blend(h, refMHWN, diffMHWN, refMHWS, diffMHWS);
    if (refMLWN < h && h < refMHWN && refMHWN != refMLWN) result = blend(h, refMLWN, diffMLWN, refMHWN, diffMHWN);
    if (h <= refMLWN && refMLWS != refMLWN) result = blend(h, refMLWN, diffMLWN, refMLWS, diffMLWS);
  } else if (mhws && mlws && !mhwn && !mlwn) {
    if (refMHWS != refMLWS) result = blend(h, refMLWS, diffMLWS, refMHWS, diffMHWS);
  } else if (mhwn && mlwn && !mhws && !mlws) {
    if (refMHWN != refMLWN) result = blend(h, refMLWN, diffMLWN, refMHWN, diffMHWN);
  } else if (!mhws && !mhwn && !mlwn && !mlws) {
    result = (diffMHWS + diffMHWN) * (1 + c) / 4 + (diffMLWN + diffMLWS) * (1 - c) / 4;
  }
  return result;
}

}  // namespace saltmark
