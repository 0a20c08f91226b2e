#include "editors/StreamEditor.h"

#include "editors/StreamValues.h"

namespace saltmark {

namespace {

const EditorWording kWording{
    .extension = "vel",
    .fileCaption = kStreamsCaption,
    .recordQuestionCaption = kStreamRecordCaption,
    .dataChangedQuestion = "Data has changed. Save changes?",
    .windowCaptionPrefix = kStreamWindowCaption,
    .saveAsFailure = "You have not entered the Save Filename correctly",
    .openTitle = "Open Stream Database",
    .saveTitle = "Save Stream Database",
    .helpContext = kStreamHelpContext,
};

}  // namespace

StreamEditor::StreamEditor(Platform& platform, const LocationIndex& index, std::filesystem::path folder)
    : RecordTableEditor(platform, kWording, index, std::move(folder)) {
  clearFields();
}

void StreamEditor::showRecord(int index) {
  const StreamRecord& shown = record(index);
  showSharedFields(shown);
  form.speedUnits = shown.speedUnits >= 0 && shown.speedUnits < kSpeedUnitCount ? shown.speedUnits : 0;
  for (std::size_t j = 0; j < kStreamHours; ++j) {
    form.direction[j] = FormatStreamDirection(shown.direction[j]);
    form.spring[j] = FormatStreamRate(shown.springRate[j]);
    form.neap[j] = FormatStreamRate(shown.neapRate[j]);
  }
  tags_ = form;
}

void StreamEditor::clearFields() {
  // The speed unit is a choice, not a box: it stays as the user left it.
  const int units = form.speedUnits;
  form = StreamForm{};
  form.reference = references_.positionOf(0);
  form.speedUnits = units;
  tags_ = form;
}

void StreamEditor::storeRecord(int index) {
  StreamRecord& stored = record(index);
  storeSharedFields(stored);
  stored.speedUnits = static_cast<std::int16_t>(form.speedUnits);
  for (std::size_t j = 0; j < kStreamHours; ++j) {
    stored.direction[j] = StoredDirection(form.direction[j]);
    stored.springRate[j] = StoredRate(form.spring[j]);
    stored.neapRate[j] = StoredRate(form.neap[j]);
  }
  tags_ = form;
}

}  // namespace saltmark
