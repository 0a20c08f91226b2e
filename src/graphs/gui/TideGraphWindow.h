#pragma once
// The tide graph window Graphical: the tidal curve of the selected port over
// the plot duration, coloured where a vessel of the set draught floats and
// grounds, with the clear-passage times (Pass), the high and low waters
// (Hilo), the header labels and a cursor that reads time and height off the
// curve. Drawn with QPainter from the height columns through the graph model.
//
// The window never runs a computation itself: the page buttons, the
// midnight items and the duration prompt propose a new grid and the window
// set runs the column fill in the progress window, then hands the finished
// run back with showRun. A cancelled run leaves the graph as it was.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "graphs/GraphCursor.h"
#include "graphs/GraphModel.h"
#include "graphs/TideGraphModel.h"
#include "graphs/gui/GraphWindow.h"

class QAction;
class QLabel;
class QListWidget;

namespace saltmark {

struct AppState;
class GraphPicture;

// One finished column fill with what the header shows about it.
struct TideGraphRun {
  GraphGrid grid;
  HeightColumns heights{};
  std::string zoneText;      // the main window's zone label when the graph was started
  std::string locationText;  // port, or secondary port with its reference port
};

class TideGraphWindow : public GraphWindow {
  Q_OBJECT
 public:
  explicit TideGraphWindow(AppState& state, QWidget* parent = nullptr);
  ~TideGraphWindow() override;

  const GraphGrid& grid() const override { return run_.grid; }
  // A finished run: the cursor is live again; the window is shown, raised
  // and drawn.
  void showRun(TideGraphRun run);

  void DrawTideGraph();

  // What the anchoring calculator reads: the cursor and the high/low list.
  DateTime cursorInstant() const;
  float cursorHeight() const;
  const std::vector<HighLowRecord>& highLowList() const { return pass_.highLowList; }

 signals:
  void anchorRequested();
  // Display with "Use Clock" on: the window has hidden itself.
  void informationRequested();
  // The cursor or the list under it changed (the anchoring calculator follows).
  void cursorMoved();

 protected:
  void redraw() override { DrawTideGraph(); }
  void showCursorReadout() override { ShowTideCursorReadout(); }
  void restoreMenuTicks() override;

 private:
  void buildMenus(QMenuBar* bar, QMenu* settings) override;
  void buildLayout() override;
  void ShowTideCursorReadout();
  void ShowCursorClearance();
  void SetClearanceLabel(const std::string& text);
  void placeCursorLine();

  void MDepth_Click();
  void MDraught_Click();
  void MUKC_Click();
  // Asks for a height in the set units, with `height` as the default; an
  // answer sets it, shows it in `readout` and redraws the graph.
  void promptHeight(std::string_view title, std::string_view prompt, float& height, QLabel* readout);
  void passagelines_Click(bool on);
  // "Sun and Moon": night shading and moon-phase marks, kept in SUNMOON.CFG.
  void SunMoon_Click(bool on);
  std::vector<SkyEvent> plotSkyEvents() const;
  void Display_Click();
  void Leave_Graphical_Click();

  TideGraphRun run_;
  TidePass pass_;

  QListWidget *Pass_ = nullptr, *Hilo_ = nullptr;
  QLabel *Depth_ = nullptr, *Draught_ = nullptr, *labUKC_ = nullptr;
  QLabel *Cursordate_ = nullptr, *Tide_ = nullptr, *Locbox_ = nullptr, *labVessel_ = nullptr;
  QLabel *datebox_ = nullptr, *zonebox_ = nullptr, *Label13_ = nullptr, *Label8_ = nullptr, *Label9_ = nullptr;
  // passlineon/passlineoff.
  std::pair<QAction*, QAction*> passageItems_{};
  QAction* SunMoon_ = nullptr;
};

}  // namespace saltmark
