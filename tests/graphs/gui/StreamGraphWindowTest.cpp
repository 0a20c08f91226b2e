// The stream graph window: a run for a diamond, its readouts, needle, header,
// zoom, printing and paging, and a run that fails.
#include <algorithm>

#include <QFileInfo>
#include <QLabel>
#include <QPrinter>

#include <gtest/gtest.h>

#include "graphs/gui/GraphPicture.h"
#include "graphs/gui/GraphProgram.h"
#include "graphs/gui/StreamGraphWindow.h"
#include "platform/gui/Printing.h"
#include "platform/gui/QtText.h"

namespace saltmark::test {
namespace {

std::string text(QLabel* label) { return label ? fromQt(label->text()) : "(none)"; }

class StreamGraphWindowTest : public ::testing::Test, protected HarbourFolder {
 protected:
  void chooseStation(int row) {
    program.action("Tidemode_1")->trigger();
    program.choose("Sfile", "USER.vel");
    program.click("Sloc", row);
  }
  GraphProgram program{dir.path()};
};

TEST_F(StreamGraphWindowTest, PlotsTheDiamondWithItsReadoutsNeedleAndZoomPrintsItAndSaysWhenItCannot) {
  chooseStation(0);
  program.startAt("15 Jun 2026", "12:00");
  program.pressGraph();
  auto* graph = static_cast<StreamGraphWindow*>(program.graphWindow("GStream"));
  ASSERT_NE(graph, nullptr);
  EXPECT_TRUE(graph->isVisible());
  EXPECT_TRUE(program.platform.messages.empty()) << program.platform.messageTexts().front();
  EXPECT_EQ(graph->windowTitle().toStdString(), "Saltmark: Tidal Streams");
  const auto label = [&](const char* name) { return text(program.in<QLabel>("GStream", name)); };
  EXPECT_EQ(
      (std::vector{label("Stream_0"), label("Stream_1"), label("labUnits"), label("datebox"), label("Cursordate")}),
            (std::vector<std::string>{"Stream: Diamond A 100.0%", "", "Speed Units: knots",
                                      "Graph Origin: 00:00 15 Jun 2026", "12:00 15 Jun 2026"}));
  EXPECT_EQ(graph->cursor().column(), 480);
  // The diamond sets east on the flood and west on the ebb: both show in a day.
  auto* picture = program.in<GraphPicture>("GStream", "Picture1");
  auto* compass = program.in<GraphPicture>("GStream", "Picture2");
  std::set<std::string> directions;
  double column = 480;
  for (int step = 0; step < 12; ++step) {
    dragCursor(picture, column, step * 80.0);
    column = graph->cursor().column();
    const std::string dirn = label("Dirn");
    directions.insert(dirn);
    EXPECT_FALSE(label("Speed").empty());
    if (dirn == "090" || dirn == "270") {
      // The needle runs from the centre towards the stream's direction in green.
      const QImage& image = compass->picture();
      const double sign = dirn == "090" ? 1 : -1;
      const QColor needle = image.pixelColor(static_cast<int>(image.width() / 2 + sign * image.width() * 0.12),
                                             image.height() / 2);
      // A thin smoothed line: green at least half strength, over the black face.
      EXPECT_GT(needle.green(), 100) << dirn;
      EXPECT_LT(std::max(needle.red(), needle.blue()), 60) << dirn;
    }
  }
  EXPECT_TRUE(directions.count("090") && directions.count("270")) << directions.size();
  // The diamond runs at 1.25 to 2.5 knots: the range up to 4 knots, or 2, not 40.
  const auto& rates = graph->run().rates;
  const float largest = *std::max_element(rates.begin(), rates.begin() + kGraphColumns);
  ASSERT_GT(largest, 1.0f);
  ASSERT_LE(largest, 4.0f);
  EXPECT_EQ(graph->zoomLevel(), largest > 2 ? 3 : 4) << largest;
  EXPECT_TRUE(program.actionIn("GStream", "ZoomOut")->isEnabled());
  EXPECT_TRUE(program.actionIn("GStream", "ZoomIn")->isEnabled());

  const QString path = QString::fromStdString((dir / "stream.pdf").string());
  graph->setPrinterChooser([path] { return pdfPrinter(path); });
  program.actionIn("GStream", "Print_Mono")->trigger();
  EXPECT_GT(QFileInfo(path).size(), 1000);
  EXPECT_EQ(program.state.settings.colourDisplay, kTrue);

  program.in<QPushButton>("GStream", "Command2")->click();
  EXPECT_EQ(graph->grid().origin, DateTime::fromCivil(2026, 6, 16));
  program.actionIn("GStream", "Leave_Gstream")->trigger();
  EXPECT_FALSE(graph->isVisible());
  EXPECT_TRUE(program.window->isVisible());

  // A stream that cannot be computed is said so in one message box, not two in a row.
  chooseStation(1);  // its reference port is not in the index
  program.platform.clear();
  program.pressGraph();
  const auto messages = program.platform.messageTexts();
  ASSERT_EQ(messages.size(), 1u) << messages.front() << " / " << messages.back();
  EXPECT_EQ(messages.front().rfind("Cannot Draw Tidal Stream Graph", 0), 0u) << messages.front();
  EXPECT_FALSE(graph->isVisible());
}

}  // namespace
}  // namespace saltmark::test
