#include "tables/StreamContext.h"

#include "common/VbNumbers.h"
#include "tables/ZoneShift.h"

namespace saltmark {

bool LoadReferencePort(StreamContext& context, int locationNumber) {
  const LocationIndexEntry* entry = context.locationIndex.entry(locationNumber);
  if (entry == nullptr) {
    context.platform.message("Reference port " + std::to_string(locationNumber) +
                                 " is not in the location index.",
                             MessageIcon::Exclamation, MessageButtons::Ok, "Saltmark");
    return false;
  }
  const std::string name = context.locationIndex.databaseName(entry->databaseNumber);
  const std::string path = (context.programFolder / name).string();
  if (!context.tideDatabase.LoadDatabaseIfNew(path, context.platform)) return false;
  if (!context.tideDatabase.ReadLocation(entry->locationNumber, context.location, context.settings,
                                         context.platform, context.refreshClockDisplay))
    return false;
  context.engine.setPort(context.location);
  context.streams.notePortZone(static_cast<std::int16_t>(locationNumber), context.location.portZone);
  if (context.portLoaded) context.portLoaded(entry->locationNumber);
  return true;
}

namespace {

const StreamRecord& stationInSlot(const StreamContext& context, int k) {
  return context.streamTable.records.at(context.stations.selectedStations.at(k));
}

}  // namespace

std::optional<std::string> ReferencePortZone(StreamContext& context, int k) {
  const std::int16_t port = stationInSlot(context, k).referencePort;
  if (auto zone = context.streams.portZone(port)) return zone;
  if (!LoadReferencePort(context, port)) return std::nullopt;
  return context.location.portZone;
}

std::optional<DateTime> StationInstant(StreamContext& context, int k, DateTime instant) {
  const std::int16_t port = stationInSlot(context, k).referencePort;
  if (k == 0 || port == stationInSlot(context, 0).referencePort) return instant;
  const auto runZone = ReferencePortZone(context, 0);
  if (!runZone) return std::nullopt;
  const auto ownZone = ReferencePortZone(context, k);
  if (!ownZone) return std::nullopt;
  // Port time = GMT - zone, so the step between two ports' time bases is
  // the difference of their zones, counted in whole quarter-hours.
  const int quarters = CInt(4 * Val(*runZone)) - CInt(4 * Val(*ownZone));
  return instant.addMinutes(15.0 * quarters);
}

std::optional<DateTime> StreamRunInstant(StreamContext& context, DateTime displayInstant) {
  if (context.stations.count < 1) return std::nullopt;
  const auto zone = ReferencePortZone(context, 0);
  if (!zone) return std::nullopt;
  return ShiftToDisplayZone(displayInstant, context.settings, *zone);
}

std::optional<StreamComponents> StreamAtInstant(StreamContext& context, int k, DateTime instant) {
  const StationChoice& choice = context.stations;
  const StreamRecord& station = stationInSlot(context, k);
  const auto own = StationInstant(context, k, instant);
  if (!own) return std::nullopt;
  return context.streams.StreamAtInstant(
      station, choice.stationWeights.at(k), context.settings.speedUnits, *own,
      [&context](int locationNumber) { return LoadReferencePort(context, locationNumber); }, context.platform);
}

std::optional<RateDirection> StreamSumAtInstant(StreamContext& context, DateTime instant) {
  double east = 0, north = 0;
  for (int k = 0; k < context.stations.count; ++k) {
    const auto stream = StreamAtInstant(context, k, instant);
    if (!stream) return std::nullopt;
    east += stream->east;
    north += stream->north;
  }
  return ComponentsToRateDirection(east, north);
}

}  // namespace saltmark
