#pragma once
// The vessel's figures kept in the settings record (draught, charted depth,
// chain and rope on board, echo sounder offset) are held in the current
// height unit, so a change of unit converts them; predicted heights are never
// stored and need nothing. The Settings menu's prompts for the vessel's name,
// draught and echo sounder offset live here too.
#include "data/Settings.h"
#include "platform/Platform.h"

namespace saltmark {

inline constexpr double kFeetPerMetreExact = 3.2808398950131235;

// Sets metricUnits and, when the unit changed, multiplies the five stored
// values by the factor (single precision). True when the unit changed.
bool ChangeHeightUnit(Settings& settings, bool metric);

// "&Vessel ID": a reply that is not empty becomes the vessel's name.
void PromptVesselId(Settings& settings, Platform& platform);
// "&Draught" and "&Echo Sounder Offset": the present value is offered in the
// current unit; a reply that is not empty is read as a height (a bad one gives
// its message and 0).
void PromptDraught(Settings& settings, Platform& platform);
void PromptEchoSounderOffset(Settings& settings, Platform& platform);

}  // namespace saltmark
