#pragma once
// Pieces both table settings dialogs are built from: text boxes that select
// their whole text on gaining the focus (so a typed number replaces the old
// one), the DURATION group with its "Number of Days" box, and the row of
// Calculate, Cancel and Help buttons, the column of listing options, and
// the refusal of a request that cannot run.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <QColor>
#include <QLineEdit>

#include "tables/TableDialogRules.h"

class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QPushButton;
class QRadioButton;
class QWidget;

namespace saltmark {

class Platform;

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

// The listing options `name`_0 to `name`_4, down the first column of
// `grid` in one button group owned by `owner`; `caption` gives each its text.
struct ListingOptions {
  QButtonGroup* group = nullptr;
  std::array<QRadioButton*, kListingOptionCount> buttons{};

  // The ticked option, read as the table rules read a row of options.
  int chosen() const;
};
ListingOptions listingOptions(const char* name, const std::function<std::string_view(int)>& caption, QGroupBox* box,
                              QGridLayout* grid, QObject* owner);

// A request the generator refuses: its message, and false so the dialog
// stays open; none: true.
bool requestAccepted(const std::optional<std::string>& refusal, Platform& platform);

// The dialog, its groups, options and check boxes in the main window's
// background colour (white in the monochrome scheme).
void setDialogBackground(QWidget& dialog, const QColor& background);

}  // namespace saltmark
