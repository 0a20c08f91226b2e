// The one QApplication of these window tests.
#include "shell/gui/QtTestApp.cpp"
