// Run-time errors inside window events: the program shows the error's message
// and keeps running; stored values it cannot work with are mended at start.
#include <limits>

#include <QCheckBox>
#include <QLabel>

#include <gtest/gtest.h>

#include "data/ConfigFile.h"
#include "data/gui/ZonesDialog.h"
#include "graphs/gui/GraphProgram.h"
#include "shell/gui/SaltmarkApplication.h"

namespace saltmark::test {
namespace {

// A left click at the middle, as the window system delivers it, through the application.
void clickThroughEvents(QWidget* widget) {
  mouseAtColumn(widget, QEvent::MouseButtonPress, 480, Qt::LeftButton, Qt::LeftButton);
  mouseAtColumn(widget, QEvent::MouseButtonRelease, 480, Qt::LeftButton, Qt::NoButton);
}

class RunTimeErrorTest : public ::testing::Test {
 protected:
  void TearDown() override { SaltmarkApplication::instance()->reportErrorsTo(nullptr); }
  TempDir dir;
};

// Stored values it cannot work with are mended at start with one message (each field's reset: ConfigFileTest), and
// the clock goes on with a zone offset whose minute count did not fit 16 bits (which used to stop every clock update
// after one "Overflow"). Then a plot duration too large to hold and a rope multiplier too large for a single: each is
// reported as an overflow and its window stays.
TEST_F(RunTimeErrorTest, StoredValuesAreMendedAndOverflowsAreReportedWhileTheWindowsStay) {
  writeHarbourFolder(dir.path());
  Settings stored;
  stored.draught = stored.ropeOnBoard = std::numeric_limits<float>::quiet_NaN();
  stored.chartedDepth = std::numeric_limits<float>::infinity();
  stored.echoSounderOffset = -std::numeric_limits<float>::infinity();
  stored.ropeMultiplier = "1e39";
  stored.timeBase = 1, stored.localZoneOffset = 30000, stored.autoLocalZone = 0;
  stored.chainOnBoard = 1;  // so that rope is paid out
  writeFile(dir / "SALTMARK.CFG", EncodeSettings(stored));
  GraphProgram program(dir.path());
  SaltmarkApplication::instance()->reportErrorsTo(&program.platform);
  EXPECT_EQ(program.platform.messageTexts(),
            std::vector<std::string>{"Configuration File values out of range were reset to their defaults: "
                                     "local zone offset, draught, charted depth, rope on board, rope multiplier, "
                                     "echo sounder offset."});
  program.action("zone")->trigger();
  program.window->zonesDialog()->findChild<QPushButton*>("Command1")->click();
  EXPECT_EQ(program.find<QLabel>("DZone")->text().toStdString(), "-00:15");
  const auto localTime = [&] { return program.window->zonesDialog()->findChild<QLabel*>("loctime")->text(); };
  EXPECT_EQ(localTime().toStdString(), "12:15:00");
  program.tick();
  EXPECT_EQ(localTime().toStdString(), "12:15:01");
  EXPECT_EQ(program.platform.messages.size(), 1u);  // the clock said nothing

  // The table settings open first, with the mended draught; each window is then found by its own name.
  program.find<QPushButton>("table")->click();
  QWidget* settings = program.graphWindow("Tableset");
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(settings->findChild<QLineEdit*>("t_draught")->text().toStdString(), "0.00");
  settings->findChild<QPushButton*>("Cancel")->click();
  program.pressGraph();
  program.platform.clear();
  program.platform.promptNext("1e400");
  clickThroughEvents(program.in<QLabel>("Graphical", "Label11"));
  ASSERT_EQ(program.platform.messageTexts(), std::vector<std::string>{"Overflow"});
  EXPECT_EQ(program.platform.lastMessage()->icon, MessageIcon::Exclamation);
  EXPECT_EQ(program.state.settings.graphDays, "1");
  EXPECT_TRUE(program.graphWindow("Graphical")->isVisible());

  program.actionIn("Graphical", "Anchor")->trigger();
  QWidget* calculator = program.graphWindow("Anchorcalc");
  ASSERT_NE(calculator, nullptr);
  calculator->findChild<QLineEdit*>("esn")->setText("4.0");
  calculator->findChild<QPushButton*>("Command1")->click();
  QWidget* formulae = program.graphWindow("Formulae");
  ASSERT_NE(formulae, nullptr);
  formulae->findChild<QLineEdit*>("warp")->setText("1e39");
  program.platform.clear();
  clickThroughEvents(formulae->findChild<QPushButton*>("Exit"));
  EXPECT_EQ(program.platform.messageTexts(), std::vector<std::string>{"Overflow"});
  EXPECT_TRUE(calculator->isVisible());
}

}  // namespace
}  // namespace saltmark::test
