#include "graphs/gui/GraphVector.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "common/AtomicFile.h"
#include "graphs/gui/QtDrawingSurface.h"

namespace saltmark {
namespace {

void drawOn(QPaintDevice& device, QRectF target, const std::function<void(DrawingSurface&)>& draw) {
  QPainter painter(&device);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  QtDrawingSurface surface(painter, target);
  draw(surface);
  painter.end();
}

}  // namespace

QByteArray RenderGraphSvg(QSize size, const std::function<void(DrawingSurface&)>& draw) {
  QByteArray bytes;
  if (size.isEmpty()) return bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(96);  // a browser shows the drawing at its size in pixels
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle("Saltmark");
  drawOn(svg, QRectF(QPointF(0, 0), QSizeF(size)), draw);
  return bytes;
}

QByteArray RenderGraphPdf(QSize size, const std::function<void(DrawingSurface&)>& draw) {
  QByteArray bytes;
  if (size.isEmpty()) return bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setTitle("Saltmark");
  pdf.setResolution(96);
  pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));  // a page the graph's own shape
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  drawOn(pdf, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())), draw);
  return bytes;
}

std::optional<std::string> SaveGraphFile(const std::filesystem::path& path, const QByteArray& bytes) {
  return saveFileOrSayWhy(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                          "The graph could not be saved as ");
}

}  // namespace saltmark
