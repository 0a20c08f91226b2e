// saltmark-screenshots OUTPUT_FOLDER [PROGRAM_FOLDER]: opens each window of
// the desktop program on the program folder (or, when it holds no tide
// database, on a small demo folder made in a temporary place) and writes a
// PNG of each into OUTPUT_FOLDER. Run it through tools/screenshots.
#include <cstdio>
#include <filesystem>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>

#include "DemoFolder.h"
#include "WindowShots.h"
#include "platform/gui/QtText.h"
#include "shell/gui/MainWindow.h"

int main(int argc, char* argv[]) {
  using namespace saltmark;
  using namespace saltmark::screenshots;
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  if (argc < 2) {
    std::fprintf(stderr, "usage: saltmark-screenshots OUTPUT_FOLDER [PROGRAM_FOLDER]\n");
    return 2;
  }
  const std::filesystem::path output = argv[1];
  std::filesystem::path folder = argc > 2 ? std::filesystem::path(argv[2]) : std::filesystem::current_path();
  std::error_code error;
  std::filesystem::create_directories(output, error);
  if (!std::filesystem::is_directory(output)) {
    std::fprintf(stderr, "saltmark-screenshots: cannot make the folder %s\n", output.c_str());
    return 1;
  }

  QTemporaryDir demo;
  if (!HasTideDatabase(folder)) {
    const std::filesystem::path demoFolder = pathFromQt(demo.path());
    if (!demo.isValid() || !WriteDemoFolder(demoFolder, folder)) {
      std::fprintf(stderr, "saltmark-screenshots: cannot write a demo program folder\n");
      return 1;
    }
    std::fprintf(stderr, "saltmark-screenshots: no tide database in %s, using a demo folder\n", folder.c_str());
    folder = demoFolder;
  }

  int failures = 0;
  {
    ScreenshotSession session(std::filesystem::absolute(folder));
    for (const WindowShot& shot : WindowShots()) {
      QWidget* window = shot.show(session);
      if (!window || !window->isVisible()) {
        std::fprintf(stderr, "saltmark-screenshots: %s: the window did not open\n", shot.file);
        ++failures;
        continue;
      }
      for (int i = 0; i < 3; ++i) QApplication::processEvents();
      const QString file = pathToQt(output / shot.file);
      if (!window->grab().save(file, "PNG")) {
        std::fprintf(stderr, "saltmark-screenshots: cannot write %s\n", file.toLocal8Bit().constData());
        ++failures;
      } else {
        std::printf("%s\n", file.toLocal8Bit().constData());
      }
      if (window != &session.main()) window->hide();
    }
    for (const RecordedMessage& message : session.platform.messages)
      std::fprintf(stderr, "saltmark-screenshots: message shown: %s\n", message.text.c_str());
  }
  return failures == 0 ? 0 : 1;
}
