// Placeholder until the editors and the publisher panel exist.
#include <QWidget>

#include "shell/gui/WindowSetParts.h"

namespace saltmark {

struct WindowSet::Editors {};

std::unique_ptr<WindowSet::Editors> makeEditors(WindowSet&) { return std::make_unique<WindowSet::Editors>(); }
QWidget* findEditor(const WindowSet::Editors&, const char*) { return nullptr; }

void WindowSet::showDifferenceEditor() {}
void WindowSet::showStreamEditor() {}
QWidget* WindowSet::createPublisherPanel(QWidget* parent) { return new QWidget(parent); }

}  // namespace saltmark
