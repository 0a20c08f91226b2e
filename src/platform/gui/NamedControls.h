#pragma once
// Controls made with their names: a control's objectName is its name in the
// program, the one the windows' tests and the help refer to.
#include <initializer_list>

#include <QString>

class QAction;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;

namespace saltmark {

QAction* namedAction(QMenu* menu, const char* name, const QString& caption, bool checkable = false);
QAction* namedMenuBarAction(QMenuBar* bar, const char* name, const QString& caption);
// A drop-down menu of the menu bar.
QMenu* namedMenu(QMenuBar* bar, const char* name, const QString& caption);
QGroupBox* namedGroup(const char* name, const QString& title, QWidget* parent);
QLabel* namedLabel(const char* name, QWidget* parent, const QString& text = {});
// A button that Enter in a dialog's boxes never presses.
QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent);
// The buttons side by side, in order.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);

}  // namespace saltmark
