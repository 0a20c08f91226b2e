#include "graphs/gui/GraphWindow.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>

#include "graphs/gui/GraphPicture.h"
#include "graphs/gui/GraphVector.h"
#include "graphs/gui/GraphWindowParts.h"
#include "platform/gui/Printing.h"
#include "platform/gui/QtText.h"
#include "shell/AppState.h"

namespace saltmark {

GraphWindow::GraphWindow(AppState& state, int startZoom, const char* name, const QString& title,
                         const QString& printCaption, QWidget* parent)
    : QMainWindow(parent), state_(state), zoom_(startZoom) {
  setObjectName(name);
  setWindowTitle(title);
  setWindowFlag(Qt::Window);
  choosePrinter_ = [this, printCaption] { return choosePrinter(this, printCaption); };
}

GraphWindow::~GraphWindow() = default;

void GraphWindow::applyScheme() {
  ApplyWindowScheme(*this, state_.settings);
  ApplyWindowScheme(*labTopBkgnd_, state_.settings);
}

void GraphWindow::restoreMenuTicks() {
  const Settings& s = state_.settings;
  setTickPair(graticuleItems_.first, graticuleItems_.second, isTrue(s.graphSwitch1));
  setTickPair(midnightItems_.first, midnightItems_.second, isTrue(s.graphSwitch2));
  zoomItems_.first->setEnabled(zoom_.zoomInEnabled());
  zoomItems_.second->setEnabled(zoom_.zoomOutEnabled());
}

void GraphWindow::startRun() {
  hasRun_ = true;
  cursor_.restartLive();
  restoreMenuTicks();
  show();
  raise();
  activateWindow();
  active_ = true;
  redraw();
}

void GraphWindow::onClockTick() {
  if (!active_ || !hasRun_ || !cursor_.followClock(grid(), state_.startInstant)) return;
  showCursorReadout();
}

void GraphWindow::Picture1_MouseMove(double column, bool leftButtonHeld) {
  const bool moved = cursor_.mouseMove(column, leftButtonHeld);
  if (cursor_.sizing())
    Picture1_->setCursor(Qt::SizeHorCursor);
  else
    Picture1_->unsetCursor();
  if (moved) showCursorReadout();
}

void GraphWindow::Picture1_MouseDown(double column, bool leftOrRightButton) {
  if (cursor_.mousePress(column, leftOrRightButton)) showCursorReadout();
}

void GraphWindow::Label11_Click() {
  Settings& s = state_.settings;
  const auto typed = state_.platform.promptValue("Enter the Plot Duration ",
                                                 "This figure determines the number of days plotted", s.graphDays);
  if (!typed) return;
  s.graphDays = ClampPlotDurationText(*typed);
  Label11_->setText(toQt(s.graphDays));
  emit recomputeRequested(GraphGrid{s.graphDays, grid().origin});
}

void GraphWindow::timegraticule_Click(bool on) {
  state_.settings.graphSwitch1 = toFlag(on);
  restoreMenuTicks();
  redraw();
}

void GraphWindow::midnight_Click(bool fromMidnight) {
  Settings& s = state_.settings;
  s.graphSwitch2 = toFlag(fromMidnight);
  restoreMenuTicks();
  emit recomputeRequested(GraphGrid{s.graphDays, ComputeGraphOrigin(state_.startInstant, s.graphDays, fromMidnight)});
}

void GraphWindow::ZoomIn_Click() {
  if (zoom_.ZoomIn()) redraw();
  restoreMenuTicks();
}

void GraphWindow::ZoomOut_Click() {
  if (zoom_.ZoomOut()) redraw();
  restoreMenuTicks();
}

void GraphWindow::page_Click(int direction) {
  const double days = PlotDurationDays(grid().plotDuration);
  emit recomputeRequested(GraphGrid{grid().plotDuration, grid().origin.addDays(direction * days)});
}

void GraphWindow::PrintGraphWindow(bool colour) {
  saltmark::PrintGraphWindow(colour, GraphPrintout{*this, state_.settings, state_.platform, choosePrinter_,
                                                   [this] { applyScheme(); }, [this] { redraw(); }});
}

void GraphWindow::addVectorSaveItems(QMenuBar* bar) {
  QMenu* menu = bar->findChild<QMenu*>("Print");
  if (menu == nullptr) return;
  menu->addSeparator();
  QAction* svg = menu->addAction("Save as SVG");
  svg->setObjectName("SaveSvg");
  connect(svg, &QAction::triggered, this, [this] { SaveGraph_Click(false); });
  QAction* pdf = menu->addAction("Save as PDF");
  pdf->setObjectName("SavePdf");
  connect(pdf, &QAction::triggered, this, [this] { SaveGraph_Click(true); });
}

void GraphWindow::SaveGraph_Click(bool pdf) {
  if (!graphDrawing_) return;
  const char* name = pdf ? "graph.pdf" : "graph.svg";
  const auto chosen = state_.platform.chooseSaveFile({pdf ? "Save Graph as PDF" : "Save Graph as SVG",
                                                      std::string(pdf ? kPdfFileFilter : kSvgFileFilter),
                                                      state_.programFolder / name});
  if (!chosen) return;
  const QSize size = Picture1_->size();
  const QByteArray bytes = pdf ? RenderGraphPdf(size, graphDrawing_) : RenderGraphSvg(size, graphDrawing_);
  if (const auto failure = SaveGraphFile(*chosen, bytes)) state_.platform.message(*failure, MessageIcon::Critical);
}

bool GraphWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    restoreMenuTicks();
    redraw();
    active_ = true;
  } else if (event->type() == QEvent::WindowDeactivate) {
    active_ = false;
  }
  return QMainWindow::event(event);
}

void GraphWindow::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  emit leaveRequested();
}

void GraphWindow::hideEvent(QHideEvent* event) {
  active_ = false;
  QMainWindow::hideEvent(event);
}

}  // namespace saltmark
