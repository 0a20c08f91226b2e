// The tide graph window driven as a mariner drives it: its lists against the tide
// table, the cursor, zoom, pages, prompts, printing, drawings and night shading.
#include <algorithm>
#include <cstdlib>
#include <regex>
#include <sstream>

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QTimer>

#include <gtest/gtest.h>

#include "almanac/SunMoonGraphSetting.h"
#include "display/StartInstant.h"
#include "graphs/gui/GraphPicture.h"
#include "graphs/gui/GraphProgram.h"
#include "graphs/gui/TideGraphWindow.h"
#include "platform/gui/Printing.h"
#include "platform/gui/QtText.h"
#include "tables/EngineHeightSource.h"
#include "tables/HeightText.h"
#include "tables/TideTableGenerator.h"
#include "tables/gui/ProgressWindow.h"

namespace saltmark::test {
namespace {

struct Water { double minutes; std::string label; double height; };  // minutes after the graph origin

// The waters of a listing, one a line with its date, time, label and height in
// either order; but the first and last hour, which each listing leaves to its own rule.
std::vector<Water> watersIn(const std::string& listing, DateTime origin, int days) {
  static const std::regex date("[0-9]{2} [A-Za-z]{3} [0-9]{4}"), time("[0-9]{2}:[0-9]{2}"),
      label("\\b(HI|LO)\\b"), height("-?[0-9]+\\.[0-9]+");
  std::vector<Water> waters;
  std::istringstream lines(listing);
  for (std::string line; std::getline(lines, line);) {
    std::smatch d, t, l, h;
    if (!std::regex_search(line, d, date) || !std::regex_search(line, t, time) || !std::regex_search(line, l, label) ||
        !std::regex_search(line, h, height))
      continue;
    const auto minutes = static_cast<double>(minutesBetween(origin, *ReadStartInstant(d.str(), t.str())));
    if (minutes > 60 && minutes < days * 1440 - 60) waters.push_back({minutes, l.str(), std::stod(h.str())});
  }
  return waters;
}

std::vector<std::string> items(QListWidget* list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list->count(); ++i) lines.push_back(fromQt(list->item(i)->text()));
  return lines;
}

std::string text(QLabel* label) { return fromQt(label->text()); }

// The share of pixels whose colour differs by more than a quarter in some channel.
double differingShare(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
  if (x.size() != y.size()) return 1;
  long differing = 0;
  for (int row = 0; row < x.height(); ++row)
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
      differing += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))}) > 64;
    }
  return static_cast<double>(differing) / (x.width() * x.height());
}

// What headless Chromium shows of a file in a window of the size given; a
// null image where it cannot run.
QImage browserShot(const std::filesystem::path& file, QSize size) {
  const auto shot = file.parent_path() / "shot.png";
  const std::string command = "timeout 120 chromium --headless=new --no-sandbox --disable-gpu --hide-scrollbars "
                              "--force-device-scale-factor=1 --window-size=" + std::to_string(size.width()) + "," +
                              std::to_string(size.height()) + " --screenshot='" + shot.string() + "' 'file://" +
                              file.string() + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0 || !std::filesystem::exists(shot)) return {};
  return QImage(QString::fromStdString(shot.string()));
}

// The graph's Tide Information list ("hh:nn dd mmm yyyy HI:3.50 UKC:...")
// holds the waters the tide table ("dd mmm yyyy hh:nn<TAB>3.50<TAB>HI")
// lists for the same port and period.
void expectWatersOfTheTable(GraphProgram& program, DateTime origin, int days) {
  TideEngine engine(program.state.settings);
  engine.setPort(program.state.location);
  EngineHeightSource heights(engine);
  TideTableRequest request;
  request.start = origin;
  request.daysText = std::to_string(days);
  TableTextBuffer table;
  SilentProgress progress;
  WaterEventCounter events;
  ASSERT_EQ(GenerateTideTable(request, heights,
                              TableRun{program.state.settings, program.state.location.portZone, table, progress,
                                       program.platform, events}),
            JobOutcome::Completed);
  std::string list;
  for (const std::string& line : items(program.in<QListWidget>("Graphical", "Hilo"))) list += line + "\n";
  const auto expected = watersIn(table.text(), origin, days), shown = watersIn(list, origin, days);
  ASSERT_GE(expected.size(), static_cast<std::size_t>(3 * days));
  ASSERT_EQ(shown.size(), expected.size()) << days << " days";
  // The graph samples every 1.5 minutes a day plotted, the table every six:
  // times agree to the coarser of the two, heights where both are fine.
  const double columnMinutes = 1.5 * days;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    SCOPED_TRACE(std::to_string(days) + " days, water " + std::to_string(i));
    EXPECT_EQ(shown[i].label, expected[i].label);
    EXPECT_NEAR(shown[i].minutes, expected[i].minutes, std::max(6.0, columnMinutes));
    if (columnMinutes <= 6) {
      EXPECT_NEAR(shown[i].height, expected[i].height, 0.015);
    }
  }
}

class TideGraphWindowTest : public ::testing::Test, protected HarbourFolder {
 protected:
  // Presses Graph; whether the graph window shows.
  bool openGraph() {
    program.pressGraph();
    graph = static_cast<TideGraphWindow*>(program.graphWindow("Graphical"));
    return graph && graph->isVisible();
  }
  // Types a plot duration at the prompt that a click on the duration opens.
  void typeDuration(const char* typed) {
    program.platform.promptNext(typed);
    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(program.in<QLabel>("Graphical", "Label11"), &click);
  }
  std::string label(const char* name) const { return text(program.in<QLabel>("Graphical", name)); }
  // Answers the prompt that a menu item opens.
  void answer(const char* action, std::optional<std::string> typed) {
    program.platform.promptNext(std::move(typed));
    program.actionIn("Graphical", action)->trigger();
  }
  GraphProgram program{dir.path()};
  TideGraphWindow* graph = nullptr;
};

// The header says what is plotted, and whatever duration is typed the waters
// listed are the table's for the days plotted: a fraction plots its whole
// days, and the origin stays.
TEST_F(TideGraphWindowTest, HighAndLowWatersAgreeWithTheTideTableForEveryTypedDuration) {
  program.state.settings.graphDays = "3";
  ASSERT_TRUE(openGraph());
  EXPECT_TRUE(program.platform.messages.empty());
  const DateTime origin = DateTime::fromCivil(2026, 6, 15);
  EXPECT_EQ(graph->grid().origin, origin);
  EXPECT_EQ((std::vector{label("datebox"), label("Label11"), label("Label13")}),
            (std::vector<std::string>{"Graph Origin: 00:00 15 Jun 2026", "3", "Height Units: Metres"}));
  EXPECT_EQ(label("Locbox").rfind("Tidal Location: Harbourton 50\xB0" "48'N", 0), 0u);
  expectWatersOfTheTable(program, origin, 3);
  // The calculator's list holds every water the window lists.
  EXPECT_EQ(std::ssize(graph->highLowList()), program.in<QListWidget>("Graphical", "Hilo")->count());

  const std::pair<const char*, int> cases[] = {{"0", 1}, {"2.5", 2}, {"7", 7}, {"75", 50}};
  for (auto [typed, days] : cases) {
    typeDuration(typed);
    EXPECT_EQ((std::vector{label("Label11"), program.state.settings.graphDays, graph->grid().plotDuration}),
              std::vector(3, std::to_string(days))) << typed;
    EXPECT_EQ(graph->grid().origin, origin) << typed;
    expectWatersOfTheTable(program, origin, days);
  }
  EXPECT_EQ(program.platform.prompts.back(), "Enter the Plot Duration ");
  EXPECT_TRUE(program.platform.messages.empty());
}

// A real port of the bundled data, when the build made the program folder.
TEST(TideGraphWindow, HighAndLowWatersAtABundledPortAgreeWithTheTideTable) {
  const std::filesystem::path bundled = programDir();
  if (bundled.empty() || !std::filesystem::exists(bundled / "NewEngland.tid"))
    GTEST_SKIP() << "no bundled data in the program folder";
  TempDir dir;
  for (const char* name : {"NewEngland.tid", "SALTMARK.IND"}) std::filesystem::copy_file(bundled / name, dir / name);
  GraphProgram program(dir.path(), "NewEngland.tid");
  program.click("tloc", 0);
  program.state.settings.graphDays = "2";
  program.pressGraph();
  auto* graph = static_cast<TideGraphWindow*>(program.graphWindow("Graphical"));
  ASSERT_TRUE(graph && graph->isVisible());
  EXPECT_TRUE(program.platform.messages.empty());
  const std::string location = text(program.in<QLabel>("Graphical", "Locbox"));
  EXPECT_EQ(location.rfind("Tidal Location: " + program.state.location.portName, 0), 0u) << location;
  expectWatersOfTheTable(program, graph->grid().origin, 2);
}

TEST_F(TideGraphWindowTest, ClearancePassageAndPrompts) {
  ASSERT_TRUE(openGraph());
  auto* hilo = program.in<QListWidget>("Graphical", "Hilo");
  auto* pass = program.in<QListWidget>("Graphical", "Pass");
  // No draught: no clearance in the list; a harbour that never dries is afloat throughout.
  EXPECT_EQ(items(hilo).front().find("UKC:"), std::string::npos);
  EXPECT_EQ(items(pass), std::vector<std::string>{"00:00 15 Jun 2026 AFLOAT "});

  answer("MDraught", "2.5");
  answer("MDepth", std::nullopt);  // cancelled: nothing changes
  EXPECT_EQ(std::pair(program.state.settings.draught, program.state.settings.chartedDepth), std::pair(2.5f, 0.0f));
  EXPECT_EQ(label("Draught"), "2.50");
  EXPECT_NE(items(hilo).front().find("UKC:"), std::string::npos);
  // Low waters dry a 2.5 m draught: the vessel grounds and floats again.
  const auto passage = items(pass);
  EXPECT_GT(passage.size(), 2u);
  EXPECT_TRUE(std::ranges::any_of(passage, [](const std::string& l) { return l.find("GROUNDS") != l.npos; }));
  // A clearance typed at the cursor fixes the charted depth under it.
  std::string tide = label("Tide");
  answer("MUKC", "1.0");  // depth = clearance - tide + draught
  EXPECT_NEAR(program.state.settings.chartedDepth,
              1.0f - ParseHeight(tide, program.state.settings, program.platform) + 2.5f, 1e-5);
  EXPECT_EQ(label("labUKC"), " 1.0");
  // labUKC turns red when the clearance under the cursor is gone.
  answer("MDepth", "0");
  answer("MDraught", "9");
  EXPECT_EQ(program.in<QLabel>("Graphical", "labUKC")->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_TRUE(program.platform.messages.empty());
}

TEST_F(TideGraphWindowTest, CursorFollowsTheClockUntilDraggedAndZoomStopsAtItsLevels) {
  program.useClock();  // 12:00 on 15 Jun by the test clock
  ASSERT_TRUE(openGraph());
  auto* picture = program.in<GraphPicture>("Graphical", "Picture1");
  // The cursor's column, whether it is live (dotted), and the time it reads.
  const auto cursor = [&] {
    return std::tuple(graph->cursor().column(), picture->cursorLineDotted(), label("Cursordate"));
  };
  EXPECT_EQ(cursor(), std::tuple(480, true, "12:00 15 Jun 2026"));
  program.tick(3 * 3600);  // three hours on: 120 columns
  EXPECT_EQ(cursor(), std::tuple(600, true, "15:00 15 Jun 2026"));
  dragCursor(picture, 600, 240);
  EXPECT_EQ(cursor(), std::tuple(240, false, "06:00 15 Jun 2026"));
  EXPECT_EQ(label("Tide"), FormatHeight1(graph->cursorHeight(), program.state.settings));

  QAction* in = program.actionIn("Graphical", "ZoomIn");
  QAction* out = program.actionIn("Graphical", "ZoomOut");
  const auto enabled = [&] { return std::pair(in->isEnabled(), out->isEnabled()); };
  EXPECT_EQ(enabled(), std::pair(true, true));
  program.tick(60);
  in->trigger();  // a redraw keeps the dragged cursor too
  EXPECT_EQ(graph->cursor().column(), 240);
  in->trigger();  // level 5
  EXPECT_EQ(enabled(), std::pair(false, true));
  for (int i = 0; i < 6; ++i) out->trigger();  // down to 0 and one more
  EXPECT_EQ(enabled(), std::pair(true, false));

  program.pressGraph();  // a new run: live again, at 15:01
  EXPECT_TRUE(picture->cursorLineDotted());
  EXPECT_EQ(graph->cursor().column(), 601);
}

TEST_F(TideGraphWindowTest, PagesMidnightAnAbortedRunAndLeaving) {
  program.startAt("15 Jun 2026", "10:40");
  ASSERT_TRUE(openGraph());
  const auto origin = [&] { return graph->grid().origin; };
  EXPECT_EQ(origin(), DateTime::fromCivil(2026, 6, 15));
  // An aborted run leaves the graph as it was.
  const auto before = items(program.in<QListWidget>("Graphical", "Hilo"));
  ProgressWindow& progress = program.window->windows().progress();
  QTimer::singleShot(0, &progress, [&progress] { progress.requestCancel(); });
  program.in<QPushButton>("Graphical", "Command2")->click();
  EXPECT_EQ(origin(), DateTime::fromCivil(2026, 6, 15));
  EXPECT_EQ(items(program.in<QListWidget>("Graphical", "Hilo")), before);

  program.actionIn("Graphical", "Midnight_Off")->trigger();
  EXPECT_EQ(origin(), DateTime::fromCivil(2026, 6, 15, 9));
  EXPECT_TRUE(program.actionIn("Graphical", "Midnight_Off")->isChecked());
  EXPECT_FALSE(program.actionIn("Graphical", "midnight_on")->isChecked());
  EXPECT_EQ(program.state.settings.graphSwitch2, kFalse);
  program.in<QPushButton>("Graphical", "Command2")->click();
  EXPECT_EQ(origin(), DateTime::fromCivil(2026, 6, 16, 9));
  for (int back = 0; back < 2; ++back) program.in<QPushButton>("Graphical", "Command1")->click();
  EXPECT_EQ(origin(), DateTime::fromCivil(2026, 6, 14, 9));
  typeDuration("75");  // a longer plot keeps the origin off its new graticule step
  EXPECT_EQ(graph->grid().plotDuration, "50");
  EXPECT_EQ(origin(), DateTime::fromCivil(2026, 6, 14, 9));
  // The information display needs the clock.
  program.actionIn("Graphical", "Display")->trigger();
  ASSERT_EQ(program.platform.messages.size(), 1u);
  EXPECT_EQ(program.platform.messages[0].text.rfind("The Information Display requires continuous updates.", 0), 0u);
  EXPECT_TRUE(graph->isVisible() && program.graphWindow("Info") == nullptr);
  program.actionIn("Graphical", "Leave_Graphical")->trigger();
  EXPECT_FALSE(graph->isVisible());
  EXPECT_TRUE(program.window->isVisible());
}

// "Save as SVG" and "Save as PDF" write the graph as a drawing, which a
// browser shows as the window does; printing keeps the user's colour choice,
// whatever the print's; a file that cannot be written says so, and a cancelled
// print dialog says nothing. "Sun and Moon" is off at first, shades the night
// once ticked, and is kept in its own file.
TEST_F(TideGraphWindowTest, SavesPrintsAndShadesTheNight) {
  ASSERT_TRUE(openGraph());
  const std::pair<const char*, const char*> saves[] = {{"SaveSvg", "<?xml"}, {"SavePdf", "%PDF-"}};
  for (auto [action, start] : saves) {
    const auto path = dir / (std::string(action) + (start[0] == '<' ? ".svg" : ".pdf"));
    program.platform.fileNext(path);
    program.actionIn("Graphical", action)->trigger();
    const std::string bytes = readFile(path);
    EXPECT_EQ(bytes.rfind(start, 0), 0u) << action;
    EXPECT_GT(bytes.size(), 1000u) << action;
  }
  EXPECT_NE(readFile(dir / "SaveSvg.svg").find("<polyline"), std::string::npos);
  const std::pair<const char*, std::int16_t> prints[] = {{"Print_Mono", kTrue}, {"Colour", kFalse}};
  for (auto [action, userColour] : prints) {
    program.state.settings.colourDisplay = userColour;
    const QString path = pathToQt(dir / (std::string(action) + ".pdf"));
    graph->setPrinterChooser([path] { return pdfPrinter(path); });
    program.actionIn("Graphical", action)->trigger();
    EXPECT_GT(QFileInfo(path).size(), 1000) << action;
    EXPECT_EQ(program.state.settings.colourDisplay, userColour) << action;
  }
  EXPECT_TRUE(program.platform.messages.empty()) << program.platform.messageTexts().front();

  graph->setPrinterChooser([this] { return pdfPrinter(pathToQt(dir / "no such folder" / "graph.pdf")); });
  program.state.settings.colourDisplay = kTrue;
  program.actionIn("Graphical", "Print_Mono")->trigger();
  program.platform.fileNext(dir / "no such folder" / "graph.svg");
  program.actionIn("Graphical", "SaveSvg")->trigger();
  ASSERT_EQ(program.platform.messages.size(), 2u);
  for (const auto& m : program.platform.messages) EXPECT_EQ(m.icon, MessageIcon::Critical);
  EXPECT_EQ(program.platform.messages[1].text.rfind("The graph could not be saved as ", 0), 0u);
  EXPECT_EQ(program.state.settings.colourDisplay, kTrue);  // the failed print still gave it back

  program.platform.clear();
  graph->setPrinterChooser([] { return std::unique_ptr<QPrinter>(); });
  program.actionIn("Graphical", "Colour")->trigger();
  EXPECT_TRUE(program.platform.messages.empty());

  QAction* item = program.actionIn("Graphical", "SunMoon");
  ASSERT_TRUE(item && !item->isChecked());
  const QImage plain = program.in<GraphPicture>("Graphical", "Picture1")->picture();
  item->trigger();
  const QImage shaded = program.in<GraphPicture>("Graphical", "Picture1")->picture();
  EXPECT_EQ(readFile(dir / "SUNMOON.CFG"), "SunAndMoon=1\r\n");
  ASSERT_FALSE(plain.isNull());
  EXPECT_GT(differingShare(plain, shaded), 0.2);  // nights take a third of this June day
  // The shaded graph saved as a drawing looks the same in a browser (where Chromium runs).
  program.platform.fileNext(dir / "shaded.svg");
  program.actionIn("Graphical", "SaveSvg")->trigger();
  if (const QImage browser = browserShot(dir / "shaded.svg", shaded.size()); !browser.isNull()) {
    EXPECT_LT(differingShare(browser, shaded), 0.01);
    EXPECT_GT(differingShare(browser, shaded.mirrored(true, true)), 0.01);  // and a different drawing is told apart
  }
  EXPECT_TRUE(LoadSunMoonGraphSetting(dir.path()));
  writeFile(dir / "SUNMOON.CFG", "garbage");
  EXPECT_FALSE(LoadSunMoonGraphSetting(dir.path()));
}

}  // namespace
}  // namespace saltmark::test
