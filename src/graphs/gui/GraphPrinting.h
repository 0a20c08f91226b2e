#pragma once
// A graph is printed as a picture of its whole window: the window is redrawn
// in the requested scheme (colour or monochrome), rendered into an image and
// painted on the page as large as it goes, landscape when the window is
// wider than high. The user's colour choice comes back afterwards, also when
// the printer fails.
#include <functional>
#include <memory>

#include <QImage>

#include "data/Settings.h"
#include "platform/Platform.h"

class QPrinter;
class QWidget;

namespace saltmark {

// Where a printout goes: the print dialog's printer in the program, a PDF
// file in tests. nullptr means the user cancelled.
using PrinterChooser = std::function<std::unique_ptr<QPrinter>()>;

// The window as it looks now, frame excepted, at its own pixel size.
QImage CaptureWindow(QWidget& window);

// Sets the orientation from the picture, then paints it at the top-left of
// the page at the fitting size. False when the printer could not start.
bool PrintPictureToFit(QPrinter& printer, const QImage& picture);

struct GraphPrintout {
  QWidget& window;
  Settings& settings;
  Platform& platform;
  PrinterChooser choosePrinter;
  std::function<void()> applyScheme;  // the window's colours from the settings
  std::function<void()> redraw;       // DrawTideGraph or DrawStreamGraph
};

// Print_Mono (colour false) and Colour (true). A failure is reported in a
// message box and the remaining steps still run.
void PrintGraphWindow(bool colour, const GraphPrintout& printout);

inline constexpr const char* kGraphNotPrinted = "The graph could not be printed: the printer did not start.";

}  // namespace saltmark
