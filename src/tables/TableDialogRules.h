#pragma once
// What the two table settings dialogs show for each listing, and what their
// boxes put into the settings record and the table's header. The dialogs
// only mirror these decisions in their controls.
#include <array>
#include <string>

#include "data/DifferenceRecord.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"
#include "platform/Platform.h"
#include "tables/StreamTableGenerator.h"
#include "tables/TideTableGenerator.h"

namespace saltmark {

inline constexpr int kListingOptionCount = 5;

// The listing of the first option button that is set; the first listing
// when none is (a group that lost its choice lists high and low waters).
int FirstSetOption(const std::array<bool, kListingOptionCount>& set);

// Tide table settings: the boxes that belong to each listing.
struct TideDialogView {
  bool minutesBox = false;    // Mins_Box: regular intervals
  bool highestBox = false;    // Highest
  bool lowestBox = false;     // Lowest
  bool highLowBoxes = false;  // chk_hilo(0), chk_hilo(1): high and low waters
};
TideDialogView TideDialogViewFor(TideListing listing);

// The clearance box once a listing is chosen: greyed for the times of
// passage, which always use the depth and draught, unticked for the others.
ClearanceBox ClearanceForListing(TideListing listing);
// The clearance box after the user clicks it: it stays greyed for the times
// of passage and otherwise toggles.
ClearanceBox ClearanceAfterClick(TideListing listing, ClearanceBox before);
// The charted depth and draught boxes (and their labels) are wanted whenever
// the clearance is used.
bool DepthAndDraughtShown(TideListing listing, ClearanceBox clearance);

// Stream table settings: the boxes that belong to each listing.
struct StreamDialogView {
  bool minutesBox = false;  // mins_box and reg_units: regular intervals
  bool belowBox = false;    // Below and below_units: below speed of
  bool fastestBox = false;  // fastest
};
StreamDialogView StreamDialogViewFor(StreamListing listing);

// The charted depth and draught as the dialog's boxes show them.
struct VesselHeightTexts {
  std::string depth;    // t_depth
  std::string draught;  // t_draught
};
VesselHeightTexts VesselHeightTextsFor(const Settings& settings);
// Reads the boxes into the settings record (draught first); an out-of-range
// entry is reported and stored as 0. The texts are left trimmed.
void StoreVesselHeights(VesselHeightTexts& texts, Settings& settings, Platform& platform);

// The tide table's location line after "Location:  ": the secondary port
// with its reference port (the current port) in brackets, or the current
// port with its position.
std::string TideTableLocationText(const Settings& settings, const LocationRecord& current,
                                  const DifferenceRecord* secondary);

}  // namespace saltmark
