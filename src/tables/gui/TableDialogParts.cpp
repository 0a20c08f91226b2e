#include "tables/gui/TableDialogParts.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QPalette>
#include <QHBoxLayout>
#include <QPushButton>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include "platform/Platform.h"
#include "platform/gui/NamedControls.h"
#include "platform/gui/QtText.h"

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

ListingOptions listingOptions(const char* name, const std::function<std::string_view(int)>& caption, QGroupBox* box,
                              QGridLayout* grid, QObject* owner) {
  ListingOptions options{new QButtonGroup(owner)};
  for (int k = 0; k < kListingOptionCount; ++k) {
    auto* option = new QRadioButton(toQt(caption(k)), box);
    option->setObjectName(QString("%1_%2").arg(name).arg(k));
    options.group->addButton(option, k);
    options.buttons[static_cast<std::size_t>(k)] = option;
    grid->addWidget(option, k, 0);
  }
  return options;
}

int ListingOptions::chosen() const {
  std::array<bool, kListingOptionCount> set{};
  for (std::size_t k = 0; k < set.size(); ++k) set[k] = buttons[k]->isChecked();
  return FirstSetOption(set);
}

bool requestAccepted(const std::optional<std::string>& refusal, Platform& platform) {
  if (refusal) platform.message(*refusal, MessageIcon::Exclamation);
  return !refusal;
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
  QGroupBox* group = namedGroup("Duration", "DURATION", parent);
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
