// Placeholder until the graph and aid windows exist.
#include "shell/gui/WindowSetParts.h"

namespace saltmark {

struct WindowSet::Graphs {};

WindowSet::GraphsPtr makeGraphs(WindowSet&) { return WindowSet::GraphsPtr(new WindowSet::Graphs); }
void WindowSet::GraphsDeleter::operator()(Graphs* graphs) const { delete graphs; }
QWidget* findGraphWindow(const WindowSet::Graphs&, const char*) { return nullptr; }

void WindowSet::showTideGraph() {}
void WindowSet::showStreamGraph() {}
void WindowSet::showAnchorCalculator() {}
void WindowSet::showInformation() {}
void WindowSet::showAlarm() {}
void WindowSet::onClockTick() {}

}  // namespace saltmark
