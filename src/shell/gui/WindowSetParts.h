#pragma once
// How WindowSet builds its two groups; each group's file defines its struct
// and these functions (WindowSetViews.cpp, WindowSetEditors.cpp), and its
// deleter: void WindowSet::ViewsDeleter::operator()(Views* v) const { delete v; }
#include <memory>

#include "shell/gui/WindowSet.h"

namespace saltmark {

WindowSet::ViewsPtr makeViews(WindowSet& set);
QWidget* findView(const WindowSet::Views& views, const char* objectName);

WindowSet::EditorsPtr makeEditors(WindowSet& set);
QWidget* findEditor(const WindowSet::Editors& editors, const char* objectName);

}  // namespace saltmark
