// The main window's publisher panel driven as a user drives it.
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

// Nothing chosen is refused by the main window's check; one port answered No writes nothing, and Yes
// writes its page alone, with no index; Abort in the progress window ends a run before any page. Then
// every port in list order with the panel's font and index pages whose links resolve (the page texts and
// messages: WebPublisherTest; a page that cannot be written: WriterFaultTest), and the main window's own
// port kept; the maker's link opens after both questions.
TEST(PublisherPanel, PublishesOnePortOrEveryPortWithIndexPagesAndStopsOnNoOrAbort) {
  TempDir dir;
  writeThreePortFolder(dir.path());
  RunningProgram program(dir.path());
  program.action("Tidemode_3")->trigger();
  program.find<QLineEdit>("pdatebox")->setText("1 Mar 2026");
  program.find<QLineEdit>("savedir")->setText(pathToQt(dir / "web"));
  const auto generate = [&] { program.find<QPushButton>("Generate")->click(); };
  const auto texts = [&] { return program.platform.messageTexts(); };
  const std::filesystem::path pages = dir / "web" / "SOUTH";

  generate();
  EXPECT_EQ(texts(), std::vector<std::string>{"Please select a Database (.tid file)."});
  EXPECT_FALSE(std::filesystem::exists(dir / "web"));
  program.choose("Tfile", "SOUTH.tid");
  program.click("tloc", 1);  // Portsmouth
  for (const auto answer : {MessageAnswer::No, MessageAnswer::Yes}) {
    program.platform.clear();
    program.platform.answerNext(answer);
    generate();
    EXPECT_EQ(texts().size(), answer == MessageAnswer::Yes ? 2u : 1u);
    EXPECT_EQ(std::filesystem::exists(pages / "Portsmouth.html"), answer == MessageAnswer::Yes);
  }
  EXPECT_FALSE(std::filesystem::exists(pages / "index.html"));
  EXPECT_FALSE(std::filesystem::exists(pages / "Southampton.html"));

  program.platform.clear();
  program.find<QCheckBox>("All_locs")->setChecked(true);
  ProgressWindow& progress = program.window->windows().progress();
  QTimer::singleShot(0, &progress, [&progress] { progress.requestCancel(); });
  generate();
  EXPECT_TRUE(program.platform.messages.empty()) << texts().front();
  EXPECT_FALSE(std::filesystem::exists(pages / "Cherbourg.html"));
  EXPECT_FALSE(std::filesystem::exists(pages / "index.html"));
  EXPECT_FALSE(progress.isVisible());

  for (int i = 0; i < 3; ++i) program.platform.answerNext(MessageAnswer::Yes);
  generate();
  ASSERT_EQ(texts().size(), 6u) << texts().front();
  for (const char* port : {"Cherbourg", "Portsmouth", "Southampton"}) {
    const std::string page = readFile(pages / (std::string(port) + ".html"));
    EXPECT_NE(page.find("<title>" + std::string(port) + "</title>"), std::string::npos);
    EXPECT_NE(page.find("<font face=\"Arial\""), std::string::npos) << "the panel's font";
    EXPECT_GT(std::count(page.begin(), page.end(), '<'), 500) << "a month of tides";
  }
  EXPECT_EQ(links(readFile(pages / "index.html")),
            (std::vector<std::string>{std::string(kMakerWebAddress), "Cherbourg.html", "Portsmouth.html",
                                      "Southampton.html", "../index.html"}));
  EXPECT_EQ(links(readFile(dir / "web" / "index.html")).back(), "SOUTH/index.html");
  EXPECT_EQ(program.state.location.portName, "Portsmouth");
  EXPECT_EQ(program.state.engine.port().portName, "Portsmouth");
  EXPECT_EQ(program.state.tideDatabase.currentDatabase(), "SOUTH.tid");

  program.platform.answerNext(MessageAnswer::Ok);
  program.platform.answerNext(MessageAnswer::Ok);
  emit program.find<QLabel>("Image2")->linkActivated("#");
  EXPECT_EQ(program.platform.urls, std::vector<std::string>{std::string(kMakerWebAddress)});
}

}  // namespace
}  // namespace saltmark::test
