// Placeholder until the table windows exist.
#include "shell/gui/WindowSetParts.h"

namespace saltmark {

struct WindowSet::Tables {};

WindowSet::TablesPtr makeTables(WindowSet&) { return WindowSet::TablesPtr(new WindowSet::Tables); }
void WindowSet::TablesDeleter::operator()(Tables* tables) const { delete tables; }
QWidget* findTableWindow(const WindowSet::Tables&, const char*) { return nullptr; }

void WindowSet::showTideTable() {}
void WindowSet::showStreamTable() {}

}  // namespace saltmark
