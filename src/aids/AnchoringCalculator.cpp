#include "aids/AnchoringCalculator.h"

#include "common/VbNumbers.h"
#include "tables/HeightText.h"
#include "tables/TimeText.h"

namespace saltmark {

namespace {

bool available(const std::string& text) { return text != kNotAvailable; }

// ParseHeight on a copy: the calculator reads the shown texts, never trims them.
float parse(const std::string& text, const Settings& settings, Platform& platform) {
  std::string copy = text;
  return ParseHeight(copy, settings, platform);
}

const HighLowRecord* nextEvent(const AnchoringCursor& cursor, std::string_view kind) {
  for (const HighLowRecord& event : cursor.events)
    if (event.label == kind && secondsBetween(cursor.instant, event.instant) > 0) return &event;
  return nullptr;
}

}  // namespace

void RefreshAnchoring(AnchoringDisplay& d, const AnchoringCursor& cursor, const Settings& s, Platform& platform) {
  d.warp = FormatHeight2(s.ropeOnBoard, s);
  d.chain = FormatHeight2(s.chainOnBoard, s);
  d.Datenow = FormatTimeDate(cursor.instant);
  d.Tidenow = FormatHeight1(cursor.height, s);
  const std::string na(kNotAvailable);
  d.nexthighdat = d.nexthighval = d.nextlowdat = d.nextlowval = na;
  d.fall = d.rise = d.esr = d.Depth = na;
  if (const HighLowRecord* high = nextEvent(cursor, "HI")) {
    d.nexthighdat = FormatTimeDate(high->instant);
    d.nexthighval = high->heightText;
  }
  if (const HighLowRecord* low = nextEvent(cursor, "LO")) {
    d.nextlowdat = FormatTimeDate(low->instant);
    d.nextlowval = low->heightText;
  }
  d.offset = FormatHeight1(s.echoSounderOffset, s);
  d.Draught = FormatHeight1(s.draught, s);
  if (available(d.nextlowval))
    d.fall = FormatHeight1(parse(d.Tidenow, s, platform) - parse(d.nextlowval, s, platform), s);
  if (available(d.nexthighval))
    d.rise = FormatHeight1(parse(d.nexthighval, s, platform) - parse(d.Tidenow, s, platform), s);
  if (available(d.fall)) d.esr = FormatHeight1(parse(d.offset, s, platform) + parse(d.fall, s, platform), s);
  GroundingComputation(d, s, platform);
  AnchoringComputation(d, s, platform);
}

void GroundingComputation(AnchoringDisplay& d, const Settings& s, Platform& platform) {
  d.Depth = std::string(kNotAvailable);
  if (!available(d.esn) || !available(d.rise)) return;
  const double depth = static_cast<double>(parse(d.rise, s, platform)) + parse(d.Draught, s, platform) +
                       parse(d.esn, s, platform) - parse(d.offset, s, platform);
  d.Depth = FormatHeight1(Single(depth), s);
}

void AnchoringComputation(AnchoringDisplay& d, const Settings& s, Platform& platform) {
  const std::string na(kNotAvailable);
  d.chainused = d.warpused = d.total = na;
  d.warningVisible = false;
  d.multiplierNote.clear();
  const float chainMultiplier = Single(Val(s.chainMultiplier));
  const float ropeMultiplier = Single(Val(s.ropeMultiplier));
  if (chainMultiplier == 0) {
    d.multiplierNote = std::string(kZeroChainMultiplierNote);
    return;
  }
  if (!available(d.Depth)) return;
  const float chainOnBoard = parse(d.chain, s, platform);
  const float ropeOnBoard = parse(d.warp, s, platform);
  const float depth = parse(d.Depth, s, platform);
  const float chainNeeded = depth * chainMultiplier;
  float ropeNeeded = 0;
  if (chainNeeded <= chainOnBoard) {
    d.chainused = FormatHeight1(chainNeeded, s);
    d.warpused = FormatHeight1(0, s);
    d.total = d.chainused;
  } else {
    ropeNeeded = (depth - chainOnBoard / chainMultiplier) * ropeMultiplier;
    d.chainused = FormatHeight1(chainOnBoard, s);
    d.warpused = FormatHeight1(ropeNeeded, s);
    d.total = FormatHeight1(ropeNeeded + chainOnBoard, s);
  }
  d.warningVisible = ropeNeeded > ropeOnBoard;
}

void ChainTextChanged(AnchoringDisplay& d, std::string text, Settings& s, Platform& platform) {
  d.chain = text;
  s.chainOnBoard = ParseHeight(text, s, platform);
  AnchoringComputation(d, s, platform);
}

void WarpTextChanged(AnchoringDisplay& d, std::string text, Settings& s, Platform& platform) {
  d.warp = text;
  s.ropeOnBoard = ParseHeight(text, s, platform);
  AnchoringComputation(d, s, platform);
}

void ReadingNowChanged(AnchoringDisplay& d, std::string text, const Settings& s, Platform& platform) {
  d.esn = std::move(text);
  GroundingComputation(d, s, platform);
  AnchoringComputation(d, s, platform);  // the Depth caption changed
}

}  // namespace saltmark
