#pragma once
// The publisher's heights from one prediction engine, set to each port in
// turn, so that a run over every port of a database shares the engine's
// remembered group factors for the instants all its pages ask about.
#include <memory>

#include "engine/TideEngine.h"
#include "publisher/WebPublisher.h"
#include "tables/EngineHeightSource.h"

namespace saltmark {

class EnginePortHeights : public PortHeights {
 public:
  TideHeightSource& heightsFor(const LocationRecord& port, const Settings& settings) override {
    if (!engine_ || settingsUsed_ != &settings) {
      engine_ = std::make_unique<TideEngine>(settings);
      engine_->rememberInstants();
      source_ = std::make_unique<EngineHeightSource>(*engine_);
      settingsUsed_ = &settings;
    }
    engine_->setPort(port);
    return *source_;
  }

 private:
  const Settings* settingsUsed_ = nullptr;
  std::unique_ptr<TideEngine> engine_;
  std::unique_ptr<EngineHeightSource> source_;
};

}  // namespace saltmark
