// The graph window tests share the window tests' QApplication.
#include "shell/gui/QtTestApp.cpp"
