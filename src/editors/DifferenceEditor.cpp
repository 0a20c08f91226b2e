#include "editors/DifferenceEditor.h"

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
    : RecordTableEditor(platform, kWording, index, std::move(folder)) {}

bool DifferenceEditor::checkFields() { return CheckDifferenceCombination(form.values, platform()); }

void DifferenceEditor::reportOpenFailure(const FileLoadResult&) {
  platform().message(kNotValidDifferenceDatabase, MessageIcon::Information);
}

}  // namespace saltmark
