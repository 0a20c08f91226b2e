// The main window's publisher panel driven as a user drives it: every port
// of a database published with its index pages, a page that cannot be
// written, one port, Abort, and the maker's web site.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "editors/gui/TidalFolder.h"
#include "platform/gui/QtText.h"
#include "publisher/PublisherRig.h"
#include "publisher/WebCredit.h"
#include "shell/gui/ProgramFolder.h"
#include "shell/gui/WindowSet.h"
#include "tables/gui/ProgressWindow.h"

namespace saltmark::test {
namespace {

class PublisherPanelTest : public ::testing::Test {
 protected:
  PublisherPanelTest() {
    writeTidalFolder(dir.path());
    program = std::make_unique<RunningProgram>(dir.path());
    program->action("Tidemode_3")->trigger();
    program->find<QLineEdit>("pdatebox")->setText("1 Mar 2026");
    program->find<QLineEdit>("savedir")->setText(pathToQt(dir / "web"));
  }
  ~PublisherPanelTest() override { setWriteFaultForTesting(nullptr); }

  void chooseDatabase() { program->choose("Tfile", "SOUTH.tid"); }
  void generate() { program->find<QPushButton>("Generate")->click(); }
  std::vector<std::string> texts() const { return program->platform.messageTexts(); }
  std::filesystem::path pages() const { return dir / "web" / "SOUTH"; }

  TempDir dir;
  std::unique_ptr<RunningProgram> program;
};

// Every port in list order, index pages whose links resolve, and the main window's own port kept; then a
// run over every database where one page cannot be written: it is reported and the page before it kept.
TEST_F(PublisherPanelTest, EveryPortOfTheDatabaseWithIndexPagesWhoseLinksResolve) {
  chooseDatabase();
  program->find<QCheckBox>("All_locs")->setChecked(true);
  for (int i = 0; i < 3; ++i) program->platform.answerNext(MessageAnswer::Yes);
  generate();

  const std::vector<std::string> expectedPorts = {"Cherbourg", "Portsmouth", "Southampton"};  // list order
  const auto shown = texts();
  ASSERT_EQ(shown.size(), 6u) << shown.front();
  for (std::size_t i = 0; i < expectedPorts.size(); ++i) {
    const std::string file = (pages() / (expectedPorts[i] + ".html")).string();
    EXPECT_EQ(shown[2 * i], "Create Web Page: '" + file + "' for " + expectedPorts[i] + ".  OK");
    EXPECT_EQ(shown[2 * i + 1].substr(0, shown[2 * i + 1].find('\r')), "Web Page: '" + file + "' successfully created.");
    const std::string page = readFile(file);
    EXPECT_NE(page.find("<title>" + expectedPorts[i] + "</title>"), std::string::npos);
    EXPECT_NE(page.find("<font face=\"Arial\""), std::string::npos) << "the panel's font";
    EXPECT_GT(std::count(page.begin(), page.end(), '<'), 500) << "a month of tides";
  }
  const std::vector<std::string> indexLinks = {std::string(kMakerWebAddress), "Cherbourg.html", "Portsmouth.html",
                                               "Southampton.html", "../index.html"};
  EXPECT_EQ(links(readFile(pages() / "index.html")), indexLinks);
  EXPECT_EQ(links(readFile(dir / "web" / "index.html")).back(), "SOUTH/index.html");
  // The main window still predicts for the port it shows.
  EXPECT_EQ(program->state.location.portName, "Cherbourg");  // the first of the list
  EXPECT_EQ(program->state.engine.port().portName, "Cherbourg");
  EXPECT_EQ(program->state.tideDatabase.currentDatabase(), "SOUTH.tid");

  const std::string portsmouth = readFile(pages() / "Portsmouth.html");
  program->platform.clear();
  program->find<QCheckBox>("All_tids")->setChecked(true);
  for (int i = 0; i < 3; ++i) program->platform.answerNext(MessageAnswer::Yes);
  setWriteFaultForTesting([](const std::filesystem::path& p) { return p.filename() != "Portsmouth.html"; });
  generate();
  const auto& messages = program->platform.messages;
  const std::string expected = "Error in writing file '" + (pages() / "Portsmouth.html").string() +
                               "': No space left on device.";
  const auto failure = std::find_if(messages.begin(), messages.end(),
                                    [&](const RecordedMessage& m) { return m.text == expected; });
  ASSERT_NE(failure, messages.end());
  EXPECT_EQ(failure->caption, "Saltmark Publisher");
  EXPECT_EQ(failure->icon, MessageIcon::Critical);
  EXPECT_EQ(readFile(pages() / "Portsmouth.html"), portsmouth);
  EXPECT_EQ(links(readFile(pages() / "index.html")), indexLinks);  // the page kept is still linked
}

TEST_F(PublisherPanelTest, AbortInTheProgressWindowEndsTheRunBeforeAnyPage) {
  chooseDatabase();
  program->find<QCheckBox>("All_locs")->setChecked(true);
  ProgressWindow& progress = program->window->windows().progress();
  QTimer::singleShot(0, &progress, [&progress] { progress.requestCancel(); });
  generate();
  EXPECT_TRUE(program->platform.messages.empty()) << texts().front();
  EXPECT_FALSE(std::filesystem::exists(pages() / "Cherbourg.html"));
  EXPECT_FALSE(std::filesystem::exists(pages() / "index.html"));
  EXPECT_FALSE(progress.isVisible());
}

// Nothing chosen is refused by the main window's check; one port answered No writes nothing, and Yes
// writes its page alone, with no index; the maker's link opens after both questions.
TEST_F(PublisherPanelTest, NothingChosenOrNoWritesNothingAndOnePortHasNoIndex) {
  generate();
  EXPECT_EQ(texts(), std::vector<std::string>{"Please select a Database (.tid file)."});
  EXPECT_FALSE(std::filesystem::exists(dir / "web"));
  chooseDatabase();
  program->click("tloc", 1);  // Portsmouth
  program->platform.clear();
  program->platform.answerNext(MessageAnswer::No);
  generate();
  EXPECT_EQ(texts().size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(pages() / "Portsmouth.html"));
  program->platform.clear();
  program->platform.answerNext(MessageAnswer::Yes);
  generate();
  EXPECT_TRUE(std::filesystem::exists(pages() / "Portsmouth.html"));
  EXPECT_FALSE(std::filesystem::exists(pages() / "index.html"));
  EXPECT_FALSE(std::filesystem::exists(pages() / "Southampton.html"));

  program->platform.clear();
  program->platform.answerNext(MessageAnswer::Ok);
  program->platform.answerNext(MessageAnswer::Ok);
  emit program->find<QLabel>("Image2")->linkActivated("#");
  EXPECT_EQ(program->platform.urls, std::vector<std::string>{std::string(kMakerWebAddress)});
  EXPECT_EQ(texts().size(), 2u);
}

}  // namespace
}  // namespace saltmark::test
