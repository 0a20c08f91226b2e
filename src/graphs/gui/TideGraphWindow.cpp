#include "graphs/gui/TideGraphWindow.h"

#include <exception>

#include "almanac/PortSunMoon.h"
#include "almanac/SunMoonGraphSetting.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "aids/InformationDisplay.h"
#include "graphs/gui/GraphImage.h"
#include "graphs/gui/GraphPicture.h"
#include "graphs/gui/GraphWindowParts.h"
#include "graphs/gui/QtDrawingSurface.h"
#include "platform/gui/Printing.h"
#include "platform/gui/QtText.h"
#include "shell/AppState.h"
#include "tables/HeightText.h"

namespace saltmark {

namespace {

constexpr int kTideGraphHelpTopic = 2;

// A captioned list of the header, in a typewriter face so its columns line up.
QListWidget* addInformationList(QHBoxLayout* header, const QString& caption, const char* name) {
  QWidget* parent = header->parentWidget();
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  QFont font("Courier New");
  font.setStyleHint(QFont::TypeWriter);
  list->setFont(font);
  list->setMinimumWidth(300);
  list->setMaximumHeight(130);
  auto* box = new QVBoxLayout;
  box->addWidget(new QLabel(caption, parent));
  box->addWidget(list);
  header->addLayout(box);
  return list;
}

}  // namespace

TideGraphWindow::TideGraphWindow(AppState& state, QWidget* parent)
    : GraphWindow(state, kTideGraphStartZoom, "Graphical", "Saltmark: Tidal Heights", "Print Tide Graph", parent) {
  assemble(720);
}

TideGraphWindow::~TideGraphWindow() = default;

void TideGraphWindow::buildMenus(QMenuBar* bar, QMenu* settings) {
  connect(namedAction(settings, "MDepth", "Charted Depth"), &QAction::triggered, this, &TideGraphWindow::MDepth_Click);
  connect(namedAction(settings, "MDraught", "Draught"), &QAction::triggered, this, &TideGraphWindow::MDraught_Click);
  connect(namedAction(settings, "MUKC", "Under Keel Clearance"), &QAction::triggered, this,
          &TideGraphWindow::MUKC_Click);
  settings->addSeparator();
  addGraticuleItems(settings);
  passageItems_ = namedTickPair(settings, "passlineon", "Passage Lines On", "passlineoff", "Passage Lines Off", this,
                                [this](bool on) { passagelines_Click(on); });
  addMidnightItems(settings);
  settings->addSeparator();
  SunMoon_ = namedAction(settings, "SunMoon", "Sun and Moon", true);
  SunMoon_->setChecked(LoadSunMoonGraphSetting(state_.programFolder));
  connect(SunMoon_, &QAction::toggled, this, &TideGraphWindow::SunMoon_Click);
  addZoomMenu(bar);

  connect(namedMenuBarAction(bar, "Anchor", "&Anchor"), &QAction::triggered, this,
          &TideGraphWindow::anchorRequested);
  connect(namedMenuBarAction(bar, "Display", "&Information"), &QAction::triggered, this,
          &TideGraphWindow::Display_Click);

  addPrintAndExitMenus(bar, "Leave_Graphical", [this] { Leave_Graphical_Click(); }, kTideGraphHelpTopic);
}

void TideGraphWindow::buildLayout() {
  buildFrame([this](QHBoxLayout* header) {
    Locbox_ = namedLabel("Locbox", labTopBkgnd_);
    labVessel_ = namedLabel("labVessel", labTopBkgnd_);
    datebox_ = namedLabel("datebox", labTopBkgnd_);
    zonebox_ = namedLabel("zonebox", labTopBkgnd_);
    Label13_ = namedLabel("Label13", labTopBkgnd_, "Units: ");
    addTitleColumn(header, {Locbox_, labVessel_, datebox_, zonebox_, Label13_});

    Pass_ = addInformationList(header, "Passage Information", "Pass");
    Hilo_ = addInformationList(header, "Tide Information", "Hilo");

    QFrame* frame = readoutFrame();
    Label8_ = namedLabel("Label8", frame, "Charted Depth");
    Depth_ = readoutLabel("Depth", frame);
    Label9_ = namedLabel("Label9", frame, "Draught");
    Draught_ = readoutLabel("Draught", frame);
    auto* ukcCaption = new QLabel("Clearance", frame);
    labUKC_ = readoutLabel("labUKC", frame);
    auto* cursorCaption = new QLabel("Cursor", frame);
    Cursordate_ = readoutLabel("Cursordate", frame, 130);
    auto* tideCaption = new QLabel("Tide", frame);
    Tide_ = readoutLabel("Tide", frame);
    addReadoutColumn(header, {{Label8_, Depth_},
                              {Label9_, Draught_},
                              {ukcCaption, labUKC_},
                              {cursorCaption, Cursordate_},
                              {tideCaption, Tide_}});
    OnLabelClick(this, {Depth_, Label8_}, [this] { MDepth_Click(); });
    OnLabelClick(this, {Draught_, Label9_}, [this] { MDraught_Click(); });
  });
}

void TideGraphWindow::restoreMenuTicks() {
  GraphWindow::restoreMenuTicks();
  setTickPair(passageItems_.first, passageItems_.second, isTrue(state_.settings.graphSwitch3));
}

void TideGraphWindow::showRun(TideGraphRun run) {
  run_ = std::move(run);
  startRun();
}

void TideGraphWindow::SunMoon_Click(bool on) {
  if (const WriteResult saved = SaveSunMoonGraphSetting(state_.programFolder, on); !saved)
    state_.platform.message("The Sun and Moon choice could not be saved: " + saved.error, MessageIcon::Critical);
  redraw();
}

std::vector<SkyEvent> TideGraphWindow::plotSkyEvents() const {
  const DateTime from = GraphXToTime(run_.grid, 0), to = GraphXToTime(run_.grid, 960);
  std::vector<SkyEvent> events;
  try {
    events = PortSunMoonEvents(state_.location, state_.settings, from.addDays(-1), to.addDays(1));
  } catch (const std::exception&) {
    return {};  // no sun and moon rather than no graph
  }
  return events;
}

void TideGraphWindow::DrawTideGraph() {
  Pass_->clear();
  Hilo_->clear();
  if (!hasRun_) return;
  BusyPointer busy(state_.platform);
  Settings& s = state_.settings;

  const TideGraphHeader header = TideGraphHeaderTexts(run_.grid, s, run_.zoneText, run_.locationText);
  Label11_->setText(toQt(header.duration));
  Depth_->setText(toQt(header.depth));
  Draught_->setText(toQt(header.draught));
  zonebox_->setText(toQt(header.zone));
  datebox_->setText(toQt(header.origin));
  labVessel_->setText(toQt(header.vessel));
  Locbox_->setText(toQt(header.location));
  Label13_->setText(toQt(header.units));
  applyScheme();

  pass_ = ComputeTidePass(TidePassInput{run_.heights, run_.grid, s.draught, s.chartedDepth, isTrue(s.graphSwitch3)}, s);
  TideGraphDrawing drawing{run_.heights,          run_.grid, zoom_.level(), isTrue(s.colourDisplay),
                           isTrue(s.graphSwitch1), header.depth};
  if (SunMoon_->isChecked()) drawing.sky = plotSkyEvents();
  graphDrawing_ = [this, drawing](DrawingSurface& surface) {
    saltmark::DrawTideGraph(surface, drawing, pass_, state_.settings, state_.platform);
  };
  Picture1_->setPicture(RenderGraphPicture(Picture1_->size(), devicePixelRatioF(), graphDrawing_));
  for (const std::string& line : pass_.passageLines) Pass_->addItem(toQt(line));
  for (const std::string& line : pass_.highLowLines) Hilo_->addItem(toQt(line));

  cursor_.placeForDrawing(run_.grid, state_.startInstant);
  ShowTideCursorReadout();
}

void TideGraphWindow::ShowTideCursorReadout() {
  if (!hasRun_) return;
  const TideCursorReadout readout =
      saltmark::ShowTideCursorReadout(run_.grid, run_.heights, cursor_.column(), state_.settings);
  Cursordate_->setText(toQt(readout.dateText));
  Tide_->setText(toQt(readout.heightText));
  ShowCursorClearance();  // labUKC follows the Tide readout
  placeCursorLine();
  emit cursorMoved();
}

void TideGraphWindow::placeCursorLine() {
  Picture1_->setCursorLine(cursor_.column(), cursor_.live(), SchemeCursorColour(state_.settings));
}

void TideGraphWindow::ShowCursorClearance() {
  SetClearanceLabel(CursorClearanceText(fromQt(Tide_->text()), state_.settings, state_.platform));
}

void TideGraphWindow::SetClearanceLabel(const std::string& text) {
  labUKC_->setText(toQt(text));
  const Colour colour =
      ClearanceLabelColour(text, isTrue(state_.settings.colourDisplay), state_.settings, state_.platform);
  QPalette palette = labUKC_->palette();
  // Cyan or red on black in colour, so the warning colour reads at a glance.
  palette.setColor(QPalette::WindowText, toQColor(colour));
  palette.setColor(QPalette::Window, isTrue(state_.settings.colourDisplay) ? QColor(Qt::black) : QColor(Qt::white));
  labUKC_->setPalette(palette);
}

DateTime TideGraphWindow::cursorInstant() const { return GraphXToTime(run_.grid, cursor_.column()); }

float TideGraphWindow::cursorHeight() const { return run_.heights[static_cast<std::size_t>(cursor_.column())]; }

void TideGraphWindow::MDepth_Click() {
  promptHeight("Enter the Charted Depth", "Saltmark uses the charted depth to work out the times of clear passage.",
               state_.settings.chartedDepth, Depth_);
}

void TideGraphWindow::MDraught_Click() {
  promptHeight("Enter the Draught ", "Saltmark uses this figure to work out the times of clear passage",
               state_.settings.draught, Draught_);
}

void TideGraphWindow::promptHeight(std::string_view title, std::string_view prompt, float& height,
                                   QLabel* readout) {
  Settings& s = state_.settings;
  const auto typed = state_.platform.promptValue(title, prompt, FormatHeight2(height, s));
  if (!typed) return;
  std::string text = *typed;
  height = ParseHeight(text, s, state_.platform);
  readout->setText(toQt(FormatHeight2(height, s)));
  DrawTideGraph();
}

void TideGraphWindow::MUKC_Click() {
  Settings& s = state_.settings;
  const auto typed = state_.platform.promptValue(
      "Enter the Under Keel Clearance",
      "WARNING: Saltmark can use the Under Keel Clearance to work out the seabed charted depth. The Under Keel "
      "Clearance can be derived from the echo sounder.",
      fromQt(labUKC_->text()));
  if (!typed) return;
  std::string text = *typed;
  SetClearanceLabel(FormatHeight2(ParseHeight(text, s, state_.platform), s));
  // The clearance measured now fixes the charted depth.
  s.chartedDepth = saltmark::DepthFromClearance(fromQt(labUKC_->text()), fromQt(Tide_->text()), s, state_.platform);
  Depth_->setText(toQt(FormatHeight2(s.chartedDepth, s)));
  DrawTideGraph();
}

void TideGraphWindow::passagelines_Click(bool on) {
  state_.settings.graphSwitch3 = toFlag(on);
  restoreMenuTicks();
  DrawTideGraph();
}

void TideGraphWindow::Display_Click() {
  if (state_.settings.useClock == 0) {
    state_.platform.message(kInformationNeedsClock);
    return;
  }
  hide();
  emit informationRequested();
}

void TideGraphWindow::Leave_Graphical_Click() { close(); }

}  // namespace saltmark
