#include "graphs/gui/GraphPrinting.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <stdexcept>

#include "graphs/PageFit.h"

namespace saltmark {

QImage CaptureWindow(QWidget& window) {
  QImage image(window.size(), QImage::Format_RGB32);
  image.fill(window.palette().color(QPalette::Window));
  window.render(&image);
  return image;
}

bool PrintPictureToFit(QPrinter& printer, const QImage& picture) {
  if (picture.isNull() || !printer.isValid()) return false;
  printer.setPageOrientation(PrintsLandscape(picture.width(), picture.height()) ? QPageLayout::Landscape
                                                                                 : QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  const PageFit fit = FitPictureToPage(picture.width(), picture.height(), page.width(), page.height());
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(QRectF(0, 0, fit.width, fit.height), picture);
  return painter.end() && printer.printerState() != QPrinter::Error;
}

void PrintGraphWindow(bool colour, const GraphPrintout& p) {
  const std::int16_t kept = p.settings.colourDisplay;
  // Restores the user's scheme on every way out.
  struct Restore {
    const GraphPrintout& p;
    std::int16_t kept;
    ~Restore() {
      p.settings.colourDisplay = kept;
      try {
        p.applyScheme();
        p.redraw();
        p.platform.processEvents();
      } catch (const std::exception& error) {
        p.platform.message(error.what(), MessageIcon::Critical);
      }
    }
  } restore{p, kept};

  try {
    p.settings.colourDisplay = toFlag(colour);
    p.applyScheme();
    p.redraw();
    p.platform.processEvents();
    std::unique_ptr<QPrinter> printer = p.choosePrinter();
    if (!printer) return;
    if (!PrintPictureToFit(*printer, CaptureWindow(p.window))) throw std::runtime_error(kGraphNotPrinted);
    p.platform.processEvents();
  } catch (const std::exception& error) {
    p.platform.message(error.what(), MessageIcon::Critical);
  }
}

}  // namespace saltmark
