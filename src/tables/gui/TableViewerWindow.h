#pragma once
// The table viewer Tabulate: the text the table generators wrote, read-only
// in a fixed-pitch box (RTFBox), with the Export menu (To Clipboard, To File,
// Print, CSV, iCalendar), Help and Exit. The window is the generators' text sink: the text is
// kept as written (8-bit, CR LF line ends) and put into the box when the run
// is over, so that a year-long table is not slowed by the box.
#include <filesystem>
#include <string>

#include <QMainWindow>

#include "tables/TableRowsExport.h"
#include "tables/TableText.h"

class QAction;
class QPlainTextEdit;
class QPrinter;

namespace saltmark {

class Platform;

inline constexpr int kTableViewerHelpContext = 8;
inline constexpr std::string_view kTablePrintFailed = "The table could not be printed.";

class TableViewerWindow : public QMainWindow, public TableText {
  Q_OBJECT
 public:
  // saveFolder: where the save dialog opens the first time.
  TableViewerWindow(Platform& platform, std::filesystem::path saveFolder, QWidget* parent = nullptr);

  void ClearTableText() override;
  void AppendTableLine(std::string_view line) override;

  // The text as written, every line ending in CR LF.
  const std::string& tableText() const { return text_.text(); }
  // Puts the written text into the box (a no-op when it is already there).
  void refreshBox();
  // Shows the window in front with the text at its top.
  void showTable();

  // Prints the whole text, or the selected part; false when the printer
  // could not print.
  bool printTable(QPrinter& printer, bool selectionOnly);

  QPlainTextEdit* box() const { return RTFBox_; }

  // What the CSV and iCalendar exports need to know of the table shown:
  // set by whoever runs the table.
  void setExportContext(TableExportContext context) { exportContext_ = std::move(context); }

 public slots:
  void Clip_Click();
  void MyFil_Click();
  void Print_Click();
  void CsvExport_Click();
  void IcsExport_Click();
  void Help_Click();
  void Exit_Table_Click();

 private:
  Platform& platform_;
  std::filesystem::path savePath_;
  std::filesystem::path csvPath_;
  std::filesystem::path icsPath_;
  TableExportContext exportContext_;
  TableTextBuffer text_;
  bool boxCurrent_ = true;
  QPlainTextEdit* RTFBox_;
};

}  // namespace saltmark
