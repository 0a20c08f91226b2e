#pragma once
// The anchoring and grounding calculator, for the instant under the tide
// graph's cursor: how far the tide will still fall to the next low water and
// rise to the next high water, the echo-sounder reading needed now to stay
// afloat at the next low water, the depth at the next high water, and the
// chain and rope to pay out for that depth.
//
// Every figure is computed from the texts the window shows (read back with
// ParseHeight), not from unrounded values. A result whose inputs are missing
// shows "NA", and so does everything computed from it.
//
//   fall  = cursor height - next low water          (1 offset, 2 draught,
//   rise  = next high water - cursor height          3 fall, 4 rise,
//   esr   = offset + fall                  (1+3)     5 reading now)
//   Depth = rise + draught + reading now - offset    (2+4+5-1)
//   chain needed = Depth x chain multiplier; when that is more than the chain
//   on board, all the chain and rope = (Depth - chain / chain multiplier) x
//   rope multiplier; the warning shows when the rope needed exceeds the rope
//   on board (equal is enough).
// A chain multiplier of 0 is refused: the lengths show "NA" and a note says
// why, so no division by zero can happen.
#include <string>
#include <string_view>
#include <vector>

#include "common/DateTime.h"
#include "data/Settings.h"
#include "graphs/TideGraphModel.h"
#include "platform/Platform.h"

namespace saltmark {

inline constexpr std::string_view kNotAvailable = "NA";

// The window's texts, by control name.
struct AnchoringDisplay {
  std::string Datenow, Tidenow;
  std::string nexthighdat = std::string(kNotAvailable), nexthighval = std::string(kNotAvailable);
  std::string nextlowdat = std::string(kNotAvailable), nextlowval = std::string(kNotAvailable);
  std::string fall = std::string(kNotAvailable), rise = std::string(kNotAvailable);
  std::string offset, Draught;
  std::string esr = std::string(kNotAvailable);
  std::string esn;  // the reading the user takes now (a text box, kept as typed)
  std::string Depth = std::string(kNotAvailable);
  std::string chain, warp;  // lengths on board (text boxes)
  std::string chainused = std::string(kNotAvailable), warpused = std::string(kNotAvailable),
              total = std::string(kNotAvailable);
  bool warningVisible = false;  // "Insufficient on Board"
  std::string multiplierNote;   // why the lengths are "NA", or empty
};

inline constexpr std::string_view kZeroChainMultiplierNote =
    "The chain multiplier is 0: enter a multiplier greater than 0 under Multipliers.";

// What the calculator reads from the tide graph.
struct AnchoringCursor {
  DateTime instant;
  float height = 0;
  const std::vector<HighLowRecord>& events;  // the graph's high/low list, in time order
};

// The refresh when the window becomes active: fills everything but esn,
// then runs the grounding and anchoring computations.
void RefreshAnchoring(AnchoringDisplay& display, const AnchoringCursor& cursor, const Settings& settings,
                      Platform& platform);

// Depth from rise, draught, reading now and offset (or "NA").
void GroundingComputation(AnchoringDisplay& display, const Settings& settings, Platform& platform);
// The lengths from Depth, the lengths on board and the two multipliers.
void AnchoringComputation(AnchoringDisplay& display, const Settings& settings, Platform& platform);

// Text box handlers: chain and warp store the parsed length on board into the
// settings at once and recompute the lengths; esn recomputes Depth and then
// the lengths (whose input Depth has changed).
void ChainTextChanged(AnchoringDisplay& display, std::string text, Settings& settings, Platform& platform);
void WarpTextChanged(AnchoringDisplay& display, std::string text, Settings& settings, Platform& platform);
void ReadingNowChanged(AnchoringDisplay& display, std::string text, const Settings& settings, Platform& platform);

}  // namespace saltmark
