#include "editors/DifferenceEditor.h"

#include "data/DifferenceFile.h"
#include "editors/DifferenceValues.h"

namespace saltmark {

namespace {

const EditorWording kWording{
    .extension = "dif",
    .fileCaption = kDifferencesCaption,
    .recordQuestionCaption = kDifferencesCaption,
    .dataChangedQuestion = "Difference Data has changed. Save changes?",
    .windowCaptionPrefix = kDifferenceWindowCaption,
    .saveAsFailure = "Cannot save file",
    .openTitle = "Open Difference Database",
    .saveTitle = "Save Difference Database",
    .helpContext = kDifferenceHelpContext,
};

}  // namespace

DifferenceEditor::DifferenceEditor(Platform& platform, const LocationIndex& index, std::filesystem::path folder)
    : RecordListEditor(platform, kWording, std::move(folder)), references_(index) {
  clearFields();
}

void DifferenceEditor::showRecord(int index) {
  const DifferenceRecord& shown = record(index);
  form.name = shown.name;
  form.latitude = shown.latitudeText;
  form.longitude = shown.longitudeText;
  form.reference = references_.positionOf(shown.referencePort);
  form.values = shown.diffText;
  tags_ = form;
}

void DifferenceEditor::clearFields() {
  form = DifferenceForm{};
  form.reference = references_.positionOf(0);
  tags_ = form;
}

bool DifferenceEditor::checkFields() { return CheckDifferenceCombination(form.values, platform()); }

void DifferenceEditor::storeRecord(int index) {
  DifferenceRecord& stored = record(index);
  stored.name = form.name;
  stored.latitudeText = form.latitude;
  stored.longitudeText = form.longitude;
  stored.referencePort = references_.portAt(form.reference);
  stored.diffText = form.values;
  tags_ = form;
}

void DifferenceEditor::clearRecord(int index) { record(index) = DifferenceRecord{}; }

void DifferenceEditor::moveRecord(int from, int to) { record(to) = record(from); }

std::string DifferenceEditor::recordName(int index) const {
  return table_.records.at(static_cast<std::size_t>(index)).name;
}

FileLoadResult DifferenceEditor::loadFile(const std::filesystem::path& path, std::vector<std::string>& names) {
  return LoadDifferenceFile(path, table_, names, platform());
}

void DifferenceEditor::reportOpenFailure(const FileLoadResult&) {
  platform().message(kNotValidDifferenceDatabase, MessageIcon::Information);
}

bool DifferenceEditor::writeFile(const std::filesystem::path& path, int recordCount) {
  return WriteDifferenceFile(path, table_, recordCount, platform());
}

}  // namespace saltmark
