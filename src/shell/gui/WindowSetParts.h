#pragma once
// How WindowSet builds its two groups; each group's file defines its struct
// and these functions (WindowSetViews.cpp, WindowSetEditors.cpp).
#include <memory>

#include "shell/gui/WindowSet.h"

namespace saltmark {

std::unique_ptr<WindowSet::Views> makeViews(WindowSet& set);
QWidget* findView(const WindowSet::Views& views, const char* objectName);

std::unique_ptr<WindowSet::Editors> makeEditors(WindowSet& set);
QWidget* findEditor(const WindowSet::Editors& editors, const char* objectName);

}  // namespace saltmark
