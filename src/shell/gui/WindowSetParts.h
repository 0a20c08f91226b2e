#pragma once
// How WindowSet builds its three groups; each group's file defines its struct
// and these functions (WindowSetTables.cpp, WindowSetGraphs.cpp,
// WindowSetEditors.cpp), and its deleter, e.g.
//   void WindowSet::TablesDeleter::operator()(Tables* t) const { delete t; }
#include <memory>

#include "shell/gui/WindowSet.h"

namespace saltmark {

WindowSet::TablesPtr makeTables(WindowSet& set);
QWidget* findTableWindow(const WindowSet::Tables& tables, const char* objectName);

WindowSet::GraphsPtr makeGraphs(WindowSet& set);
QWidget* findGraphWindow(const WindowSet::Graphs& graphs, const char* objectName);

WindowSet::EditorsPtr makeEditors(WindowSet& set);
QWidget* findEditor(const WindowSet::Editors& editors, const char* objectName);

}  // namespace saltmark
