#include "editors/StreamEditor.h"

#include "editors/StreamValues.h"

namespace saltmark {

StreamEditor::StreamEditor(Platform& platform, const LocationIndex& index, std::filesystem::path folder)
    : RecordTableEditor(platform, kStreamWording, index, std::move(folder)) {}

void StreamEditor::showValues(const StreamRecord& shown) {
  form.speedUnits = shown.speedUnits >= 0 && shown.speedUnits < kSpeedUnitCount ? shown.speedUnits : 0;
  for (std::size_t j = 0; j < kStreamHours; ++j) {
    form.direction[j] = FormatStreamDirection(shown.direction[j]);
    form.spring[j] = FormatStreamRate(shown.springRate[j]);
    form.neap[j] = FormatStreamRate(shown.neapRate[j]);
  }
}

void StreamEditor::storeValues(StreamRecord& stored) const {
  stored.speedUnits = static_cast<std::int16_t>(form.speedUnits);
  for (std::size_t j = 0; j < kStreamHours; ++j) {
    stored.direction[j] = StoredDirection(form.direction[j]);
    stored.springRate[j] = StoredRate(form.spring[j]);
    stored.neapRate[j] = StoredRate(form.neap[j]);
  }
}

StreamForm StreamEditor::formKeptOnClear() const {
  // The speed unit is a choice, not a box: it stays as the user left it.
  StreamForm kept;
  kept.speedUnits = form.speedUnits;
  return kept;
}

}  // namespace saltmark
