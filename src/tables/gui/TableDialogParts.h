#pragma once
// Pieces both table settings dialogs are built from: text boxes that select
// their whole text on gaining the focus (so a typed number replaces the old
// one), the DURATION group with its "Number of Days" box, and the row of
// Calculate, Cancel and Help buttons.
#include <QColor>
#include <QLineEdit>

class QGroupBox;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace saltmark {

class SelectingLineEdit : public QLineEdit {
 public:
  SelectingLineEdit(const char* name, const QString& text, QWidget* parent);

 protected:
  void focusInEvent(QFocusEvent* event) override;
};

// The DURATION group holding Days_Box.
QGroupBox* durationGroup(QLineEdit*& daysBox, QWidget* parent);

// OK (captioned "Calculate", the default button), Cancel and Help in a row.
struct DialogButtons {
  QPushButton* OK;
  QPushButton* Cancel;
  QPushButton* Help;
  QHBoxLayout* row;
};
DialogButtons calculateCancelHelp(QWidget* parent);

// The dialog, its groups, options and check boxes in the main window's
// background colour (white in the monochrome scheme).
void setDialogBackground(QWidget& dialog, const QColor& background);

}  // namespace saltmark
