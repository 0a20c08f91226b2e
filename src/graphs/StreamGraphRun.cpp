#include "graphs/StreamGraphRun.h"

#include "engine/StreamEngine.h"

namespace saltmark {

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
