#include "tables/gui/TableViewerWindow.h"

#include <QDateTime>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>

#include "platform/Platform.h"
#include "platform/gui/Printing.h"
#include "platform/gui/NamedControls.h"
#include "platform/gui/QtText.h"
#include "tables/TableExport.h"

namespace saltmark {
namespace {

QFont tableFont() {
  if (QFontDatabase::families().contains("Courier New")) {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    return font;
  }
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

// The box's text in Qt's form: one newline per line end.
QString boxText(const std::string& latin1) {
  QString text = toQt(latin1);
  text.replace("\r\n", "\n");
  return text;
}

}  // namespace

TableViewerWindow::TableViewerWindow(Platform& platform, std::filesystem::path saveFolder, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      savePath_(saveFolder / kTableFileName),
      csvPath_(saveFolder / kCsvFileName),
      icsPath_(saveFolder / kIcsFileName) {
  setObjectName("Tabulate");
  setWindowTitle(toQt(kAppTitle));
  resize(640, 480);

  RTFBox_ = new QPlainTextEdit(this);
  RTFBox_->setObjectName("RTFBox");
  RTFBox_->setReadOnly(true);
  RTFBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
  RTFBox_->setFont(tableFont());
  // Eight columns to a tab stop, so the tab-separated columns line up.
  RTFBox_->setTabStopDistance(8 * QFontMetricsF(RTFBox_->font()).horizontalAdvance(' '));
  setCentralWidget(RTFBox_);

  QMenu* exportMenu = namedMenu(menuBar(), "Export", "&Export");
  connect(namedAction(exportMenu, "Clip", "To &Clipboard"), &QAction::triggered, this, &TableViewerWindow::Clip_Click);
  connect(namedAction(exportMenu, "MyFil", "To &File"), &QAction::triggered, this, &TableViewerWindow::MyFil_Click);
  connect(namedAction(exportMenu, "Print", "&Print"), &QAction::triggered, this, &TableViewerWindow::Print_Click);
  exportMenu->addSeparator();
  connect(namedAction(exportMenu, "CsvExport", "CSV"), &QAction::triggered, this, &TableViewerWindow::CsvExport_Click);
  connect(namedAction(exportMenu, "IcsExport", "iCalendar"), &QAction::triggered, this,
          &TableViewerWindow::IcsExport_Click);
  connect(namedMenuBarAction(menuBar(), "Help", "&Help"), &QAction::triggered, this, &TableViewerWindow::Help_Click);
  connect(namedMenuBarAction(menuBar(), "Exit_Table", "E&xit"), &QAction::triggered, this,
          &TableViewerWindow::Exit_Table_Click);
}

void TableViewerWindow::ClearTableText() {
  text_.ClearTableText();
  boxCurrent_ = false;
}

void TableViewerWindow::AppendTableLine(std::string_view line) {
  text_.AppendTableLine(line);
  boxCurrent_ = false;
}

void TableViewerWindow::refreshBox() {
  if (boxCurrent_) return;
  RTFBox_->setPlainText(boxText(text_.text()));
  boxCurrent_ = true;
}

void TableViewerWindow::showTable() {
  refreshBox();
  RTFBox_->moveCursor(QTextCursor::Start);
  show();
  raise();
  activateWindow();
}

bool TableViewerWindow::printTable(QPrinter& printer, bool selectionOnly) {
  refreshBox();
  QString text = boxText(text_.text());
  if (selectionOnly && RTFBox_->textCursor().hasSelection()) {
    text = RTFBox_->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, '\n');
  }
  return printPlainText(printer, text);
}

void TableViewerWindow::Clip_Click() { platform_.setClipboardText(text_.text()); }

void TableViewerWindow::MyFil_Click() {
  const auto chosen = platform_.chooseSaveFile({std::string(kTableFileTitle), std::string(kTableFileFilter), savePath_});
  if (!chosen) return;
  savePath_ = *chosen;
  if (const auto failure = SaveTableFile(*chosen, text_.text()))
    platform_.message(*failure, MessageIcon::Critical);
}

void TableViewerWindow::CsvExport_Click() {
  const auto chosen = platform_.chooseSaveFile({std::string(kCsvFileTitle), std::string(kCsvFileFilter), csvPath_});
  if (!chosen) return;
  csvPath_ = *chosen;
  if (const auto failure = SaveExportFile(*chosen, CsvText(TableRowsForExport(text_.text(), exportContext_))))
    platform_.message(*failure, MessageIcon::Critical);
}

void TableViewerWindow::IcsExport_Click() {
  const auto chosen = platform_.chooseSaveFile({std::string(kIcsFileTitle), std::string(kIcsFileFilter), icsPath_});
  if (!chosen) return;
  icsPath_ = *chosen;
  const auto now = QDateTime::currentDateTimeUtc();
  const DateTime stamp = DateTime::fromCivil(now.date().year(), now.date().month(), now.date().day(),
                                             now.time().hour(), now.time().minute(), now.time().second());
  if (const auto failure = SaveExportFile(*chosen, IcsText(TableCalendar(text_.text(), exportContext_, stamp))))
    platform_.message(*failure, MessageIcon::Critical);
}

void TableViewerWindow::Print_Click() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  const bool selection = RTFBox_->textCursor().hasSelection();
  dialog.setOption(QAbstractPrintDialog::PrintSelection, selection);
  if (selection) dialog.setPrintRange(QAbstractPrintDialog::Selection);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!printTable(printer, dialog.printRange() == QAbstractPrintDialog::Selection))
    platform_.message(kTablePrintFailed, MessageIcon::Critical);
}

void TableViewerWindow::Help_Click() { platform_.showHelpTopic(kTableViewerHelpContext); }

void TableViewerWindow::Exit_Table_Click() { hide(); }

}  // namespace saltmark
