#include "editors/StreamEditor.h"

#include "data/StreamFile.h"
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
    : RecordListEditor(platform, kWording, std::move(folder)), references_(index) {
  clearFields();
}

void StreamEditor::showRecord(int index) {
  const StreamRecord& shown = record(index);
  form.name = shown.name;
  form.latitude = shown.latitudeText;
  form.longitude = shown.longitudeText;
  form.reference = references_.positionOf(shown.referencePort);
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
  stored.name = form.name;
  stored.latitudeText = form.latitude;
  stored.longitudeText = form.longitude;
  stored.referencePort = references_.portAt(form.reference);
  stored.speedUnits = static_cast<std::int16_t>(form.speedUnits);
  for (std::size_t j = 0; j < kStreamHours; ++j) {
    stored.direction[j] = StoredDirection(form.direction[j]);
    stored.springRate[j] = StoredRate(form.spring[j]);
    stored.neapRate[j] = StoredRate(form.neap[j]);
  }
  tags_ = form;
}

void StreamEditor::clearRecord(int index) { record(index) = StreamRecord{}; }

void StreamEditor::moveRecord(int from, int to) { record(to) = record(from); }

std::string StreamEditor::recordName(int index) const {
  return table_.records.at(static_cast<std::size_t>(index)).name;
}

FileLoadResult StreamEditor::loadFile(const std::filesystem::path& path, std::vector<std::string>& names) {
  return LoadStreamFile(path, table_, names, platform());
}

bool StreamEditor::writeFile(const std::filesystem::path& path, int recordCount) {
  return WriteStreamFile(path, table_, recordCount, platform());
}

}  // namespace saltmark
