#include "cli/gui/TideGraphFiles.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>

#include "cli/CommandRegistry.h"
#include "common/AtomicFile.h"
#include "graphs/gui/GraphImage.h"
#include "graphs/gui/GraphVector.h"

namespace saltmark::cli {

void SaveTideGraphFiles(const TideGraphDrawing& drawing, const TidePass& pass, const Settings& settings,
                        Platform& platform, int width, int height, const std::string& png, const std::string& svg) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "saltmark-cli";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  if (!png.empty()) {
    const QImage image = RenderTideGraphImage(drawing, pass, settings, platform, QSize(width, height));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) throw CliError("cannot encode the graph as PNG");
    if (const WriteResult written = writeFileAtomically(png, std::string_view(bytes.constData(), bytes.size()));
        !written)
      throw CliError("cannot write " + png + ": " + written.error);
  }
  if (!svg.empty()) {
    const QByteArray drawn = RenderGraphSvg(QSize(width, height), [&](DrawingSurface& surface) {
      DrawTideGraph(surface, drawing, pass, settings, platform);
    });
    if (const auto failure = SaveGraphFile(svg, drawn)) throw CliError(*failure);
  }
}

}  // namespace saltmark::cli
