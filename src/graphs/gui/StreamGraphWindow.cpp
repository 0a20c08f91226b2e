#include "graphs/gui/StreamGraphWindow.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "graphs/gui/GraphImage.h"
#include "graphs/gui/GraphPicture.h"
#include "graphs/gui/GraphWindowParts.h"
#include "platform/gui/Printing.h"
#include "platform/gui/QtText.h"
#include "shell/AppState.h"
#include "tables/StreamTableGenerator.h"
#include "tables/TimeText.h"

namespace saltmark {

namespace {

constexpr int kStreamGraphHelpTopic = 13;

// The picture's colours: bars always in the direction colours; the rest
// white on black in colour, black on white in monochrome.
StreamGraphDrawing drawingFor(const StreamGraphRun& run, int zoomLevel, const Settings& s) {
  StreamGraphDrawing drawing{run.rates, run.directions, run.grid, zoomLevel, isTrue(s.graphSwitch1)};
  if (!isTrue(s.colourDisplay)) {
    drawing.background = kWhite;
    drawing.graticule = drawing.labels = drawing.outline = kBlack;
  }
  return drawing;
}

// The compass is small: its one-degree spokes and the needle are drawn two
// pixels wide, so the ring reads as a solid wheel and the needle stands out.
class WidePenSurface : public DrawingSurface {
 public:
  explicit WidePenSurface(DrawingSurface& target) : target_(target) { target_.setPenWidth(2); }
  void setCoordinateWindow(double l, double t, double r, double b) override { target_.setCoordinateWindow(l, t, r, b); }
  void clear(Colour background) override { target_.clear(background); }
  void setColour(Colour colour) override { target_.setColour(colour); }
  void setPenWidth(int width) override { target_.setPenWidth(2 * width); }
  void setLineStyle(LineStyle style) override { target_.setLineStyle(style); }
  void line(double x1, double y1, double x2, double y2) override { target_.line(x1, y1, x2, y2); }
  void point(double x, double y) override { target_.point(x, y); }
  void fill(double x1, double y1, double x2, double y2) override { target_.fill(x1, y1, x2, y2); }
  void text(double x, double y, std::string_view text) override { target_.text(x, y, text); }

 private:
  DrawingSurface& target_;
};

}  // namespace

StreamGraphWindow::StreamGraphWindow(AppState& state, QWidget* parent)
    : GraphWindow(state, kStreamGraphStartZoom, "GStream", "Saltmark: Tidal Streams", "Print Stream Graph", parent) {
  assemble(680);
}

StreamGraphWindow::~StreamGraphWindow() = default;

void StreamGraphWindow::buildMenus(QMenuBar* bar, QMenu* settings) {
  addGraticuleItems(settings);
  addMidnightItems(settings);
  addZoomMenu(bar);
  addPrintAndExitMenus(bar, "Leave_Gstream", [this] { close(); }, kStreamGraphHelpTopic);
}

void StreamGraphWindow::buildLayout() {
  buildFrame([this](QHBoxLayout* header) {
    Locbox_ = namedLabel("Locbox", labTopBkgnd_);
    for (int k = 0; k < 3; ++k)
      Stream_[static_cast<std::size_t>(k)] =
          namedLabel(QString("Stream_%1").arg(k).toLatin1().constData(), labTopBkgnd_);
    labVessel_ = namedLabel("labVessel", labTopBkgnd_);
    datebox_ = namedLabel("datebox", labTopBkgnd_);
    zonebox_ = namedLabel("zonebox", labTopBkgnd_);
    labUnits_ = namedLabel("labUnits", labTopBkgnd_);
    addTitleColumn(header, {Locbox_, Stream_[0], Stream_[1], Stream_[2], labVessel_, datebox_, zonebox_, labUnits_});

    Picture2_ = new GraphPicture("Picture2", labTopBkgnd_);
    Picture2_->setMinimumSize(140, 140);
    Picture2_->setFixedSize(140, 140);
    header->addWidget(Picture2_, 0, Qt::AlignTop);

    QFrame* frame = readoutFrame();
    Cursordate_ = readoutLabel("Cursordate", frame, 130);
    Speed_ = readoutLabel("Speed", frame);
    Dirn_ = readoutLabel("Dirn", frame);
    // Kept at the top, level with the compass.
    addReadoutColumn(header, {{new QLabel("Cursor", frame), Cursordate_},
                              {namedLabel("spdlab", frame, "Rate"), Speed_},
                              {namedLabel("dirlab", frame, "Direction"), Dirn_}})
        ->addStretch();
  });
}

void StreamGraphWindow::showRun(StreamGraphRun run) {
  run_ = std::move(run);
  zoom_ = ZoomControl(StreamZoomForRates(run_.rates));
  startRun();
}

void StreamGraphWindow::DrawStreamGraph() {
  if (!hasRun_) return;
  BusyPointer busy(state_.platform);
  const Settings& s = state_.settings;
  Label11_->setText(toQt(PlotDurationText(run_.grid.plotDuration)));
  zonebox_->setText(toQt("Time Zone: " + run_.zoneText));
  datebox_->setText(toQt("Graph Origin: " + FormatTimeDate(run_.grid.origin)));
  labVessel_->setText(toQt("Vessel ID: " + s.vesselName));
  for (std::size_t k = 0; k < Stream_.size(); ++k)
    Stream_[k]->setText(run_.stationTexts[k].empty() ? QString() : toQt("Stream: " + run_.stationTexts[k]));
  Locbox_->setText(toQt(run_.locationText));
  labUnits_->setText(toQt("Speed Units: " + std::string(SpeedUnitMenuCaption(s.speedUnits))));
  applyScheme();

  const StreamGraphDrawing drawing = drawingFor(run_, zoom_.level(), s);
  graphDrawing_ = [drawing](DrawingSurface& surface) { saltmark::DrawStreamGraph(surface, drawing); };
  Picture1_->setPicture(RenderGraphPicture(Picture1_->size(), devicePixelRatioF(), graphDrawing_));
  cursor_.placeForDrawing(run_.grid, state_.startInstant);
  ShowStreamCursorReadout();
}

void StreamGraphWindow::ShowStreamCursorReadout() {
  if (!hasRun_) return;
  const StreamCursorReadout readout =
      saltmark::ShowStreamCursorReadout(run_.grid, run_.rates, run_.directions, cursor_.column());
  Cursordate_->setText(toQt(readout.dateText));
  Dirn_->setText(toQt(readout.directionText));
  Speed_->setText(toQt(readout.rateText));
  Picture1_->setCursorLine(cursor_.column(), cursor_.live(), SchemeCursorColour(state_.settings));
  DrawCompass(readout.direction);
}

void StreamGraphWindow::DrawCompass(double direction) {
  const Colour background = isTrue(state_.settings.colourDisplay) ? kBlack : kWhite;
  Picture2_->setPicture(RenderGraphPicture(Picture2_->size(), devicePixelRatioF(), [&](DrawingSurface& surface) {
    WidePenSurface wide(surface);
    DrawCompassRing(wide, background);
    needle_ = DrawNeedle(wide, needle_, direction, background);
  }));
}

}  // namespace saltmark
