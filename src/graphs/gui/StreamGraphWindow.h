#pragma once
// The stream graph window GStream: the predicted tidal stream over the plot
// duration as vertical bars coloured by direction and outlined by the rate,
// with a compass ring in the same colours and a needle pointing the way the
// stream sets at the cursor. Navigation (pages, midnight, duration, zoom,
// graticule, cursor) works as in the tide graph; like it, the window only
// proposes new grids and the window set runs them.
#include <array>
#include <string>
#include <utility>

#include <QMainWindow>

#include "graphs/GraphCursor.h"
#include "graphs/GraphModel.h"
#include "graphs/StreamGraphModel.h"
#include "graphs/gui/GraphPrinting.h"

class QAction;
class QFrame;
class QLabel;
class QPushButton;

namespace saltmark {

struct AppState;
class GraphPicture;

struct StreamGraphRun {
  GraphGrid grid;
  RateColumns rates{};
  DirectionColumns directions{};
  std::string zoneText;
  std::string locationText;                   // the predicted position
  std::array<std::string, 3> stationTexts{};  // name and weight of each station in use
};

class StreamGraphWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit StreamGraphWindow(AppState& state, QWidget* parent = nullptr);
  ~StreamGraphWindow() override;

  const GraphGrid& grid() const { return run_.grid; }
  bool hasRun() const { return hasRun_; }
  void showRun(StreamGraphRun run);

  void DrawStreamGraph();
  void onClockTick();
  bool graphActive() const { return active_; }
  const GraphCursor& cursor() const { return cursor_; }

  void Picture1_MouseMove(double column, bool leftButtonHeld);
  void Picture1_MouseDown(double column, bool leftOrRightButton);

  void PrintGraphWindow(bool colour);
  void setPrinterChooser(PrinterChooser chooser) { choosePrinter_ = std::move(chooser); }

 signals:
  void recomputeRequested(const saltmark::GraphGrid& grid);
  void leaveRequested();

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
  void ShowStreamCursorReadout();
  void DrawCompass(double direction);

  void Label11_Click();
  void timegraticule_Click(bool on);
  void midnight_Click(bool fromMidnight);
  void ZoomIn_Click();
  void ZoomOut_Click();
  void page_Click(int direction);

  AppState& state_;
  StreamGraphRun run_;
  bool hasRun_ = false;
  GraphCursor cursor_;
  ZoomControl zoom_{kStreamGraphStartZoom};
  bool active_ = false;
  NeedlePoint needle_;
  PrinterChooser choosePrinter_;

  GraphPicture *Picture1_ = nullptr, *Picture2_ = nullptr;
  std::array<QLabel*, 3> Stream_{};
  QLabel *Label11_ = nullptr, *Locbox_ = nullptr, *labUnits_ = nullptr, *labVessel_ = nullptr;
  QLabel *zonebox_ = nullptr, *datebox_ = nullptr, *Cursordate_ = nullptr, *Speed_ = nullptr, *Dirn_ = nullptr;
  QPushButton *Command1_ = nullptr, *Command2_ = nullptr;
  QFrame *Frame1_ = nullptr, *labTopBkgnd_ = nullptr;
  // timgraton/timgratoff, midnight_on/Midnight_Off, ZoomIn/ZoomOut.
  std::pair<QAction*, QAction*> graticuleItems_{}, midnightItems_{}, zoomItems_{};
};

}  // namespace saltmark
