#pragma once
// The engine as the generators' height source: tideHeight at an instant in
// the port's own time base, in the current height unit.
#include "engine/TideEngine.h"
#include "tables/HeightSource.h"

namespace saltmark {

class EngineHeightSource : public TideHeightSource {
 public:
  explicit EngineHeightSource(TideEngine& engine) : engine_(engine) {}
  float heightAt(DateTime portInstant) override {
    engine_.PredictHeight(portInstant);
    return engine_.tideHeight();
  }

 private:
  TideEngine& engine_;
};

}  // namespace saltmark
