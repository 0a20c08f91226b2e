#pragma once
// Printers for the windows that print: the print dialog's choice, or a
// printer that writes a PDF file (also what headless runs and tests use).
#include <memory>

#include <QString>

class QPrinter;
class QWidget;

namespace saltmark {

// Shows the print dialog; nullptr when the user cancelled.
std::unique_ptr<QPrinter> choosePrinter(QWidget* parent, const QString& title = "Print");

// A printer whose output is the PDF file at path.
std::unique_ptr<QPrinter> pdfPrinter(const QString& path);

// Prints plain text in a fixed-pitch font (so table columns line up), page
// after page. False when the printer could not start.
bool printPlainText(QPrinter& printer, const QString& text);

}  // namespace saltmark
