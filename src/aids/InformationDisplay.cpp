#include "aids/InformationDisplay.h"

#include "common/VbNumbers.h"
#include "tables/HeightText.h"

namespace saltmark {

InformationPlace InformationPlaceFor(const LocationRecord& port, const DifferenceRecord* secondary) {
  if (secondary) return {secondary->name, secondary->latitudeText + " " + secondary->longitudeText};
  return {port.portName, port.positionText};
}

float ClearanceOffset(const Settings& settings) { return Single(settings.chartedDepth - settings.draught); }

PresentTide PresentTideAt(float height, float clearanceOffset, const Settings& settings) {
  PresentTide present;
  present.height = height;
  present.clearance = Single(static_cast<double>(height) + clearanceOffset);
  present.I_Tide = FormatHeight2(present.height, settings);
  present.I_UKC = FormatHeight2(present.clearance, settings);
  return present;
}

bool ClearanceAlarmSounds(float alarmLevel, float clearance) { return alarmLevel > clearance; }

}  // namespace saltmark
