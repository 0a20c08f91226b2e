// The program driven as a user drives it: first start, choices, typed dates
// and times, units, modes, lists, the Zones dialog and the exit question.
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "data/ConfigFile.h"
#include "data/gui/ZonesDialog.h"
#include "platform/gui/QtText.h"
#include "shell/gui/ProgramFolder.h"

namespace saltmark::test {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { writeSampleFolder(dir.path()); }
  void writeConfig(const Settings& settings) { writeFile(dir / "SALTMARK.CFG", EncodeSettings(settings)); }
  TempDir dir;
};

std::string text(const auto* box) { return fromQt(box->text()); }  // a line edit's or a label's

void expectChecked(const RunningProgram& program, std::initializer_list<const char*> on,
                   std::initializer_list<const char*> off) {
  for (const char* name : on) EXPECT_TRUE(program.action(name)->isChecked()) << name;
  for (const char* name : off) EXPECT_FALSE(program.action(name)->isChecked()) << name;
}

TEST_F(MainWindowTest, FirstStartOpensWithTheDefaultsAndPredictsOnlyOnACompleteChoice) {
  RunningProgram program(dir.path());
  EXPECT_TRUE(program.platform.messages.empty()) << program.platform.messageTexts().front();
  EXPECT_EQ(program.window->windowTitle().toStdString(), "Saltmark 100");
  expectChecked(program, {"metric", "Colour", "speed_units_0", "Tidemode_0"}, {"feet"});
  EXPECT_TRUE(program.find<QRadioButton>("gmtcheck_0")->isChecked());
  EXPECT_EQ(text(program.find<QLabel>("DZone")), " 00:00");
  EXPECT_EQ(text(program.find<QLineEdit>("ptimebox")), "00:00");
  EXPECT_FALSE(program.find<QGroupBox>("Frame_Heights")->isHidden());
  for (const char* hidden : {"Frame_Streams", "Frame_Differences", "Frame_Publisher"})
    EXPECT_TRUE(program.find<QGroupBox>(hidden)->isHidden()) << hidden;
  for (const char* combo : {"Tfile", "Dfile", "Sfile"}) EXPECT_EQ(program.find<QComboBox>(combo)->count(), 1) << combo;
  EXPECT_EQ(program.find<QComboBox>("Tfile")->itemText(0).toStdString(), "SOUTH.tid");
  EXPECT_EQ(program.find<QComboBox>("Tfile")->currentIndex(), -1);

  // The unit menu converts the draught once, and back.
  program.platform.promptNext("1.5");
  program.action("Draught")->trigger();
  for (int twice = 0; twice < 2; ++twice) program.action("feet")->trigger();
  expectChecked(program, {"feet"}, {"metric"});
  EXPECT_FLOAT_EQ(program.state.settings.draught, 4.92126f);
  program.action("metric")->trigger();
  EXPECT_NEAR(program.state.settings.draught, 1.5f, 1e-6);

  program.action("About")->trigger();
  ASSERT_EQ(program.platform.messages.size(), 1u);
  const RecordedMessage& about = program.platform.messages[0];
  EXPECT_EQ(about.caption, "About");
  EXPECT_EQ(about.icon, MessageIcon::Information);
  EXPECT_EQ(about.text.rfind("Saltmark 100", 0), 0u);
  EXPECT_NE(about.text.find("not for navigation"), std::string::npos);

  // Nothing chosen: the Table button says which database is missing in each mode.
  const std::pair<int, const char*> cases[] = {{0, "Please select a Database (.tid file)."},
                                               {1, "Please select a Database (.vel file)."},
                                               {2, "Please select a Database (.dif file)."}};
  for (const auto& [mode, message] : cases) {
    program.platform.clear();
    program.action(("Tidemode_" + std::to_string(mode)).c_str())->trigger();
    program.find<QLineEdit>("pdatebox")->setText("15 Jun 2026");
    program.find<QPushButton>("table")->click();
    EXPECT_EQ(program.platform.messageTexts(), std::vector<std::string>{message}) << mode;
    EXPECT_EQ(program.platform.lastMessage()->icon, MessageIcon::Exclamation);
  }
  program.platform.clear();
  program.action("Tidemode_0")->trigger();
  program.choose("Tfile", "SOUTH.tid");
  program.find<QLineEdit>("pdatebox")->setText("");
  program.find<QPushButton>("graph")->click();
  EXPECT_EQ(program.platform.messageTexts(), std::vector<std::string>{"Please enter a valid date."});

  program.platform.clear();
  program.find<QLineEdit>("pdatebox")->setText("15 Jun 2026");
  program.find<QLineEdit>("ptimebox")->setText("6:30");
  program.find<QPushButton>("graph")->click();
  EXPECT_TRUE(program.platform.messages.empty());
  EXPECT_EQ(program.state.startInstant, DateTime::fromCivil(2026, 6, 15, 6, 30, 0));
  EXPECT_EQ(text(program.find<QLineEdit>("ptimebox")), "06:30");
}

TEST_F(MainWindowTest, ChoosingDatabasePortOrderFinderAndStreamStations) {
  RunningProgram program(dir.path());
  program.choose("Tfile", "SOUTH.tid");
  auto* tloc = program.find<QListWidget>("tloc");
  ASSERT_EQ(tloc->count(), 3);
  // Alphabetical: Cherbourg first, and chosen at once.
  EXPECT_EQ(tloc->item(0)->text().toStdString(), "Cherbourg");
  EXPECT_EQ(program.state.location.portName, "Cherbourg");
  EXPECT_EQ(program.state.settings.tideDatabasePath, "SOUTH.tid");

  program.click("tloc", 1);
  EXPECT_EQ(program.state.location.portName, "Portsmouth");
  EXPECT_EQ(program.state.settings.locationName, "Portsmouth");
  EXPECT_EQ(text(program.find<QLabel>("latbox")), "50\xB0" "48'N");
  EXPECT_EQ(program.state.engine.port().portName, "Portsmouth");

  program.click("tloc", 2);  // Southampton
  program.find<QRadioButton>("Sort_By_1")->click();  // coastal order
  ASSERT_EQ(tloc->count(), 3);
  EXPECT_EQ(program.state.location.portName, "Southampton");  // the chosen port stays chosen

  program.find<QRadioButton>("Sort_By_2")->click();
  EXPECT_EQ(tloc->count(), 0);
  EXPECT_FALSE(program.find<QFrame>("Finder")->isHidden());
  EXPECT_FALSE(program.find<QComboBox>("Tfile")->isEnabled());

  auto* lat = program.find<QLineEdit>("Findlat");
  auto* lon = program.find<QLineEdit>("Findlon");
  lat->setText("49 40N");
  lon->setText("1 38W");
  program.find<QPushButton>("Find")->click();
  ASSERT_EQ(tloc->count(), 3);
  EXPECT_EQ(tloc->item(0)->text().toStdString(), "Cherbourg");
  EXPECT_EQ(program.state.location.portName, "Cherbourg");
  EXPECT_TRUE(tloc->isEnabled());

  // Any edit of the position asks for a new search.
  lat->setFocus();
  QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  QApplication::sendEvent(lat, &backspace);
  EXPECT_EQ(tloc->count(), 0);
  EXPECT_FALSE(tloc->isEnabled());
  EXPECT_TRUE(program.find<QLabel>("latbox")->text().isEmpty());

  // Stream stations: a Ctrl+click adds one, up to three.
  program.action("Tidemode_1")->trigger();
  EXPECT_FALSE(program.find<QGroupBox>("Frame_Streams")->isHidden());
  program.choose("Sfile", "USER.vel");
  auto* sloc = program.find<QListWidget>("Sloc");
  ASSERT_EQ(sloc->count(), 4);
  EXPECT_EQ(program.state.stations.count, 1);
  EXPECT_EQ(text(program.find<QLabel>("srecname_0")), "Diamond A");
  EXPECT_TRUE(program.find<QPushButton>("SFind")->isHidden());
  for (int i = 1; i < 4; ++i) sloc->item(i)->setSelected(true);
  EXPECT_EQ(program.state.stations.count, 3);
  EXPECT_FALSE(sloc->item(3)->isSelected());  // a fourth is taken back
  EXPECT_EQ(program.find<QPushButton>("SFind")->text().toStdString(), "Interpolate 3pt");
  EXPECT_EQ(text(program.find<QLabel>("spercent_2")), "0.0%");

  program.find<QLineEdit>("Slat")->setText("50 40N");
  program.find<QLineEdit>("Slon")->setText("1 10W");
  program.find<QPushButton>("SFind")->click();
  EXPECT_TRUE(program.state.stations.weighted);
  EXPECT_EQ(text(program.find<QLabel>("spercent_0")), "100.0%");
  EXPECT_EQ(text(program.find<QLabel>("srans_0")), "0.00");
}

// A box is checked when the focus really leaves it (OtherFocusReason: moved to
// another box), not when a menu or context menu takes the keys for a while.
TEST_F(MainWindowTest, TypedTimesAndDatesAreCheckedOnLeaving) {
  const char* const date = "Date not valid. Please use Date Format(s) defined in Windows Control Panel";
  const char* const time = "Time not valid or in unknown format.\rPlease use the Saltmark time format eg 07:59.";
  const struct { const char *box, *typed; Qt::FocusReason reason; const char *shown, *message; } cases[] = {
      {"ptimebox", "7:5", Qt::OtherFocusReason, "07:05", nullptr},
      {"pdatebox", "5/12/2026", Qt::OtherFocusReason, "05 Dec 2026", nullptr},
      {"pdatebox", "", Qt::OtherFocusReason, "", nullptr}, {"pdatebox", "31 Apr 2026", Qt::OtherFocusReason, "", date},
      {"pdatebox", "12 De", Qt::PopupFocusReason, "12 De", nullptr},
      {"pdatebox", "12 De", Qt::MenuBarFocusReason, "12 De", nullptr},
      {"pdatebox", "12 De", Qt::TabFocusReason, "", date},   {"ptimebox", "7:5", Qt::PopupFocusReason, "7:5", nullptr},
      {"ptimebox", "7:5", Qt::MouseFocusReason, "07:05", nullptr},
      {"ptimebox", "25:00", Qt::TabFocusReason, "25:00", time},
      {"ptimebox", "25:00", Qt::OtherFocusReason, "25:00", time}};  // last: the bad time keeps the focus
  RunningProgram program(dir.path());
  QApplication::setActiveWindow(program.window.get());
  auto* other = program.find<QLineEdit>("Finddist");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " " + std::to_string(c.reason));
    auto* box = program.find<QLineEdit>(c.box);
    if (c.reason == Qt::OtherFocusReason) box->setFocus();
    box->setText(c.typed);
    program.platform.clear();
    QFocusEvent leave(QEvent::FocusOut, c.reason);
    if (c.reason == Qt::OtherFocusReason) other->setFocus();
    else QApplication::sendEvent(box, &leave);
    EXPECT_EQ(text(box), c.shown);
    const auto expected = c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{};
    EXPECT_EQ(program.platform.messageTexts(), expected);
  }
  EXPECT_TRUE(program.find<QLineEdit>("ptimebox")->hasFocus());
}

// Exit from the menu or the close box: a change asks whether to save it, and
// only Yes saves; Cancel keeps the program running; no change, no question.
TEST_F(MainWindowTest, ExitSavesOnlyWhenTheUserSaysYes) {
  const struct { bool closeBox, changed; MessageAnswer answer; bool ends; } cases[] = {
      {false, true, MessageAnswer::Yes, true}, {false, true, MessageAnswer::Cancel, false},
      {true, true, MessageAnswer::Cancel, false}, {true, true, MessageAnswer::No, true},
      {false, false, MessageAnswer::Cancel, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.closeBox ? "close box, " : "Exit, ") + std::to_string(static_cast<int>(c.answer)));
    std::filesystem::remove(dir / "SALTMARK.CFG");
    RunningProgram program(dir.path());
    if (c.changed) program.platform.promptNext("Kittiwake"), program.action("Vessel")->trigger();
    program.platform.answerNext(c.answer);
    if (!c.closeBox) program.action("Exit")->trigger();
    EXPECT_EQ(c.closeBox ? program.window->close() : program.window->exitConfirmed(), c.ends);
    EXPECT_EQ(program.platform.messages.size(), c.changed ? 1u : 0u);  // the question's text: ConfigFileTest
    EXPECT_EQ(program.window->isVisible(), !c.ends);
    const bool saved = c.changed && c.answer == MessageAnswer::Yes;
    EXPECT_EQ(std::filesystem::exists(dir / "SALTMARK.CFG"), saved);
    if (saved) {
      EXPECT_EQ(readFile(dir / "SALTMARK.CFG"), EncodeSettings(program.state.settings));
      EXPECT_EQ(program.state.settings.vesselName, "Kittiwake");
    }
  }
}

TEST_F(MainWindowTest, LoadRestoresTheLastChoicesAndOpensWithoutTheMissingDatabases) {
  Settings last;
  last.tideDatabasePath = "SOUTH.tid", last.differenceDatabasePath = "USER.dif", last.streamDatabasePath = "USER.vel";
  last.locationName = "Portsmouth";
  last.timeBase = 1, last.localZoneOffset = -4, last.autoLocalZone = 0, last.useClock = 1;
  last.metricUnits = kFalse, last.colourDisplay = kFalse, last.speedUnits = 2, last.portMode = 2;
  writeConfig(last);
  RunningProgram program(dir.path());
  EXPECT_TRUE(program.platform.messages.empty()) << program.platform.messageTexts().front();
  EXPECT_EQ(program.state.location.portName, "Portsmouth");
  EXPECT_EQ(program.find<QListWidget>("tloc")->currentItem()->text().toStdString(), "Portsmouth");
  EXPECT_TRUE(program.find<QRadioButton>("gmtcheck_1")->isChecked());
  EXPECT_EQ(text(program.find<QLabel>("DZone")), "-01:00");
  expectChecked(program, {"feet", "mono", "speed_units_2", "Tidemode_2"}, {"speed_units_0"});
  EXPECT_FALSE(program.find<QGroupBox>("Frame_Differences")->isHidden());
  EXPECT_TRUE(program.find<QGroupBox>("Frame_Heights")->isHidden());
  EXPECT_EQ(program.find<QListWidget>("Dloc")->count(), 2);
  EXPECT_EQ(text(program.find<QLabel>("rfp")), "Portsmouth");
  EXPECT_EQ(program.find<QListWidget>("Sloc")->count(), 4);
  // Use Clock, local base: the boxes follow the local clock (one hour east).
  EXPECT_TRUE(program.find<QCheckBox>("Usenow")->isChecked());
  EXPECT_FALSE(program.find<QLineEdit>("pdatebox")->isEnabled());
  EXPECT_EQ(text(program.find<QLineEdit>("ptimebox")), "13:00:00");
  EXPECT_EQ(text(program.find<QLineEdit>("pdatebox")), "15 Jun 2026");
  // Nothing the load did counts as a change.
  EXPECT_FALSE(SettingsChanged(program.state.settings, program.state.savedSettings));

  // Databases that are gone: said, and the window opens all the same.
  last.tideDatabasePath = "GONE.tid", last.streamDatabasePath = "GONE.vel";
  writeConfig(last);
  RunningProgram again(dir.path());
  EXPECT_EQ(again.platform.messageTexts(),
            (std::vector<std::string>{"File GONE.tid does not exist.", "File GONE.vel does not exist."}));
  EXPECT_TRUE(again.window->isVisible());
  EXPECT_EQ(again.find<QComboBox>("Tfile")->count(), 1);
}

int minutesOfDay(QLabel* clock) {
  const std::string t = text(clock);  // "hh:nn:ss"
  return std::stoi(t.substr(0, 2)) * 60 + std::stoi(t.substr(3, 2));
}

TEST_F(MainWindowTest, ZonesDialogButtonsAndClocksAndUseClock) {
  RunningProgram program(dir.path());
  program.action("zone")->trigger();
  ZonesDialog* zones = program.window->zonesDialog();
  ASSERT_NE(zones, nullptr);
  const auto button = [&](const char* name) { return zones->findChild<QPushButton*>(name); };
  const auto label = [&](const char* name) { return zones->findChild<QLabel*>(name); };
  // Closed by Exit or its close box, it no longer follows the clock; opened again, it does.
  for (const auto& [time, closeBox] : {std::pair{"12:00:00", false}, {"13:00:00", true}}) {
    EXPECT_EQ(text(label("dostime")), time);
    if (closeBox) zones->close();
    else button("Exit")->click();
    program.clock = program.clock.addSeconds(3600);
    program.window->UpdateClockDisplay();
    EXPECT_EQ(text(label("dostime")), time);
    program.action("zone")->trigger();
  }
  program.clock = kFixedClock;
  program.window->UpdateClockDisplay();

  // Automatic local zone on by default: the local buttons are hidden.
  EXPECT_TRUE(zones->findChild<QCheckBox*>("Check1")->isChecked());
  EXPECT_TRUE(button("Command1")->isHidden());
  button("Command2")->click();
  EXPECT_EQ(program.state.settings.localZoneOffset, 1);
  EXPECT_EQ(text(label("gmttime")), "12:15:00");
  EXPECT_EQ(text(label("syszone")), "+00:15");
  // A port in zone -1 (one hour east) moves the local zone to -4 quarter-hours.
  program.choose("Tfile", "SOUTH.tid");  // Cherbourg, zone -1, is chosen first
  EXPECT_EQ(program.state.settings.localZoneOffset, -4);

  // The local clock buttons do what their tooltips say.
  zones->findChild<QCheckBox*>("Check1")->click();
  EXPECT_FALSE(button("Command1")->isHidden());
  for (const char* name : {"Command14", "Command13"}) {
    ASSERT_TRUE(button(name)->isVisible()) << name;
    const std::string tip = fromQt(button(name)->toolTip());
    const bool saysOn = tip.find("quarter-hour on") != std::string::npos;
    ASSERT_NE(saysOn, tip.find("quarter-hour back") != std::string::npos) << tip;
    const int before = minutesOfDay(label("loctime"));
    button(name)->click();
    EXPECT_EQ((minutesOfDay(label("loctime")) - before + 1440 + 720) % 1440 - 720, saysOn ? 15 : -15) << tip;
  }
  button("Exit")->click();
  EXPECT_EQ(program.state.settings.autoLocalZone, 0);
  EXPECT_FALSE(zones->isVisible());

  // Use Clock: the start boxes follow the clock of the chosen base.
  program.clock = kFixedClock;
  const struct { int base; const char* time; } cases[] = {{0, "11:00:00"}, {1, "13:00:00"}, {2, "12:00:00"}};
  program.state.settings.systemZoneOffset = -4, program.state.settings.localZoneOffset = -8;  // GMT+1, GMT+2
  auto* useClock = program.find<QCheckBox>("Usenow");
  useClock->click();
  EXPECT_EQ(program.state.settings.useClock, 1);
  for (const auto& c : cases) {
    program.find<QRadioButton>(("gmtcheck_" + std::to_string(c.base)).c_str())->click();
    program.window->UpdateClockDisplay();
    EXPECT_EQ(text(program.find<QLineEdit>("ptimebox")), c.time) << c.base;
    EXPECT_EQ(program.state.settings.timeBase, c.base);
  }
  program.clock = kFixedClock.addSeconds(1);
  program.window->UpdateClockDisplay();
  EXPECT_EQ(text(program.find<QLineEdit>("ptimebox")), "12:00:01");
  useClock->click();
  EXPECT_EQ(program.state.settings.useClock, 0);
  EXPECT_TRUE(program.find<QLineEdit>("pdatebox")->text().isEmpty());
  EXPECT_EQ(text(program.find<QLineEdit>("ptimebox")), "00:00");
  EXPECT_TRUE(program.find<QLineEdit>("ptimebox")->isEnabled());
}

}  // namespace
}  // namespace saltmark::test
