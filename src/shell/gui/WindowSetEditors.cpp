// Placeholder until the editors and the publisher panel exist.
#include <QWidget>

#include "shell/gui/WindowSetParts.h"

namespace saltmark {

struct WindowSet::Editors {};

WindowSet::EditorsPtr makeEditors(WindowSet&) { return WindowSet::EditorsPtr(new WindowSet::Editors); }
void WindowSet::EditorsDeleter::operator()(Editors* editors) const { delete editors; }
QWidget* findEditor(const WindowSet::Editors&, const char*) { return nullptr; }

void WindowSet::showDifferenceEditor() {}
void WindowSet::showStreamEditor() {}
QWidget* WindowSet::createPublisherPanel(QWidget* parent) { return new QWidget(parent); }

}  // namespace saltmark
