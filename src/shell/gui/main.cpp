// The program saltmark: refuses a second copy, chooses the data folder (see
// data/DataFolder.h) and makes it current, shows the start-up window and then
// the main window.
#include <memory>

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include "data/DataFolder.h"
#include "data/gui/WaitWindow.h"
#include "platform/gui/QtPlatform.h"
#include "platform/gui/QtText.h"
#include "platform/gui/SingleInstance.h"
#include "shell/AppState.h"
#include "shell/Startup.h"
#include "shell/gui/HelpWindow.h"
#include "shell/gui/MainWindow.h"

int main(int argc, char* argv[]) {
  using namespace saltmark;
  QApplication app(argc, argv);
  QApplication::setApplicationName(toQt(kAppTitle));
  // Hidden windows stay alive; the program ends through the exit sequence.
  QApplication::setQuitOnLastWindowClosed(false);

  QtPlatform platform;
  SingleInstanceLock lock;
  if (!lock.acquire()) {
    platform.message(kSecondCopyMessage, MessageIcon::Critical, MessageButtons::Ok, kAppTitle);
    return 1;
  }

  QGuiApplication::setDesktopFileName(SALTMARK_DESKTOP_ID);  // the menu entry's name
  QCommandLineParser arguments;
  const QCommandLineOption folderOption("folder", "Keep the settings and databases in DIR.", "DIR");
  // For install checks: press OK on the start-up window, then Exit.
  QCommandLineOption scriptedExit("scripted-exit");
  scriptedExit.setFlags(QCommandLineOption::HiddenFromHelp);
  arguments.addOptions({folderOption, scriptedExit});
  arguments.addHelpOption();
  if (!arguments.parse(QCoreApplication::arguments()) || !arguments.positionalArguments().isEmpty()) {
    const QString problem = arguments.errorText().isEmpty() ? "Unexpected argument." : arguments.errorText();
    platform.message(fromQt(problem + "\rUsage: saltmark [--folder DIR]"), MessageIcon::Critical,
                     MessageButtons::Ok, kAppTitle);
    return 2;
  }
  if (arguments.isSet("help")) arguments.showHelp();

  const std::filesystem::path programFolder = pathFromQt(QCoreApplication::applicationDirPath());
  DataFolderPlaces places;
  if (arguments.isSet(folderOption))
    places.given = std::filesystem::absolute(pathFromQt(arguments.value(folderOption)));
  places.programFolder = programFolder;
  places.installedFolder = (programFolder / SALTMARK_INSTALLED_DATA).lexically_normal();
  // ~/.local/share/saltmark: the lower-case name, as Linux programs keep their data.
  places.userFolder =
      pathFromQt(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) / "saltmark";
  const auto choice = ChooseDataFolder(places, platform);
  if (!choice) return 2;

  const std::filesystem::path& folder = choice->folder;
  SetWorkingFolder(folder);
  AppState state(platform, folder);
  state.helpFolder = choice->helpFolder;

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
    if (arguments.isSet(scriptedExit))
      QTimer::singleShot(0, mainWindow.get(), [&] {
        if (auto* exit = mainWindow->findChild<QAction*>("Exit")) exit->trigger();
        else QApplication::exit(3);
      });
  });
  wait.show();
  if (arguments.isSet(scriptedExit))
    QTimer::singleShot(0, &wait, [&] {
      wait.loadStartupData();
      if (auto* ok = wait.findChild<QPushButton*>("OK")) ok->click();
      else QApplication::exit(3);
    });
  const int result = app.exec();
  platform.setHelpHandler({});
  platform.setOwner(nullptr);
  return result;
}
