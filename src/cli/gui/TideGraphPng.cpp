#include "cli/gui/TideGraphPng.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>

#include "graphs/gui/GraphImage.h"

namespace saltmark::cli {

std::optional<std::string> TideGraphPng(const TideGraphDrawing& drawing, const TidePass& pass,
                                        const Settings& settings, Platform& platform, int width, int height) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "saltmark-cli";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  const QImage image = RenderTideGraphImage(drawing, pass, settings, platform, QSize(width, height));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return std::nullopt;
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace saltmark::cli
