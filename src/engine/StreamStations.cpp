#include "engine/StreamStations.h"

#include "common/VbNumbers.h"

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
  if (context.portLoaded) context.portLoaded(entry->locationNumber);
  return true;
}

std::optional<StreamComponents> StreamAtInstant(StreamContext& context, int k, DateTime instant) {
  const StationChoice& choice = context.stations;
  const StreamRecord& station = context.streamTable.records.at(choice.selectedStations.at(k));
  return context.streams.StreamAtInstant(
      station, choice.stationWeights.at(k), context.settings.speedUnits, instant,
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

JobOutcome FillStreamColumns(StreamContext& context, int k, DateTime engineOrigin, std::int32_t secondsPerColumn,
                             StreamComponentColumns& columns, JobProgress& progress) {
  for (int x = 0; x < kGraphColumns; ++x) {
    progress.DrawProgress(x, kGraphColumns);
    const auto stream = StreamAtInstant(context, k, ColumnInstant(engineOrigin, x, secondsPerColumn));
    if (!stream) return JobOutcome::Failed;
    columns.east[x] += stream->east;
    columns.north[x] += stream->north;
    if (progress.cancelRequested()) return JobOutcome::Cancelled;
  }
  return JobOutcome::Completed;
}

JobOutcome RunStreamGraph(StreamContext& context, DateTime engineOrigin, std::int32_t secondsPerColumn,
                          std::array<float, kGraphValues>& rates, std::array<std::int16_t, kGraphValues>& directions,
                          JobProgress& progress) {
  StreamComponentColumns columns;
  const RememberedPairs pairs(context.streams);
  for (int k = 0; k < context.stations.count; ++k) {
    const JobOutcome outcome = FillStreamColumns(context, k, engineOrigin, secondsPerColumn, columns, progress);
    if (outcome != JobOutcome::Completed) return outcome;
  }
  for (int x = 0; x < kGraphColumns; ++x) {
    const RateDirection stream = ComponentsToRateDirection(columns.east[x], columns.north[x]);
    rates[x] = stream.rate;
    directions[x] = stream.direction;
  }
  return JobOutcome::Completed;
}

}  // namespace saltmark
