// The table settings dialogs and the runs they start, driven as a user
// drives them from the main window.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

#include <tuple>

#include <gtest/gtest.h>

#include "TablesProgram.h"
#include "display/ClockDisplay.h"
#include "tables/EngineHeightSource.h"
#include "tables/TableHeader.h"
#include "tables/gui/ProgressWindow.h"
#include "tables/gui/StreamTableDialog.h"
#include "tables/gui/TableViewerWindow.h"
#include "tables/gui/TideTableDialog.h"

namespace saltmark::test {
namespace {

class TableDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { writeTidalFolder(dir.path()); }

  TableViewerWindow* viewer(RunningProgram& program) { return tableWindow<TableViewerWindow>(program, "Tabulate"); }

  TempDir dir;
};

void setBox(QWidget* dialog, const char* name, const char* text) {
  auto* box = control<QLineEdit>(dialog, name);
  ASSERT_TRUE(box) << name;
  box->setText(text);
}

bool shown(QWidget* dialog, const char* name) {
  auto* widget = control<QWidget>(dialog, name);
  EXPECT_TRUE(widget) << name;
  return widget && !widget->isHidden();
}

// The boxes of each listing, the refusals that keep the dialog open, the depth
// and draught that go into the settings and come back formatted, and the
// location line of a secondary port.
TEST_F(TableDialogsTest, EachListingShowsItsOwnBoxesAndTheDialogKeepsItsChoices) {
  RunningProgram program(dir.path());
  TideTableDialog* dialog = openTideDialog(program);
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(dialog->isModal());
  EXPECT_EQ(dialog->windowTitle().toStdString(), "Tide Table Settings");
  auto* clearance = control<QCheckBox>(dialog, "Check1");
  EXPECT_FALSE(control<QCheckBox>(dialog, "chk_sunmoon")->isChecked());
  // It opens on the high and low water listing.
  EXPECT_TRUE(shown(dialog, "chk_sunmoon"));
  EXPECT_FALSE(shown(dialog, "Mins_Box"));

  struct Case {
    const char* click;  // an option button or the clearance box
    Qt::CheckState clearance;
    std::vector<const char*> visible, hidden;
  } cases[] = {
      // Times of passage grey the clearance box and show depth and draught; a click leaves it greyed.
      {"List_Option_2", Qt::PartiallyChecked, {"t_depth", "t_draught", "t_depth_label"},
       {"Mins_Box", "Highest", "Lowest", "chk_hilo_0", "chk_hilo_1", "chk_sunmoon"}},
      {"Check1", Qt::PartiallyChecked, {"t_depth", "t_draught"}, {}},
      {"List_Option_0", Qt::Unchecked, {"chk_hilo_0", "chk_hilo_1", "chk_sunmoon"},
       {"t_depth", "t_draught", "Mins_Box"}},
      {"Check1", Qt::Checked, {"t_depth", "t_draught_label", "chk_hilo_0"}, {}},
      {"List_Option_1", Qt::Unchecked, {"Mins_Box"}, {"t_depth", "chk_hilo_0", "Highest"}},
      {"List_Option_3", Qt::Unchecked, {"Highest"}, {"Lowest", "Mins_Box"}},
      {"List_Option_4", Qt::Unchecked, {"Lowest"}, {"Highest", "t_depth"}},
      {"Check1", Qt::Checked, {"Lowest", "t_depth"}, {"Highest"}},
      {"Check1", Qt::Unchecked, {"Lowest"}, {"t_depth", "t_draught"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.click);
    control<QAbstractButton>(dialog, c.click)->click();
    EXPECT_EQ(clearance->checkState(), c.clearance);
    for (const char* name : c.visible) EXPECT_TRUE(shown(dialog, name)) << name;
    for (const char* name : c.hidden) EXPECT_FALSE(shown(dialog, name)) << name;
  }
  control<QPushButton>(dialog, "Help")->click();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(program.platform.helpTopics, std::vector<int>{9});

  program.platform.clear();
  for (auto [option, box, text] : {std::tuple{"List_Option_1", "Mins_Box", "0"}, {"List_Option_0", "Days_Box", ""},
                                   {"List_Option_3", "Highest", "0"}}) {
    control<QRadioButton>(dialog, option)->click();
    setBox(dialog, "Days_Box", "1");
    setBox(dialog, box, text);
    control<QPushButton>(dialog, "OK")->click();
    EXPECT_TRUE(dialog->isVisible()) << box;
  }
  EXPECT_EQ(program.platform.messageTexts(),
            (std::vector<std::string>{"Please enter an interval of more than 0 minutes.",
                                      "Please enter a number of days greater than 0.",
                                      "Please enter a number of tides to list between 1 and 32767."}));
  EXPECT_EQ(program.platform.messages[0].icon, MessageIcon::Exclamation);
  control<QPushButton>(dialog, "Cancel")->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_FALSE(viewer(program) && viewer(program)->isVisible());

  pressTable(program);
  control<QRadioButton>(dialog, "List_Option_2")->click();
  setBox(dialog, "t_draught", "5'6");
  setBox(dialog, "t_depth", "3");
  control<QPushButton>(dialog, "OK")->click();
  EXPECT_NEAR(program.state.settings.draught, 1.6764, 1e-4);
  EXPECT_FLOAT_EQ(program.state.settings.chartedDepth, 3.0f);
  EXPECT_TRUE(viewer(program)->isVisible());
  pressTable(program);
  EXPECT_EQ(control<QLineEdit>(dialog, "t_draught")->text().toStdString(), "1.68");
  EXPECT_EQ(control<QLineEdit>(dialog, "t_depth")->text().toStdString(), "3.00");
  EXPECT_TRUE(control<QRadioButton>(dialog, "List_Option_2")->isChecked());
  EXPECT_EQ(control<QCheckBox>(dialog, "Check1")->checkState(), Qt::PartiallyChecked);

  // A secondary port is named with its reference port.
  control<QPushButton>(dialog, "Cancel")->click();
  program.action("Tidemode_2")->trigger();
  program.choose("Dfile", "USER.dif");
  program.click("Dloc", 0);
  pressTable(program);
  ASSERT_TRUE(dialog->isVisible()) << ::testing::PrintToString(program.platform.messageTexts());
  control<QPushButton>(dialog, "OK")->click();
  EXPECT_NE(viewer(program)->tableText().find("\r\nLocation:  Cowes [Portsmouth] 50\xB0" "46'N 1\xB0" "18'W\r\n"),
            std::string::npos)
      << viewer(program)->tableText();
}

// The viewer shows the generator's table, with sun and moon rows when asked;
// an aborted table is not shown.
TEST_F(TableDialogsTest, HighAndLowWatersAreTheGeneratorsTableAndAnAbortedTableIsNotShown) {
  RunningProgram program(dir.path());
  TideTableDialog* dialog = openTideDialog(program);
  ASSERT_TRUE(dialog);
  setBox(dialog, "Days_Box", "2");
  control<QPushButton>(dialog, "OK")->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_FALSE(tableWindow(program, "Progress")->isVisible());
  TableViewerWindow* table = viewer(program);
  ASSERT_TRUE(table);
  EXPECT_TRUE(table->isVisible());
  EXPECT_EQ(table->windowTitle().toStdString(), "Saltmark");
  EXPECT_TRUE(program.platform.messages.empty()) << program.platform.messageTexts().front();
  EXPECT_EQ(program.platform.busyDepth, 0);
  EXPECT_TRUE(table->box()->isReadOnly());
  EXPECT_TRUE(QFontInfo(table->box()->font()).fixedPitch());

  TideTableRequest request;
  request.start = DateTime::fromCivil(2026, 12, 5, 0, 0);
  request.daysText = "2";
  request.locationText = "Portsmouth " + program.state.location.positionText;
  request.zoneName = ZoneLabelText(program.state.settings);
  request.creditYear = CurrentYear();
  TideEngine engine(program.state.settings);
  engine.setPort(program.state.location);
  EngineHeightSource heights(engine);
  TableTextBuffer expected;
  SilentProgress progress;
  WaterEventCounter events;
  ScriptedPlatform quiet;
  const TableRun run{program.state.settings, program.state.location.portZone, expected, progress, quiet, events};
  ASSERT_EQ(GenerateTideTable(request, heights, run), JobOutcome::Completed);
  EXPECT_EQ(table->tableText(), expected.text());
  EXPECT_NE(expected.text().find("\tLO\r\n"), std::string::npos);  // not an empty table
  EXPECT_EQ(expected.text().find("Sunrise"), std::string::npos);

  pressTable(program);
  control<QCheckBox>(dialog, "chk_sunmoon")->setChecked(true);
  control<QPushButton>(dialog, "OK")->click();
  EXPECT_NE(table->tableText().find(" 05 Dec 2026  Sunrise\r\n"), std::string::npos) << table->tableText();
  EXPECT_NE(table->tableText().find(" 05 Dec 2026  Sunset\r\n"), std::string::npos);
  const std::string finished = table->tableText();

  // A year at one-minute steps, aborted as soon as the bar is first drawn.
  pressTable(program);
  control<QRadioButton>(dialog, "List_Option_1")->click();
  setBox(dialog, "Mins_Box", "1");
  setBox(dialog, "Days_Box", "365");
  QTimer::singleShot(0, [&program] {
    if (auto* abort = control<QPushButton>(tableWindow(program, "Progress"), "Command1")) abort->click();
  });
  control<QPushButton>(dialog, "OK")->click();
  auto* progressWindow = tableWindow<ProgressWindow>(program, "Progress");
  ASSERT_TRUE(progressWindow);
  EXPECT_TRUE(progressWindow->cancelRequested());
  EXPECT_FALSE(progressWindow->isVisible());
  EXPECT_FALSE(table->isVisible());
  // The text was cleared and the header written before the abort was seen.
  const std::string& partial = table->tableText();
  EXPECT_NE(partial, finished);
  EXPECT_NE(partial.find("Listing of: Regular Intervals (mins) 1"), std::string::npos);
  EXPECT_LT(std::count(partial.begin(), partial.end(), '\n'), 1000);
  EXPECT_TRUE(program.platform.messages.empty());
}

// The stream dialog of the first station of USER.vel.
class StreamTableTest : public TableDialogsTest {
 protected:
  StreamTableDialog* openStreamDialog(RunningProgram& program) {
    program.action("Tidemode_1")->trigger();
    program.choose("Sfile", "USER.vel");
    typeStart(program, "5/12/2026", "6:00");
    pressTable(program);
    return tableWindow<StreamTableDialog>(program, "Tablestr");
  }
};

TEST_F(StreamTableTest, RegularIntervalsAndInterpolatedStations) {
  RunningProgram program(dir.path());
  program.action("speed_units_2")->trigger();  // km per hour
  StreamTableDialog* dialog = openStreamDialog(program);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->windowTitle().toStdString(), "Stream Table Settings");
  EXPECT_EQ(control<QLabel>(dialog, "below_units")->text().toStdString(), "km per hour");
  struct Visibility {
    int option;
    std::vector<const char*> visible, hidden;
  } views[] = {{3, {"Below", "below_units"}, {"mins_box", "reg_units", "fastest"}},
               {4, {"fastest"}, {"Below", "mins_box"}},
               {0, {}, {"Below", "mins_box", "fastest", "reg_units"}},
               {2, {"mins_box", "reg_units"}, {"Below", "below_units", "fastest"}}};
  for (const Visibility& v : views) {
    SCOPED_TRACE(v.option);
    control<QRadioButton>(dialog, ("Option_" + std::to_string(v.option)).c_str())->click();
    for (const char* name : v.visible) EXPECT_TRUE(shown(dialog, name)) << name;
    for (const char* name : v.hidden) EXPECT_FALSE(shown(dialog, name)) << name;
  }
  setBox(dialog, "mins_box", "30");
  control<QPushButton>(dialog, "OK")->click();
  TableViewerWindow* table = viewer(program);
  ASSERT_TRUE(table);
  ASSERT_TRUE(table->isVisible()) << (program.platform.messages.empty() ? "" : program.platform.messageTexts()[0]);

  // One station, so no weight; a day at 30 minutes is 49 rows, each flooding east, ebbing west or slack.
  const std::string& text = table->tableText();
  EXPECT_NE(text.find("\r\nLocation: 50 40N 1 10W\r\nStream: Diamond A \r\n"), std::string::npos) << text;
  const std::string header = "Start From: 05 Dec 2026 Time: 06:00. Duration: 1 days.\r\n"
                             "Tidal Stream Units: km per hour\r\nLIST:Regular Intervals 30mins\r\n\r\n";
  const auto body = text.find(header);
  ASSERT_NE(body, std::string::npos) << text;
  const std::string rows = text.substr(body + header.size());
  int directions = 0;
  for (const char* d : {"\t080\t", "\t260\t", "\t000\t"})
    for (auto at = rows.find(d); at != std::string::npos; at = rows.find(d, at + 1)) ++directions;
  EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 49);
  EXPECT_EQ(directions, 49) << rows;
  EXPECT_EQ(rows.rfind("05 Dec 2026 06:00\t", 0), 0u);
  EXPECT_NE(rows.find("\r\n05 Dec 2026 06:30\t"), std::string::npos);
  EXPECT_NE(rows.find("\r\n06 Dec 2026 06:00\t"), std::string::npos);

  control<QPushButton>(dialog, "Help")->click();
  EXPECT_EQ(program.platform.helpTopics, std::vector<int>{14});

  // Two stations interpolated: each is listed with its weight.
  program.find<QListWidget>("Sloc")->item(1)->setSelected(true);
  program.find<QLineEdit>("Slat")->setText("50 40N");
  program.find<QLineEdit>("Slon")->setText("1 15W");
  program.find<QPushButton>("SFind")->click();
  ASSERT_TRUE(program.state.stations.weighted);
  pressTable(program);
  control<QRadioButton>(dialog, "Option_1")->click();
  control<QPushButton>(dialog, "OK")->click();
  ASSERT_TRUE(table->isVisible()) << ::testing::PrintToString(program.platform.messageTexts());
  const std::string& weighed = table->tableText();
  EXPECT_NE(weighed.find("\r\nLocation: 50 40N 1 15W\r\nStream: Diamond A 50.0%\r\nStream: Diamond B 50.0%\r\n"),
            std::string::npos)
      << weighed;
  EXPECT_NE(weighed.find("LIST:Peak Current\r\n"), std::string::npos);
}

}  // namespace
}  // namespace saltmark::test
