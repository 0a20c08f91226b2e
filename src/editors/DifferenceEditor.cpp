#include "editors/DifferenceEditor.h"

#include "editors/DifferenceValues.h"

namespace saltmark {

DifferenceEditor::DifferenceEditor(Platform& platform, const LocationIndex& index, std::filesystem::path folder)
    : RecordTableEditor(platform, kDifferenceWording, index, std::move(folder)) {}

bool DifferenceEditor::checkFields() { return CheckDifferenceCombination(form.values, platform()); }

void DifferenceEditor::reportOpenFailure(const FileLoadResult&) {
  platform().message(kNotValidDifferenceDatabase, MessageIcon::Information);
}

}  // namespace saltmark
