// The windows around the main one: the start-up window and how a start ends, the single-copy lock, the help window
// (also over a modal window) and the save directory chooser.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include "data/gui/WaitWindow.h"
#include "platform/gui/QtText.h"
#include "platform/gui/SingleInstance.h"
#include "shell/HelpTopics.h"
#include "shell/gui/HelpWindow.h"
#include "shell/gui/ProgramFolder.h"
#include "shell/gui/SaveDirectoryChooser.h"

namespace saltmark::test {
namespace {

// OK shows once the data is loaded, under the version; OK starts the program,
// Escape and the close box end it, and a later close changes nothing.
TEST(StartupWindow, EveryWayOutEitherStartsOrEndsTheProgram) {
  TempDir dir;
  writeSampleFolder(dir.path());
  for (const int how : {0, 1, 2}) {  // OK, Escape, close box
    ScriptedPlatform platform;
    AppState state(platform, dir.path());
    WaitWindow wait(state);
    int started = 0, abandoned = 0;
    QObject::connect(&wait, &WaitWindow::startRequested, [&] { ++started; });
    QObject::connect(&wait, &WaitWindow::abandoned, [&] { ++abandoned; });
    wait.show();
    auto* ok = wait.findChild<QPushButton*>("OK");
    EXPECT_TRUE(ok->isHidden());
    wait.loadStartupData();
    EXPECT_TRUE(wait.loaded());
    EXPECT_FALSE(ok->isHidden());
    EXPECT_TRUE(wait.findChild<QLabel*>("Label1")->text().startsWith(toQt(kVersionString)));
    EXPECT_FALSE(state.locationIndex.entries().empty());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    if (how == 0) ok->click();
    if (how == 1) QApplication::sendEvent(&wait, &escape);
    wait.close();
    EXPECT_EQ(started, how == 0 ? 1 : 0) << how;
    EXPECT_EQ(abandoned, how == 0 ? 0 : 1) << how;
  }
}

TEST(SingleCopyLock, OneCopyAtATimeAndAKilledCopyBlocksNothing) {
  TempDir dir;
  const QString folder = pathToQt(dir.path());
  {
    SingleInstanceLock first(folder), second(folder);
    ASSERT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
  }
  // A copy killed while it holds the lock (in a child process): the next start goes ahead.
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    SingleInstanceLock held(folder);
    const char answer = held.acquire() ? 'y' : 'n';
    (void)!::write(ready[1], &answer, 1);
    for (;;) ::pause();
  }
  char answer = 0;
  ASSERT_EQ(::read(ready[0], &answer, 1), 1);
  EXPECT_EQ(answer, 'y');
  SingleInstanceLock next(folder);
  EXPECT_FALSE(next.acquire());  // the other copy runs
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_TRUE(next.acquire());
  EXPECT_TRUE(std::filesystem::exists(dir / "saltmark.lock"));  // left behind, and harmless
  for (const int end : ready) ::close(end);
}

// Records whether the window system blocks a window's input.
struct BlockedWatch : QObject {
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked)
      blocked = event->type() == QEvent::WindowBlocked;
    return false;
  }
  bool blocked = false;
};

// The help window opens the menu pages and the topics, also from a modal window, whose Help must not leave it
// blocked; it finds words, and says so when a page is missing.
TEST(HelpWindow, OpensPagesAndFindsWordsAlsoOverAModalWindow) {
  TempDir dir;
  const std::string topicPage = HelpTopicPage(9);
  for (const char* page : {kHelpContentsPage, kHelpIndexPage, kHelpSearchPage})
    writeFile(dir / page, std::string("<html><body>") + page + "</body></html>");
  writeFile(dir / topicPage, "<html><head><title>Tide</title></head><body>Draught and charted depth</body></html>");
  HelpWindow help(dir.path());
  BlockedWatch watch;
  help.installEventFilter(&watch);
  const std::pair<void (HelpWindow::*)(), std::string> menu[] = {
      {&HelpWindow::showIndex, kHelpIndexPage}, {&HelpWindow::showSearch, kHelpSearchPage},
      {&HelpWindow::showContents, kHelpContentsPage}};
  for (const auto& [open, page] : menu) {
    (help.*open)();
    EXPECT_TRUE(help.isVisible()) << page;
    EXPECT_EQ(fromQt(help.currentPage()), page);
  }
  // Already open behind, as from the main window; then a dialog's Help button.
  QDialog settings;
  QTimer::singleShot(0, &settings, [&] {  // exec() returns only once this has run
    help.showTopic(9);
    QApplication::processEvents();
    EXPECT_TRUE(help.isVisible());
    EXPECT_FALSE(watch.blocked);
    settings.reject();
  });
  settings.exec();
  EXPECT_EQ(fromQt(help.currentPage()), topicPage);
  // Without the modal window, help opened from the main window is free too.
  help.showContents();
  QApplication::processEvents();
  EXPECT_FALSE(watch.blocked);

  EXPECT_EQ(help.search("charted DRAUGHT"), QStringList{toQt(topicPage)});
  EXPECT_TRUE(help.search("charted keel").isEmpty());
  std::filesystem::remove(dir / topicPage);
  help.showTopic(9);
  EXPECT_TRUE(help.browser()->toPlainText().contains("Help is not available"));
}

TEST(SaveDirectoryChooser, ReturnsTheHighlightedFolderOnOkAndNothingOnCancel) {
  TempDir dir;
  std::filesystem::create_directory(dir / "pages");
  std::filesystem::current_path(dir.path());
  ScriptedPlatform platform;
  SaveDirectoryChooser chooser(nullptr, &platform);
  chooser.openOn(dir / "pages");
  EXPECT_EQ(chooser.highlighted(), dir / "pages");
  chooser.openOn(dir.path());
  EXPECT_EQ(chooser.highlighted(), dir.path());  // untouched: the folder it opened on
  chooser.highlight(dir / "pages");
  EXPECT_EQ(chooser.highlighted(), dir / "pages");
  chooser.openOn(dir / "missing");  // a folder that is gone: the current folder
  EXPECT_EQ(chooser.highlighted(), dir.path());

  const std::pair<const char*, std::optional<std::filesystem::path>> cases[] = {{"Command1", dir.path()},
                                                                                {"Command2", std::nullopt}};
  for (const auto& [button, chosen] : cases) {
    QTimer::singleShot(0, &chooser, [&, button] { chooser.findChild<QPushButton*>(button)->click(); });
    EXPECT_EQ(chooser.choose(dir.path()), chosen) << button;
    EXPECT_FALSE(chooser.isVisible()) << button;
  }
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace saltmark::test
