// The windows around the main one: the start-up window and how a start ends,
// the single-copy lock, the help window (also over a modal window) and the
// save directory chooser.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>

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

// How the user leaves the start-up window.
enum class Leave { Ok, Escape, CloseBox };

struct StartOutcome {
  int started = 0;
  int abandoned = 0;
};

StartOutcome leaveStartupWindow(const std::filesystem::path& folder, Leave how) {
  ScriptedPlatform platform;
  AppState state(platform, folder);
  WaitWindow wait(state);
  StartOutcome outcome;
  QObject::connect(&wait, &WaitWindow::startRequested, [&] { ++outcome.started; });
  QObject::connect(&wait, &WaitWindow::abandoned, [&] { ++outcome.abandoned; });
  wait.show();
  // OK shows once the data is loaded, under the version.
  EXPECT_TRUE(wait.findChild<QPushButton*>("OK")->isHidden());
  wait.loadStartupData();
  EXPECT_TRUE(wait.loaded());
  EXPECT_FALSE(wait.findChild<QPushButton*>("OK")->isHidden());
  EXPECT_TRUE(wait.findChild<QLabel*>("Label1")->text().startsWith(toQt(kVersionString)));
  EXPECT_FALSE(state.locationIndex.entries().empty());
  switch (how) {
    case Leave::Ok: wait.findChild<QPushButton*>("OK")->click(); break;
    case Leave::Escape: {
      QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(&wait, &escape);
      break;
    }
    case Leave::CloseBox: wait.close(); break;
  }
  // Whatever follows (a later close) does not change the outcome.
  wait.close();
  return outcome;
}

TEST(StartupWindow, EveryWayOutEitherStartsOrEndsTheProgram) {
  TempDir dir;
  writeSampleFolder(dir.path());
  struct Case {
    Leave how;
    int started, abandoned;
  };
  const Case cases[] = {{Leave::Ok, 1, 0}, {Leave::Escape, 0, 1}, {Leave::CloseBox, 0, 1}};
  for (const Case& c : cases) {
    const StartOutcome outcome = leaveStartupWindow(dir.path(), c.how);
    EXPECT_EQ(outcome.started, c.started) << static_cast<int>(c.how);
    EXPECT_EQ(outcome.abandoned, c.abandoned) << static_cast<int>(c.how);
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
  // A copy that is killed while it holds the lock: the next start goes ahead.
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
  ::close(ready[0]);
  ::close(ready[1]);
}

// A help folder with the three menu pages and one topic page.
class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeFile(dir / kHelpContentsPage, "<html><head><title>Contents</title></head><body>Contents</body></html>");
    writeFile(dir / kHelpIndexPage, "<html><body>Index</body></html>");
    writeFile(dir / kHelpSearchPage, "<html><body>Search</body></html>");
    topicPage = HelpTopicPage(9);
    writeFile(dir / topicPage,
              "<html><head><title>Tide table</title></head><body>Draught and charted depth</body></html>");
  }
  TempDir dir;
  std::string topicPage;
};

TEST_F(HelpWindowTest, OpensPagesAndFindsWords) {
  HelpWindow help(dir.path());
  struct Case {
    std::function<void()> open;
    std::string page;
  };
  const Case cases[] = {{[&] { help.showContents(); }, kHelpContentsPage},
                        {[&] { help.showIndex(); }, kHelpIndexPage},
                        {[&] { help.showSearch(); }, kHelpSearchPage},
                        {[&] { help.showTopic(9); }, topicPage}};
  for (const Case& c : cases) {
    c.open();
    EXPECT_TRUE(help.isVisible()) << c.page;
    EXPECT_EQ(fromQt(help.currentPage()), c.page);
  }
  EXPECT_EQ(help.search("charted DRAUGHT"), QStringList{toQt(topicPage)});
  EXPECT_TRUE(help.search("charted keel").isEmpty());
  // A page that is not there says so instead of showing nothing.
  std::filesystem::remove(dir / topicPage);
  help.showTopic(9);
  EXPECT_TRUE(help.browser()->toPlainText().contains("Help is not available"));
}

// Records whether the window system blocks a window's input.
class BlockedWatch : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowBlocked) blocked = true;
    if (event->type() == QEvent::WindowUnblocked) blocked = false;
    return false;
  }
  bool blocked = false;
};

TEST_F(HelpWindowTest, HelpAskedForFromAModalWindowTakesInput) {
  HelpWindow help(dir.path());
  BlockedWatch watch;
  help.installEventFilter(&watch);
  help.showContents();  // already open behind, as from the main window
  QDialog settings;
  bool blockedWhileOpen = true, visibleWhileOpen = false;
  QTimer::singleShot(0, &settings, [&] {
    help.showTopic(9);  // the dialog's Help button
    QApplication::processEvents();
    blockedWhileOpen = watch.blocked;
    visibleWhileOpen = help.isVisible();
    settings.reject();
  });
  settings.exec();
  EXPECT_TRUE(visibleWhileOpen);
  EXPECT_FALSE(blockedWhileOpen);
  // Without the modal window, help opened from the main window is free too.
  help.showContents();
  QApplication::processEvents();
  EXPECT_FALSE(watch.blocked);
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

  struct Case {
    const char* button;
    std::optional<std::filesystem::path> chosen;
  };
  const Case cases[] = {{"Command1", dir.path()}, {"Command2", std::nullopt}};
  for (const Case& c : cases) {
    QTimer::singleShot(0, &chooser, [&] { chooser.findChild<QPushButton*>(c.button)->click(); });
    EXPECT_EQ(chooser.choose(dir.path()), c.chosen) << c.button;
    EXPECT_FALSE(chooser.isVisible()) << c.button;
  }
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace saltmark::test
