#include "graphs/gui/GraphWindow.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "graphs/gui/GraphPicture.h"
#include "graphs/gui/GraphVector.h"
#include "graphs/gui/GraphWindowParts.h"
#include "platform/gui/NamedControls.h"
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

void GraphWindow::assemble(int height) {
  buildMenus(menuBar(), namedMenu(menuBar(), "Settings", "&Settings"));
  buildLayout();
  resize(1000, height);
  applyScheme();
}

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

void GraphWindow::addGraticuleItems(QMenu* settings) {
  graticuleItems_ = namedTickPair(settings, "timgraton", "Graticule On", "timgratoff", "Graticule Off", this,
                                  [this](bool on) { timegraticule_Click(on); });
}

void GraphWindow::addMidnightItems(QMenu* settings) {
  midnightItems_ = namedTickPair(settings, "midnight_on", "From Midnight", "Midnight_Off", "From Now", this,
                                 [this](bool fromMidnight) { midnight_Click(fromMidnight); });
}

void GraphWindow::addZoomMenu(QMenuBar* bar) {
  zoomItems_ = saltmark::addZoomMenu(bar, this, [this] { ZoomIn_Click(); }, [this] { ZoomOut_Click(); });
}

void GraphWindow::addPrintAndExitMenus(QMenuBar* bar, const char* exitName, std::function<void()> leave,
                                       int helpTopic) {
  addPrintMenu(bar, this, [this](bool colour) { PrintGraphWindow(colour); });
  addVectorSaveItems(bar->findChild<QMenu*>("Print"));
  addAccuracyExitHelp(bar, this, state_, exitName, std::move(leave), helpTopic);
}

void GraphWindow::buildFrame(const std::function<void(QHBoxLayout* header)>& fillHeader) {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  labTopBkgnd_ = headerBand(central);
  auto* header = new QHBoxLayout(labTopBkgnd_);
  header->setContentsMargins(6, 4, 6, 4);
  Frame1_ = new QFrame(labTopBkgnd_);
  Frame1_->setObjectName("Frame1");
  Frame1_->setFrameStyle(QFrame::Box | QFrame::Plain);
  Label11_ = readoutLabel("Label11", Frame1_);
  fillHeader(header);

  column->addWidget(labTopBkgnd_);
  Picture1_ = new GraphPicture("Picture1", central);
  column->addWidget(Picture1_, 1);
  connectGraphPicture(
      Picture1_, this, [this](double column, bool held) { Picture1_MouseMove(column, held); },
      [this](double column, bool button) { Picture1_MouseDown(column, button); }, [this] { redraw(); });
}

void GraphWindow::addTitleColumn(QHBoxLayout* header, std::initializer_list<QLabel*> labels) {
  auto* titles = new QVBoxLayout;
  for (QLabel* label : labels) titles->addWidget(label);
  QPushButton* previous =
      pageButton("Command1", "<<", "Click to view previous", labTopBkgnd_, this, [this] { page_Click(-1); });
  titles->addWidget(previous, 0, Qt::AlignLeft);
  titles->addStretch();
  header->addLayout(titles, 1);
}

QVBoxLayout* GraphWindow::addReadoutColumn(QHBoxLayout* header, std::vector<std::pair<QLabel*, QLabel*>> rows) {
  rows.insert(rows.begin(), {new QLabel("Plot Duration Days", Frame1_), Label11_});
  layOutReadouts(Frame1_, rows);
  Label11_->setToolTip("Click to change the number of days plotted");
  OnLabelClick(this, {Label11_}, [this] { Label11_Click(); });
  auto* readouts = new QVBoxLayout;
  readouts->addWidget(Frame1_);
  QPushButton* advance =
      pageButton("Command2", ">>", "Click to Advance", labTopBkgnd_, this, [this] { page_Click(+1); });
  readouts->addWidget(advance, 0, Qt::AlignRight);
  header->addLayout(readouts);
  return readouts;
}

// "Save as SVG" (SaveSvg) and "Save as PDF" (SavePdf) under the printing items.
void GraphWindow::addVectorSaveItems(QMenu* menu) {
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
