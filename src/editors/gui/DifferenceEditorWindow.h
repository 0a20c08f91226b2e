#pragma once
// The difference editor DIFFS, "Saltmark Tidal Difference Database
// Manager": one secondary port at a time, its name, position, reference port
// and the ten values (the reference port's mean levels, the time differences
// at high and low water and the height differences), heights in metres.
#include <array>

#include "editors/DifferenceEditor.h"
#include "editors/gui/StationRecordWindow.h"

class QLineEdit;

namespace saltmark {

class DifferenceEditorWindow : public StationRecordWindow {
  Q_OBJECT
 public:
  DifferenceEditorWindow(Platform& platform, const LocationIndex& index, std::filesystem::path folder,
                         QWidget* parent);

  DifferenceEditor& editor() { return editor_; }

 protected:
  void pullForm() override;
  void pushForm() override;

 private:
  void buildFields();

  DifferenceEditor editor_;
  std::array<QLineEdit*, kDifferenceValueCount> d_{};
};

}  // namespace saltmark
