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

#include "graphs/GraphCursor.h"
#include "graphs/GraphModel.h"
#include "graphs/StreamGraphModel.h"
#include "graphs/gui/GraphWindow.h"

class QLabel;

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

class StreamGraphWindow : public GraphWindow {
  Q_OBJECT
 public:
  explicit StreamGraphWindow(AppState& state, QWidget* parent = nullptr);
  ~StreamGraphWindow() override;

  const GraphGrid& grid() const override { return run_.grid; }
  const StreamGraphRun& run() const { return run_; }
  // Each run starts at the zoom that holds its largest rate.
  void showRun(StreamGraphRun run);

  void DrawStreamGraph();

 protected:
  void redraw() override { DrawStreamGraph(); }
  void showCursorReadout() override { ShowStreamCursorReadout(); }

 private:
  void buildMenus(QMenuBar* bar, QMenu* settings) override;
  void buildLayout() override;
  void ShowStreamCursorReadout();
  void DrawCompass(double direction);

  StreamGraphRun run_;
  NeedlePoint needle_;

  GraphPicture* Picture2_ = nullptr;
  std::array<QLabel*, 3> Stream_{};
  QLabel *Locbox_ = nullptr, *labUnits_ = nullptr, *labVessel_ = nullptr;
  QLabel *zonebox_ = nullptr, *datebox_ = nullptr, *Cursordate_ = nullptr, *Speed_ = nullptr, *Dirn_ = nullptr;
};

}  // namespace saltmark
