#pragma once
// The stream engine as the stream table's source: the summed stream of the
// chosen stations at an instant in the reference port's time base.
#include "tables/StreamContext.h"
#include "tables/StreamTableGenerator.h"

namespace saltmark {

class EngineStreamSource : public StreamSource {
 public:
  explicit EngineStreamSource(StreamContext& context) : context_(context) {}
  std::optional<StreamSample> streamAt(DateTime portInstant) override {
    const auto stream = StreamSumAtInstant(context_, portInstant);
    if (!stream) return std::nullopt;
    return StreamSample{stream->rate, stream->direction};
  }

 private:
  StreamContext& context_;
};

}  // namespace saltmark
