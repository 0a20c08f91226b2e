#include "platform/gui/Printing.h"

#include <QFontDatabase>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace saltmark {

std::unique_ptr<QPrinter> choosePrinter(QWidget* parent, const QString& title) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer.get(), parent);
  dialog.setWindowTitle(title);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  return printer;
}

bool printPlainText(QPrinter& printer, const QString& text) {
  if (!printer.isValid()) return false;
  QTextDocument document;
  document.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  document.setPlainText(text);
  document.print(&printer);
  return printer.printerState() != QPrinter::Error;
}

}  // namespace saltmark
