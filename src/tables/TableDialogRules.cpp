#include "tables/TableDialogRules.h"

#include "tables/HeightText.h"
#include "tables/TableHeader.h"

namespace saltmark {

int FirstSetOption(const std::array<bool, kListingOptionCount>& set) {
  for (int k = 0; k < kListingOptionCount; ++k)
    if (set[static_cast<std::size_t>(k)]) return k;
  return 0;
}

TideDialogView TideDialogViewFor(TideListing listing) {
  TideDialogView view;
  view.minutesBox = listing == TideListing::RegularIntervals;
  view.highestBox = listing == TideListing::Highest;
  view.lowestBox = listing == TideListing::Lowest;
  view.highLowBoxes = listing == TideListing::HighLow;
  return view;
}

ClearanceBox ClearanceForListing(TideListing listing) {
  return listing == TideListing::Passage ? ClearanceBox::Greyed : ClearanceBox::Unticked;
}

ClearanceBox ClearanceAfterClick(TideListing listing, ClearanceBox before) {
  if (listing == TideListing::Passage) return ClearanceBox::Greyed;
  return before == ClearanceBox::Ticked ? ClearanceBox::Unticked : ClearanceBox::Ticked;
}

bool DepthAndDraughtShown(TideListing listing, ClearanceBox clearance) {
  return listing == TideListing::Passage || clearance == ClearanceBox::Ticked;
}

StreamDialogView StreamDialogViewFor(StreamListing listing) {
  StreamDialogView view;
  view.minutesBox = listing == StreamListing::RegularIntervals;
  view.belowBox = listing == StreamListing::BelowSpeed;
  view.fastestBox = listing == StreamListing::Fastest;
  return view;
}

VesselHeightTexts VesselHeightTextsFor(const Settings& settings) {
  return {FormatHeight2(settings.chartedDepth, settings), FormatHeight2(settings.draught, settings)};
}

void StoreVesselHeights(VesselHeightTexts& texts, Settings& settings, Platform& platform) {
  settings.draught = ParseHeight(texts.draught, settings, platform);
  settings.chartedDepth = ParseHeight(texts.depth, settings, platform);
}

std::string TideTableLocationText(const Settings& settings, const LocationRecord& current,
                                  const DifferenceRecord* secondary) {
  if (settings.portMode == 2 && secondary)
    return SecondaryPortLocationText(secondary->name, current.portName, secondary->latitudeText,
                                     secondary->longitudeText);
  return PortLocationText(current);
}

}  // namespace saltmark
