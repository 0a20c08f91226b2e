#pragma once
// The window both database editors share: the record list with its blank
// entry, the `Record` frame that the editor fills with its boxes, the record
// buttons, the file menu and help. Every command writes the boxes into the
// editor's form, runs the editor's command, and shows the editor again, so
// the window holds no decisions of its own.
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include <QDialog>

#include "editors/RecordListEditor.h"

class QGroupBox;
class QLineEdit;
class QListWidget;

namespace saltmark {

// The control names of one editor.
struct EditorControlNames {
  const char* window;   // objectName
  const char* title;
  const char* heading;
  const char* list;
  const char* ok;
  const char* cancel;
  const char* append;
  const char* insert;
  const char* remove;
  const char* fileMenu;
  const char* newFile;
  const char* open;
  const char* save;
  const char* saveAs;
  const char* saveAsText;
  const char* exit;
  const char* help;
};

class RecordEditorWindow : public QDialog {
  Q_OBJECT
 public:
  // Each time the window opens: a new database, the main window's background
  // colour, then modal until Exit.
  void openModal(const QColor& background);

  // Runs the Exit command (also the close box and Escape).
  void reject() override;

 protected:
  RecordEditorWindow(RecordListEditor& editor, const EditorControlNames& names, QWidget* parent);

  virtual void pullForm() = 0;  // the boxes into the editor's form
  virtual void pushForm() = 0;  // the editor's form into the boxes
  virtual QLineEdit* nameBox() const = 0;

  QGroupBox* recordFrame() const { return record_; }
  // A box that selects its whole text when it takes the focus and, when it
  // loses it and is not empty, shows normalise(text) (none: left as typed).
  void watchBox(QLineEdit* box, std::function<std::string(std::string_view)> normalise = {});
  // Shows everything the editor holds.
  void showEditor();

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Boxes first lose the focus (their reformatting runs), then the command.
  void runCommand(const std::function<void()>& command);
  void commitFocusedBox();
  void normaliseBox(QLineEdit* box);
  void showList();
  void listRowChanged(int row);

  RecordListEditor& editor_;
  QListWidget* list_ = nullptr;
  QGroupBox* record_ = nullptr;
  std::map<QLineEdit*, std::function<std::string(std::string_view)>> boxes_;
  bool settingSelection_ = false;  // the editor itself moves the list selection
  bool inBoxCheck_ = false;
};

}  // namespace saltmark
