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
#include <utility>
#include <vector>

#include <QMainWindow>

#include "graphs/GraphCursor.h"
#include "graphs/GraphModel.h"
#include "graphs/TideGraphModel.h"
#include "graphs/gui/GraphPrinting.h"

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

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

class TideGraphWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit TideGraphWindow(AppState& state, QWidget* parent = nullptr);
  ~TideGraphWindow() override;

  const GraphGrid& grid() const { return run_.grid; }
  bool hasRun() const { return hasRun_; }
  // A finished run: the cursor is live again; the window is shown, raised
  // and drawn.
  void showRun(TideGraphRun run);

  void DrawTideGraph();
  // The clock's step: a live cursor follows the start instant while this
  // window is the active one.
  void onClockTick();
  bool graphActive() const { return active_; }

  // What the anchoring calculator reads: the cursor and the high/low list.
  DateTime cursorInstant() const;
  float cursorHeight() const;
  const std::vector<HighLowRecord>& highLowList() const { return pass_.highLowList; }
  const GraphCursor& cursor() const { return cursor_; }

  // The cursor handlers, in graph columns (the picture's mouse events come here).
  void Picture1_MouseMove(double column, bool leftButtonHeld);
  void Picture1_MouseDown(double column, bool leftOrRightButton);

  void PrintGraphWindow(bool colour);
  void setPrinterChooser(PrinterChooser chooser) { choosePrinter_ = std::move(chooser); }

 signals:
  // A new grid to compute (origin and duration); nothing changes until the
  // run comes back through showRun.
  void recomputeRequested(const saltmark::GraphGrid& grid);
  void anchorRequested();
  // Display with "Use Clock" on: the window has hidden itself.
  void informationRequested();
  void leaveRequested();
  // The cursor or the list under it changed (the anchoring calculator follows).
  void cursorMoved();

 protected:
  bool event(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  // The close box leaves as Exit does.
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildLayout();
  void applyScheme();
  void restoreMenuTicks();
  void ShowTideCursorReadout();
  void ShowCursorClearance();
  void SetClearanceLabel(const std::string& text);
  void placeCursorLine();

  void MDepth_Click();
  void MDraught_Click();
  void MUKC_Click();
  void Label11_Click();
  void timegraticule_Click(bool on);
  void passagelines_Click(bool on);
  void midnight_Click(bool fromMidnight);
  void ZoomIn_Click();
  void ZoomOut_Click();
  void Display_Click();
  void page_Click(int direction);
  void Leave_Graphical_Click();

  AppState& state_;
  TideGraphRun run_;
  bool hasRun_ = false;
  TidePass pass_;
  GraphCursor cursor_;
  ZoomControl zoom_{kTideGraphStartZoom};
  bool active_ = false;
  PrinterChooser choosePrinter_;

  GraphPicture* Picture1_ = nullptr;
  QListWidget *Pass_ = nullptr, *Hilo_ = nullptr;
  QLabel *Label11_ = nullptr, *Depth_ = nullptr, *Draught_ = nullptr, *labUKC_ = nullptr;
  QLabel *Cursordate_ = nullptr, *Tide_ = nullptr, *Locbox_ = nullptr, *labVessel_ = nullptr;
  QLabel *datebox_ = nullptr, *zonebox_ = nullptr, *Label13_ = nullptr, *Label8_ = nullptr, *Label9_ = nullptr;
  QPushButton *Command1_ = nullptr, *Command2_ = nullptr;
  QFrame *Frame1_ = nullptr, *labTopBkgnd_ = nullptr;
  // timgraton/timgratoff, passlineon/passlineoff, midnight_on/Midnight_Off, ZoomIn/ZoomOut.
  std::pair<QAction*, QAction*> graticuleItems_{}, passageItems_{}, midnightItems_{}, zoomItems_{};
};

}  // namespace saltmark
