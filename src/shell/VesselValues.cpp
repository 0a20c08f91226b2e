#include "shell/VesselValues.h"

#include <string>

#include "tables/HeightText.h"

namespace saltmark {
namespace {

void promptHeight(float& value, const char* prompt, const char* label, Settings& settings, Platform& platform) {
  auto reply = platform.promptValue(prompt, label, FormatHeight2(value, settings));
  if (!reply || reply->empty()) return;
  value = ParseHeight(*reply, settings, platform);
}

}  // namespace

bool ChangeHeightUnit(Settings& settings, bool metric) {
  if (settings.metric() == metric) return false;
  settings.metricUnits = toFlag(metric);
  const double factor = metric ? 1.0 / kFeetPerMetreExact : kFeetPerMetreExact;
  for (float* value : {&settings.draught, &settings.chartedDepth, &settings.ropeOnBoard, &settings.chainOnBoard,
                       &settings.echoSounderOffset}) {
    *value = static_cast<float>(*value * factor);
  }
  return true;
}

void PromptVesselId(Settings& settings, Platform& platform) {
  auto reply = platform.promptValue("Enter the Vessel ID ", "Saltmark prints this name on tide tables and graphs",
                                    settings.vesselName);
  if (reply && !reply->empty()) settings.vesselName = *reply;
}

void PromptDraught(Settings& settings, Platform& platform) {
  promptHeight(settings.draught, "Enter the Draught ", "Saltmark uses this figure to work out the times of clear passage",
               settings, platform);
}

void PromptEchoSounderOffset(Settings& settings, Platform& platform) {
  promptHeight(settings.echoSounderOffset, "Enter the Echo Sounder Offset ",
               "This is the reading obtained with zero under keel clearance", settings, platform);
}

}  // namespace saltmark
