// The anchoring calculator at the graph's cursor, its multipliers, the
// information display on the clock and the under-keel clearance alarm.
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

#include <gtest/gtest.h>

#include "display/StartInstant.h"
#include "graphs/gui/GraphPicture.h"
#include "graphs/gui/GraphProgram.h"
#include "graphs/gui/TideGraphWindow.h"
#include "platform/gui/QtText.h"
#include "tables/HeightText.h"

namespace saltmark::test {
namespace {

std::string text(QLabel* label) { return label ? fromQt(label->text()) : "(none)"; }

// Replaces a box's text as typing does, so its edit handlers run.
void typeInto(QLineEdit* box, const std::string& typed) {
  box->setFocus();
  box->selectAll();
  QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  QApplication::sendEvent(box, &erase);
  for (char c : typed) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar::fromLatin1(c)));
    QApplication::sendEvent(box, &key);
  }
}

// The first water of a kind listed after an instant, "hh:nn dd mmm yyyy HI:3.50 ":
// its height, or with whenOnly its time and date.
std::string nextListed(QListWidget* hilo, const std::string& kind, DateTime after, bool whenOnly = false) {
  for (int i = 0; i < hilo->count(); ++i) {
    const std::string line = fromQt(hilo->item(i)->text());
    const DateTime at = *saltmark::ReadStartInstant(line.substr(6, 11), line.substr(0, 5));
    if (line.substr(18, 2) == kind && at > after) return whenOnly ? line.substr(0, 17) : line.substr(21, 5);
  }
  return "NA";
}

// Every framed readout and box lies inside the window and is wide enough for
// its text, so none loses its border or the end of its text.
void expectEveryReadoutFits(QWidget* window) {
  QApplication::processEvents();
  for (QWidget* child : window->findChildren<QWidget*>()) {
    auto* label = qobject_cast<QLabel*>(child);
    const bool readout = (label && label->frameShape() != QFrame::NoFrame) || qobject_cast<QLineEdit*>(child);
    if (!readout || !child->isVisible()) continue;
    const QRect place(child->mapTo(window, QPoint(0, 0)), child->size());
    EXPECT_TRUE(window->rect().contains(place)) << fromQt(child->objectName());
    if (label) {
      EXPECT_GE(label->width(), label->sizeHint().width()) << fromQt(child->objectName());
    }
  }
}

// Every framed readout's right edge stands out from the window around it.
void expectEveryRightEdgeShows(QWidget* window) {
  const QImage picture = window->grab().toImage();
  const double scale = picture.width() / static_cast<double>(window->width());
  const QColor around = window->palette().color(QPalette::Window);
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->frameShape() == QFrame::NoFrame || !label->isVisible()) continue;
    const QPoint edge = label->mapTo(window, QPoint(label->width() - 1, label->height() / 2));
    const QColor drawn = picture.pixelColor(static_cast<int>(edge.x() * scale), static_cast<int>(edge.y() * scale));
    const int contrast = std::abs(qGray(drawn.rgb()) - qGray(around.rgb()));
    EXPECT_GT(contrast, 60) << fromQt(label->objectName());
  }
}

class AidWindowsTest : public ::testing::Test, protected HarbourFolder {};

TEST_F(AidWindowsTest, AnchoringCalculatorWorksAtTheCursor) {
  GraphProgram program(dir.path());
  Settings& s = program.state.settings;
  s.echoSounderOffset = 1.0f, s.draught = 1.5f, s.chainOnBoard = 30, s.ropeOnBoard = 40, s.graphDays = "2";
  program.pressGraph();
  auto* graph = static_cast<TideGraphWindow*>(program.graphWindow("Graphical"));
  ASSERT_NE(graph, nullptr);
  auto* picture = program.in<GraphPicture>("Graphical", "Picture1");
  auto* hilo = program.in<QListWidget>("Graphical", "Hilo");
  dragCursor(picture, 0, 200);

  program.actionIn("Graphical", "Anchor")->trigger();
  QWidget* calculator = program.graphWindow("Anchorcalc");
  ASSERT_TRUE(calculator && calculator->isVisible());
  const auto label = [&](const char* name) { return text(calculator->findChild<QLabel*>(name)); };
  const auto box = [&](QWidget* w, const char* name) { return w->findChild<QLineEdit*>(name); };
  const auto button = [&](QWidget* w, const char* name) { return w->findChild<QPushButton*>(name); };
  const auto parse = [&](std::string shown) { return ParseHeight(shown, s, program.platform); };

  // Two cursor places: the results and the next waters (as the graph lists them) follow the cursor.
  for (double column : {200.0, 700.0}) {
    if (column != 200.0) dragCursor(picture, 200, column);
    const std::string at = "column " + std::to_string(column);
    EXPECT_EQ(label("Datenow"), text(program.in<QLabel>("Graphical", "Cursordate"))) << at;
    EXPECT_EQ(label("Tidenow"), text(program.in<QLabel>("Graphical", "Tide"))) << at;
    EXPECT_EQ(label("nexthighval"), nextListed(hilo, "HI", graph->cursorInstant())) << at;
    EXPECT_EQ(label("nextlowval"), nextListed(hilo, "LO", graph->cursorInstant())) << at;
    EXPECT_EQ(label("nexthighdat"), nextListed(hilo, "HI", graph->cursorInstant(), true)) << at;
    EXPECT_EQ(label("nextlowdat"), nextListed(hilo, "LO", graph->cursorInstant(), true)) << at;
  }
  EXPECT_EQ(label("offset"), " 1.0");
  EXPECT_EQ(label("Draught"), " 1.5");
  expectEveryReadoutFits(calculator);
  expectEveryRightEdgeShows(calculator);

  // The reading now gives the depth at high water and the lengths to pay out.
  typeInto(box(calculator, "esn"), "4.0");
  EXPECT_EQ(label("Depth"), FormatHeight1(parse(label("rise")) + 1.5f + 4.0f - 1.0f, s));
  const float shownDepth = parse(label("Depth"));
  EXPECT_EQ(label("chainused"), FormatHeight1(std::min(shownDepth * 4, 30.0f), s));
  EXPECT_FALSE(calculator->findChild<QLabel*>("Warning")->isVisible());

  // Too little rope on board: the warning; the length is stored at once.
  typeInto(box(calculator, "warp"), "1");
  EXPECT_FLOAT_EQ(s.ropeOnBoard, 1.0f);
  EXPECT_TRUE(calculator->findChild<QLabel*>("Warning")->isVisible());
  typeInto(box(calculator, "chain"), "100");
  EXPECT_FLOAT_EQ(s.chainOnBoard, 100.0f);
  EXPECT_EQ(label("warpused"), FormatHeight1(0, s));
  EXPECT_FALSE(calculator->findChild<QLabel*>("Warning")->isVisible());

  // Multipliers: Exit stores them and the lengths follow; Cancel keeps them.
  button(calculator, "Command1")->click();
  QWidget* formulae = program.graphWindow("Formulae");
  ASSERT_TRUE(formulae && formulae->isVisible());
  EXPECT_EQ(fromQt(box(formulae, "chain")->text()), "4");
  box(formulae, "chain")->setText("5");
  button(formulae, "Exit")->click();
  EXPECT_EQ(s.chainMultiplier, "5");
  EXPECT_EQ(label("chainused"), FormatHeight1(shownDepth * 5, s));
  button(calculator, "Command1")->click();
  box(formulae, "warp")->setText("9");
  button(formulae, "Cancel")->click();
  EXPECT_EQ(s.ropeMultiplier, "6");
  EXPECT_FALSE(formulae->isVisible());

  button(calculator, "Help")->click();
  EXPECT_EQ(program.platform.helpTopics.back(), 3);
  button(calculator, "Exit")->click();
  EXPECT_FALSE(calculator->isVisible());
  EXPECT_TRUE(program.platform.messages.empty());
}

// The present tide and clearance every second, the alarm while the clearance is below its level,
// Leave and the close box, which both end the updates, and a secondary port's name.
TEST_F(AidWindowsTest, InformationShowsThePresentTideAndClearanceEverySecondAndSoundsTheAlarm) {
  const DifferenceRecord secondary{"Uyak Bay, Kodiak Island, Larsen Bay entrance opposite Kukak Bay - Alaska",
                                   "57 32N", "153 59W", 0, 0,
                                   {"4.50", "3.60", "1.40", "0.50", "+0030", "+0045", "0.20", "0.10", "0.00", "0.00"}};
  ASSERT_TRUE(DifferenceFile::write(dir.path() / "USER.dif", std::vector<DifferenceRecord>{secondary}));
  GraphProgram program(dir.path());
  // Use Clock on, a draught of 2 m over a charted depth of 1 m, the graph open, then the display opened from it.
  const auto openInformation = [&] {
    program.state.settings.draught = 2.0f, program.state.settings.chartedDepth = 1.0f;
    program.useClock();
    program.pressGraph();
    program.actionIn("Graphical", "Display")->trigger();
    return program.graphWindow("Info");
  };
  const auto heightAtClock = [&] {
    TideEngine engine(program.state.settings);
    engine.setPort(program.state.location);
    engine.PredictHeight(program.clock);
    return engine.tideHeight();
  };
  QWidget* info = openInformation();
  ASSERT_TRUE(info && info->isVisible());
  EXPECT_FALSE(program.graphWindow("Graphical")->isVisible());
  const auto label = [&](const char* name) { return text(info->findChild<QLabel*>(name)); };
  const Settings& s = program.state.settings;
  const std::pair<const char*, std::string> shown[] = {
      {"Location", "Harbourton"}, {"Position", program.state.location.positionText}, {"DZone", " 00:00"},
      {"Date", "15 Jun 2026"},    {"Time", "12:00:00"}, {"I_Tide", FormatHeight2(heightAtClock(), s)},
      {"I_UKC", FormatHeight2(heightAtClock() - 1.0f, s)}};
  for (const auto& [name, expected] : shown) EXPECT_EQ(label(name), expected) << name;
  program.tick(20 * 60);
  EXPECT_EQ(label("Time"), "12:20:00");
  EXPECT_EQ(label("I_Tide"), FormatHeight2(heightAtClock(), s));

  info->findChild<QPushButton*>("Alarm")->click();
  QWidget* alarm = program.graphWindow("Alarmform");
  ASSERT_TRUE(alarm && alarm->isVisible());
  auto* level = alarm->findChild<QLineEdit*>("alarm_txt");
  auto* set = alarm->findChild<QCheckBox*>("set");
  auto* picture = info->findChild<QLabel*>("Alarmclock");
  // (level above the clearance, set): the picture shows while set, the alarm sounds each second below.
  const float clearance = heightAtClock() - 1.0f;
  for (const auto& [above, on, beeps] : {std::tuple{0.5f, true, 2}, {-0.5f, true, 0}, {0.5f, false, 0}}) {
    level->setText(toQt(FormatHeight2(clearance + above, s)));
    if (set->isChecked() != on) set->click();
    EXPECT_EQ(picture->isHidden(), !on);
    program.platform.beeps = 0;
    program.tick(), program.tick();
    EXPECT_EQ(program.platform.beeps, beeps) << above << on;
  }
  alarm->findChild<QPushButton*>("Test")->click();
  EXPECT_EQ(program.platform.beeps, 1);
  // A level that cannot be a clearance is said once, not every second.
  level->setText("500");
  set->click();
  program.tick(), program.tick();
  EXPECT_EQ(program.platform.messageTexts(), std::vector<std::string>{"Inappropriate Input Value"});
  alarm->findChild<QPushButton*>("Exit")->click();
  EXPECT_FALSE(alarm->isVisible());
  EXPECT_TRUE(info->isVisible());
  EXPECT_EQ(label("Time"), "12:20:08");

  // Leave and the close box return to the graph: no more updates, and no alarm behind a closed window.
  for (const bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "Leave");
    if (!info->isVisible()) program.actionIn("Graphical", "Display")->trigger();
    EXPECT_EQ(label("Time"), closeBox ? "12:21:08" : "12:20:08");
    info->findChild<QPushButton*>("Alarm")->click();
    level->setText("99");
    if (!set->isChecked()) set->click();
    program.platform.beeps = 0;
    program.tick();
    EXPECT_EQ(program.platform.beeps, 1);
    if (closeBox) info->close();
    else info->findChild<QPushButton*>("Leave")->click();
    EXPECT_FALSE(info->isVisible());
    EXPECT_FALSE(alarm->isVisible());
    EXPECT_TRUE(program.graphWindow("Graphical")->isVisible());
    const std::string time = label("Time");
    program.tick(59);
    EXPECT_EQ(label("Time"), time);
    EXPECT_EQ(program.platform.beeps, 1);
  }

  // Without the clock the alarm cannot be set.
  program.actionIn("Graphical", "Display")->trigger();
  program.find<QCheckBox>("Usenow")->click();
  program.platform.clear();
  info->findChild<QPushButton*>("Alarm")->click();
  ASSERT_EQ(program.platform.messages.size(), 1u);
  EXPECT_EQ(program.platform.messages[0].text, "Alarm option requires Now to be checked on main control window");
  EXPECT_EQ(program.platform.messages[0].icon, MessageIcon::None);
  EXPECT_FALSE(alarm->isVisible());

  // At a secondary port the display names the secondary port, not its reference port, and shows its long name whole.
  program.action("Tidemode_2")->trigger();
  program.choose("Dfile", "USER.dif");
  program.click("Dloc", 0);
  info->close();
  ASSERT_EQ(openInformation(), info);
  EXPECT_EQ(label("Location"), secondary.name);
  EXPECT_EQ(label("Position"), "57 32N 153 59W");
  expectEveryReadoutFits(info);
}

}  // namespace
}  // namespace saltmark::test
