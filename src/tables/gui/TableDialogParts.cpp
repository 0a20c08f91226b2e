#include "tables/gui/TableDialogParts.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QPalette>
#include <QHBoxLayout>
#include <QPushButton>
#include <QLabel>
#include <QTimer>

namespace saltmark {

SelectingLineEdit::SelectingLineEdit(const char* name, const QString& text, QWidget* parent)
    : QLineEdit(text, parent) {
  setObjectName(name);
  setMaximumWidth(80);
}

void SelectingLineEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // After the click that gave the focus has placed the cursor.
  QTimer::singleShot(0, this, [this] { selectAll(); });
}

DialogButtons calculateCancelHelp(QWidget* parent) {
  DialogButtons buttons{new QPushButton("Calculate", parent), new QPushButton("Cancel", parent),
                        new QPushButton("&Help", parent), new QHBoxLayout};
  buttons.OK->setObjectName("OK");
  buttons.OK->setDefault(true);
  buttons.Cancel->setObjectName("Cancel");
  buttons.Help->setObjectName("Help");
  for (QPushButton* button : {buttons.OK, buttons.Cancel, buttons.Help}) buttons.row->addWidget(button);
  return buttons;
}

QGroupBox* durationGroup(QLineEdit*& daysBox, QWidget* parent) {
  auto* group = new QGroupBox("DURATION", parent);
  group->setObjectName("Duration");
  auto* layout = new QHBoxLayout(group);
  daysBox = new SelectingLineEdit("Days_Box", "1", group);
  layout->addWidget(new QLabel("Number of Days", group));
  layout->addWidget(daysBox);
  layout->addStretch(1);
  return group;
}

void setDialogBackground(QWidget& dialog, const QColor& background) {
  QPalette palette = dialog.palette();
  palette.setColor(QPalette::Window, background);
  dialog.setPalette(palette);
}

}  // namespace saltmark
