#include "shell/gui/WindowSet.h"

#include <QWidget>

#include "shell/gui/WindowSetParts.h"
#include "tables/gui/ProgressWindow.h"

namespace saltmark {

WindowSet::WindowSet(AppState& state, QWidget* mainWindow)
    : state_(state), mainWindow_(mainWindow), tables_(makeTables(*this)),
      graphs_(makeGraphs(*this)),
      editors_(makeEditors(*this)) {}

WindowSet::~WindowSet() = default;

ProgressWindow& WindowSet::progress() {
  if (!progress_) progress_ = new ProgressWindow(mainWindow_);
  return *progress_;
}

QWidget* WindowSet::window(const char* objectName) const {
  if (progress_ && progress_->objectName() == objectName) return progress_;
  if (QWidget* found = findTableWindow(*tables_, objectName)) return found;
  if (QWidget* found = findGraphWindow(*graphs_, objectName)) return found;
  return findEditor(*editors_, objectName);
}

}  // namespace saltmark
