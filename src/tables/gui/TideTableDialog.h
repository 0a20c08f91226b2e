#pragma once
// Tableset, "Tide Table Settings": which listing the tide table shows
// (List_Option 0..4 under "LIST"), its High and Low boxes, the interval and
// the counts, the number of days, the clearance box with the charted depth
// and draught, and Calculate, Cancel and Help. The dialog is created once
// and only hidden, so every choice stays for the next table; only the depth
// and draught go into the settings record.
#include <array>

#include <QCheckBox>
#include <QDialog>

#include "tables/TideTableGenerator.h"
#include "tables/gui/TableDialogParts.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace saltmark {

class Platform;
struct Settings;

inline constexpr int kTideTableHelpContext = 9;

// A check box whose state the dialog sets itself on each click, so that it
// can stay greyed for the times of passage.
class ClearanceCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override {}
};

class TideTableDialog : public QDialog {
  Q_OBJECT
 public:
  TideTableDialog(Settings& settings, Platform& platform, QWidget* parent = nullptr);

  // Opened for a new table: the depth and draught boxes from the settings,
  // and the main window's background behind the options.
  void Form_Activate(const QColor& background);

  // The boxes as the generator reads them (start, location and zone are the
  // caller's).
  TideTableRequest request() const;
  TideListing listing() const;
  // The "Sun and Moon" box (high and low waters only): the caller then fills
  // the request's sun and moon rows for the port.
  bool sunMoon() const;

 signals:
  // Calculate was pressed and the boxes were accepted; the dialog is hidden.
  void calculateRequested();

 public slots:
  void List_Option_Click(int index);
  void Check1_Click();
  void OK_Click();
  void Cancel_Click();
  void Help_Click();

 private:
  void setClearance(ClearanceBox clearance);
  ClearanceBox clearance() const;
  void showDepthAndDraught();

  Settings& settings_;
  Platform& platform_;
  ListingOptions options_;  // List_Option_0 to List_Option_4
  std::array<QCheckBox*, 2> chk_hilo_{};
  QCheckBox* chk_sunmoon_ = nullptr;  // "Sun and Moon" rows in the high and low water listing
  QLineEdit *Mins_Box_, *Highest_, *Lowest_, *Days_Box_, *t_depth_, *t_draught_;
  QLabel *depthLabel_, *draughtLabel_;
  ClearanceCheckBox* Check1_;
};

}  // namespace saltmark
