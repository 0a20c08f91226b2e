#pragma once
// What the tide and stream graph windows have in common: the run flag, the
// cursor and its mouse handlers, the zoom level, the graticule and midnight
// items, the plot duration prompt, the page buttons, printing, and the
// active-window tracking the clock follows. Each window draws its own graph
// and cursor readout.
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include <QMainWindow>

#include "graphs/GraphCursor.h"
#include "graphs/DrawingSurface.h"
#include "graphs/GraphModel.h"
#include "graphs/gui/GraphPrinting.h"

class QAction;
class QFrame;
class QHBoxLayout;
class QLabel;
class QMenu;
class QMenuBar;
class QVBoxLayout;

namespace saltmark {

struct AppState;
class GraphPicture;

class GraphWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `name` is the window's objectName; `printCaption` the printer dialog's title.
  GraphWindow(AppState& state, int startZoom, const char* name, const QString& title, const QString& printCaption,
              QWidget* parent);
  ~GraphWindow() override;

  virtual const GraphGrid& grid() const = 0;
  bool hasRun() const { return hasRun_; }
  // The clock's step: a live cursor follows the start instant while this
  // window is the active one.
  void onClockTick();
  bool graphActive() const { return active_; }
  const GraphCursor& cursor() const { return cursor_; }
  int zoomLevel() const { return zoom_.level(); }

  // The cursor handlers, in graph columns (the picture's mouse events come here).
  void Picture1_MouseMove(double column, bool leftButtonHeld);
  void Picture1_MouseDown(double column, bool leftOrRightButton);

  void PrintGraphWindow(bool colour);
  // The print menu's "Save as SVG" and "Save as PDF": the graph as last
  // drawn, through the same drawing, at the picture's size.
  void SaveGraph_Click(bool pdf);
  void setPrinterChooser(PrinterChooser chooser) { choosePrinter_ = std::move(chooser); }

 signals:
  // A new grid to compute (origin and duration); nothing changes until the
  // run comes back through showRun.
  void recomputeRequested(const saltmark::GraphGrid& grid);
  void leaveRequested();

 protected:
  bool event(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  // The close box leaves as Exit does.
  void closeEvent(QCloseEvent* event) override;

  // The graph with its header, and the cursor readout.
  virtual void redraw() = 0;
  virtual void showCursorReadout() = 0;
  virtual void restoreMenuTicks();
  // Called once from each window's constructor, when the window is whole:
  // the menu bar (Settings first, then the window's own menus), the layout,
  // the size and the colours.
  void assemble(int height);
  virtual void buildMenus(QMenuBar* bar, QMenu* settings) = 0;
  virtual void buildLayout() = 0;

  // A finished run is in: the cursor is live again; the window is shown,
  // raised and drawn.
  void startRun();
  // The Settings items both graphs have: Graticule On/Off (timgraton,
  // timgratoff) and From Midnight/From Now (midnight_on, Midnight_Off).
  void addGraticuleItems(QMenu* settings);
  void addMidnightItems(QMenu* settings);
  // The Zoom menu, and the menus that end the bar: Print with its vector
  // saves, then Accuracy, Exit (named `exitName`) and Help.
  void addZoomMenu(QMenuBar* bar);
  void addPrintAndExitMenus(QMenuBar* bar, const char* exitName, std::function<void()> leave, int helpTopic);

  // The window's layout: the header band labTopBkgnd across the top, its
  // columns laid out left to right by `fillHeader`, over the graph picture
  // Picture1. The readout frame Frame1, with Label11 in it, is made first so
  // that `fillHeader` can make its readouts in it.
  void buildFrame(const std::function<void(QHBoxLayout* header)>& fillHeader);
  // The header's first column: `labels` over the << button.
  void addTitleColumn(QHBoxLayout* header, std::initializer_list<QLabel*> labels);
  // The header's last column: the readout frame, Plot Duration Days then
  // `rows`, over the >> button.
  QVBoxLayout* addReadoutColumn(QHBoxLayout* header, std::vector<std::pair<QLabel*, QLabel*>> rows);
  QFrame* readoutFrame() const { return Frame1_; }

  void applyScheme();

  void Label11_Click();
  void timegraticule_Click(bool on);
  void midnight_Click(bool fromMidnight);
  void ZoomIn_Click();
  void ZoomOut_Click();
  void page_Click(int direction);

  AppState& state_;
  bool hasRun_ = false;
  GraphCursor cursor_;
  ZoomControl zoom_;
  bool active_ = false;
  PrinterChooser choosePrinter_;
  // The graph's drawing as last shown, set by redraw.
  std::function<void(DrawingSurface&)> graphDrawing_;

  GraphPicture* Picture1_ = nullptr;
  QLabel* Label11_ = nullptr;
  QFrame* labTopBkgnd_ = nullptr;
  QFrame* Frame1_ = nullptr;
  // timgraton/timgratoff, midnight_on/Midnight_Off, ZoomIn/ZoomOut.
  std::pair<QAction*, QAction*> graticuleItems_{}, midnightItems_{}, zoomItems_{};

 private:
  void addVectorSaveItems(QMenu* printMenu);
};

}  // namespace saltmark
