#pragma once
// The stream editor Streams, "Saltmark Tidal Streams Database Manager": one
// stream station at a time, its name, position, reference port, the unit
// its rates are entered in, and the hourly grid of sets and spring and neap
// rates from six hours before to six hours after high water. Directions and
// rates are checked as they are typed.
#include <array>

#include "editors/StreamEditor.h"
#include "editors/gui/StationRecordWindow.h"

class QComboBox;
class QGridLayout;
class QLineEdit;

namespace saltmark {

class StreamEditorWindow : public StationRecordWindow {
  Q_OBJECT
 public:
  StreamEditorWindow(Platform& platform, const LocationIndex& index, std::filesystem::path folder, QWidget* parent);

  StreamEditor& editor() { return editor_; }

 protected:
  void pullForm() override;
  void pushForm() override;

 private:
  void buildFields();
  void buildGrid(QGridLayout* grid, int firstLine);
  // d(j), s(j), n(j) on each change: a value out of range empties the box.
  void direction_Change(QLineEdit* box);
  void rate_Change(QLineEdit* box);

  Platform& platform_;
  StreamEditor editor_;
  QComboBox* spd_ = nullptr;
  std::array<QLineEdit*, kStreamHours> d_{}, s_{}, n_{};
};

}  // namespace saltmark
