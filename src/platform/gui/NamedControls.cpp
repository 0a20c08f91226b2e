#include "platform/gui/NamedControls.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace saltmark {

QAction* namedAction(QMenu* menu, const char* name, const QString& caption, bool checkable) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setCheckable(checkable);
  return action;
}

QAction* namedMenuBarAction(QMenuBar* bar, const char* name, const QString& caption) {
  QAction* action = bar->addAction(caption);
  action->setObjectName(name);
  return action;
}

QMenu* namedMenu(QMenuBar* bar, const char* name, const QString& caption) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(name);
  return menu;
}

QGroupBox* namedGroup(const char* name, const QString& title, QWidget* parent) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(name);
  return group;
}

QLabel* namedLabel(const char* name, QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  for (QPushButton* button : buttons) row->addWidget(button);
  return row;
}

}  // namespace saltmark
