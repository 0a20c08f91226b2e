// The database editors and the publisher's panel: created on first use and
// afterwards only shown again.
#include <QButtonGroup>
#include <QComboBox>
#include <QPalette>

#include "editors/gui/DifferenceEditorWindow.h"
#include "editors/gui/StreamEditorWindow.h"
#include "platform/gui/QtText.h"
#include "publisher/gui/PublisherPanel.h"
#include "shell/AppState.h"
#include "shell/gui/MainWindow.h"
#include "shell/gui/WindowSetParts.h"

namespace saltmark {

// The windows are the main window's children, so Qt deletes them.
struct WindowSet::Editors {
  DifferenceEditorWindow* differences = nullptr;
  StreamEditorWindow* streams = nullptr;
  PublisherPanel* publisher = nullptr;
};

WindowSet::EditorsPtr makeEditors(WindowSet&) { return WindowSet::EditorsPtr(new WindowSet::Editors); }
void WindowSet::EditorsDeleter::operator()(Editors* editors) const { delete editors; }

QWidget* findEditor(const WindowSet::Editors& editors, const char* objectName) {
  for (QWidget* w : std::initializer_list<QWidget*>{editors.differences, editors.streams, editors.publisher})
    if (w && w->objectName() == objectName) return w;
  return nullptr;
}

namespace {

QColor mainBackground(QWidget* mainWindow) { return mainWindow->palette().color(QPalette::Window); }

}  // namespace

void WindowSet::showDifferenceEditor() {
  Editors& e = editors();
  if (!e.differences)
    e.differences =
        new DifferenceEditorWindow(state_.platform, state_.locationIndex, state_.programFolder, mainWindow_);
  e.differences->openModal(mainBackground(mainWindow_));
}

void WindowSet::showStreamEditor() {
  Editors& e = editors();
  if (!e.streams)
    e.streams = new StreamEditorWindow(state_.platform, state_.locationIndex, state_.programFolder, mainWindow_);
  e.streams->openModal(mainBackground(mainWindow_));
}

QWidget* WindowSet::createPublisherPanel(QWidget* parent) {
  auto* main = qobject_cast<MainWindow*>(mainWindow_);
  PublisherHooks hooks;
  if (main) {
    hooks.readyToPublish = [main] {
      if (!main->readyToPredict()) return false;
      main->UpdateClockDisplay();
      return true;
    };
    hooks.databaseList = [main] {
      std::vector<std::string> names;
      if (const auto* list = main->findChild<QComboBox*>("Tfile"))
        for (int i = 0; i < list->count(); ++i) names.push_back(fromQt(list->itemText(i)));
      return names;
    };
    hooks.listOrder = [main] {
      const auto* order = main->findChild<QButtonGroup*>("Sort_By");
      return order && order->checkedId() == 1 ? LocationOrder::Coastal : LocationOrder::Alphabetical;
    };
    hooks.refreshDisplay = [main] { main->UpdateClockDisplay(); };
  }
  editors().publisher = new PublisherPanel(state_, [this]() -> ProgressWindow& { return progress(); },
                                           std::move(hooks), parent);
  return editors().publisher;
}

}  // namespace saltmark
