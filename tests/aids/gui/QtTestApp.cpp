// The navigation aid window tests share the window tests' QApplication.
#include "shell/gui/QtTestApp.cpp"
