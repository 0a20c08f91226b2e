#pragma once
// Made-up height curves and a progress window stand-in for the generator tests.
#include <cmath>
#include <functional>
#include <vector>

#include "common/DateTime.h"
#include "tables/HeightSource.h"
#include "tables/JobProgress.h"

namespace saltmark::test {

// Heights from a function of the minutes since an epoch (in port time).
class CurveHeights : public TideHeightSource {
 public:
  CurveHeights(DateTime epoch, std::function<double(double)> curve) : epoch_(epoch), curve_(std::move(curve)) {}
  float heightAt(DateTime portInstant) override {
    asked.push_back(portInstant);
    const double minutes = static_cast<double>(portInstant.linearMilliseconds() - epoch_.linearMilliseconds()) / 60000.0;
    return static_cast<float>(curve_(minutes));
  }
  std::vector<DateTime> asked;

 private:
  DateTime epoch_;
  std::function<double(double)> curve_;
};

// A semi-diurnal curve: mean 2, amplitude 1.5, period 12 hours, high water
// three hours after the epoch.
inline double twiceDaily(double minutes) {
  return 2.0 + 1.5 * std::cos(2 * 3.14159265358979323846 * (minutes - 180.0) / 720.0);
}

// Heights given sample by sample (six-minute steps from the epoch); later
// samples repeat the last value.
inline std::function<double(double)> sampled(std::vector<double> values) {
  return [values](double minutes) {
    const long i = std::lround(minutes / 6.0);
    if (i < 0) return values.front();
    if (i >= static_cast<long>(values.size())) return values.back();
    return values[static_cast<std::size_t>(i)];
  };
}

class RecordingProgress : public JobProgress {
 public:
  explicit RecordingProgress(long cancelAfterQuestions = -1) : cancelAfter_(cancelAfterQuestions) {}
  bool cancelRequested() override {
    ++questions;
    return cancelAfter_ >= 0 && questions > cancelAfter_;
  }
  std::vector<std::int64_t> drawnSteps;
  std::int64_t lastCount = -1;
  long questions = 0;

 protected:
  void drawBar(std::int64_t step, std::int64_t count) override {
    drawnSteps.push_back(step);
    lastCount = count;
  }

 private:
  long cancelAfter_;
};

}  // namespace saltmark::test
