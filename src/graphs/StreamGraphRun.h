#pragma once
// A stream graph run: the chosen stations' streams column by column, each
// column reported to the progress window, summed and turned into the rates
// and directions the stream graph draws.
#include <array>
#include <cstdint>

#include "graphs/GraphModel.h"
#include "tables/JobProgress.h"
#include "tables/StreamContext.h"

namespace saltmark {

// East and north component columns of a stream graph run.
struct StreamComponentColumns {
  std::array<double, kGraphValues> east{};
  std::array<double, kGraphValues> north{};
};

// Adds slot k's stream over the graph to the columns: column x at
// engineOrigin + x * secondsPerColumn. Reports each column to progress.
JobOutcome FillStreamColumns(StreamContext& context, int k, DateTime engineOrigin,
                                   std::int32_t secondsPerColumn, StreamComponentColumns& columns,
                                   JobProgress& progress);

// The whole run: clears the columns, fills them for every chosen station and
// turns them into rates and directions (columns 0..959).
JobOutcome RunStreamGraph(StreamContext& context, DateTime engineOrigin, std::int32_t secondsPerColumn,
                                std::array<float, kGraphValues>& rates,
                                std::array<std::int16_t, kGraphValues>& directions, JobProgress& progress);

}  // namespace saltmark
