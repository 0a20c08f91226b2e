// Placeholder until the table, graph and aid windows exist.
#include "shell/gui/WindowSetParts.h"

namespace saltmark {

struct WindowSet::Views {};

WindowSet::ViewsPtr makeViews(WindowSet&) { return WindowSet::ViewsPtr(new WindowSet::Views); }
void WindowSet::ViewsDeleter::operator()(Views* views) const { delete views; }
QWidget* findView(const WindowSet::Views&, const char*) { return nullptr; }

void WindowSet::showTideTable() {}
void WindowSet::showStreamTable() {}
void WindowSet::showTideGraph() {}
void WindowSet::showStreamGraph() {}
void WindowSet::showAnchorCalculator() {}
void WindowSet::showInformation() {}
void WindowSet::showAlarm() {}
void WindowSet::onClockTick() {}

}  // namespace saltmark
