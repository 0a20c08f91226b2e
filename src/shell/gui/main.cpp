// The program saltmark: refuses a second copy, makes its own folder the data
// folder, shows the start-up window and then the main window.
#include <memory>

#include <QApplication>

#include "data/gui/WaitWindow.h"
#include "platform/gui/QtPlatform.h"
#include "platform/gui/QtText.h"
#include "platform/gui/SingleInstance.h"
#include "shell/AppState.h"
#include "shell/Startup.h"
#include "shell/gui/HelpWindow.h"
#include "shell/gui/MainWindow.h"
#include "shell/gui/SaltmarkApplication.h"

int main(int argc, char* argv[]) {
  using namespace saltmark;
  SaltmarkApplication app(argc, argv);
  QApplication::setApplicationName(toQt(kAppTitle));
  // Hidden windows stay alive; the program ends through the exit sequence.
  QApplication::setQuitOnLastWindowClosed(false);

  QtPlatform platform;
  app.reportErrorsTo(&platform);
  SingleInstanceLock lock;
  if (!lock.acquire()) {
    platform.message(kSecondCopyMessage, MessageIcon::Critical, MessageButtons::Ok, kAppTitle);
    return 1;
  }

  const std::filesystem::path folder = pathFromQt(QCoreApplication::applicationDirPath());
  SetWorkingFolder(folder);
  AppState state(platform, folder);

  WaitWindow wait(state);
  std::unique_ptr<MainWindow> mainWindow;
  QObject::connect(&wait, &WaitWindow::abandoned, &app, &QApplication::quit);
  QObject::connect(&wait, &WaitWindow::startRequested, [&] {
    mainWindow = std::make_unique<MainWindow>(state);
    platform.setOwner(mainWindow.get());
    platform.setHelpHandler([&](int context) { mainWindow->help().showTopic(context); });
    QObject::connect(mainWindow.get(), &MainWindow::exitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    mainWindow->show();
    mainWindow->Form_Load();
  });
  wait.show();
  const int result = app.exec();
  platform.setHelpHandler({});
  platform.setOwner(nullptr);
  app.reportErrorsTo(nullptr);
  return result;
}
