#pragma once
// Tablestr, "Stream Table Settings": which listing the stream table shows
// (Option 0..4 under "STREAM DETAILS"), the interval with its unit label, the
// speed threshold labelled with the current speed unit, the number of
// fastest streams, the number of days, and Calculate, Cancel and Help. Like
// the tide dialog it is created once and keeps its choices for the run.
#include <QDialog>

#include "tables/StreamTableGenerator.h"
#include "tables/gui/TableDialogParts.h"

class QLabel;
class QLineEdit;

namespace saltmark {

class Platform;
struct Settings;

inline constexpr int kStreamTableHelpContext = 14;

class StreamTableDialog : public QDialog {
  Q_OBJECT
 public:
  StreamTableDialog(const Settings& settings, Platform& platform, QWidget* parent = nullptr);

  // Opened for a new table: below_units shows the current speed unit, and
  // the main window's background is behind the options.
  void Form_Activate(const QColor& background);

  // The boxes as the generator reads them (start, location, stations, zone
  // and unit caption are the caller's).
  StreamTableRequest request() const;
  StreamListing listing() const;

 signals:
  void calculateRequested();

 public slots:
  void Option_Click(int index);
  void OK_Click();
  void Cancel_Click();
  void Help_Click();

 private:
  const Settings& settings_;
  Platform& platform_;
  ListingOptions options_;  // Option_0 to Option_4
  QLineEdit *mins_box_, *Below_, *fastest_, *Days_Box_;
  QLabel *reg_units_, *below_units_;
};

}  // namespace saltmark
