// The table windows: the tide and stream table settings dialogs, the run in
// the progress window and the table viewer.
#include <QLabel>

#include <cmath>
#include <functional>
#include <string_view>

#include "almanac/PortSunMoon.h"
#include "almanac/SunMoonRows.h"
#include "common/VbNumbers.h"

#include "display/ClockDisplay.h"
#include "platform/gui/QtText.h"
#include "shell/AppState.h"
#include "shell/gui/MainWindow.h"
#include "shell/gui/WindowSetParts.h"
#include "tables/EngineHeightSource.h"
#include "tables/EngineStreamSource.h"
#include "tables/TableDialogRules.h"
#include "tables/TableHeader.h"
#include "tables/TableJob.h"
#include "tables/gui/ProgressWindow.h"
#include "tables/gui/StreamTableDialog.h"
#include "tables/gui/TableViewerWindow.h"
#include "tables/gui/TideTableDialog.h"

namespace saltmark {

struct WindowSet::Tables {
  explicit Tables(WindowSet& windows) : set(windows) {}

  TableViewerWindow& viewerWindow();
  // What the viewer's CSV and iCalendar exports need of the table run.
  TableExportContext tideExportContext(bool secondary) const;
  TableExportContext streamExportContext(const StreamTableRequest& request) const;
  TideTableDialog& tideDialog();
  StreamTableDialog& streamDialog();
  // Before a dialog opens: the main window's predictions brought up to
  // date, and its zone label kept for the table's header.
  void prepare();
  void runTideTable();
  void runStreamTable();
  std::vector<std::string> chosenStationTexts() const;
  // Runs a table in the progress window, written into the viewer, then
  // shows the viewer or puts it away.
  void runInProgress(std::string_view portZone, const std::function<JobOutcome(TableRun)>& generate);
  void finish(JobOutcome outcome);

  WindowSet& set;
  TideTableDialog* tide = nullptr;
  StreamTableDialog* stream = nullptr;
  TableViewerWindow* viewer = nullptr;
  std::string zoneName;
  WaterEventCounter events;
};

WindowSet::TablesPtr makeTables(WindowSet& set) { return WindowSet::TablesPtr(new WindowSet::Tables(set)); }
void WindowSet::TablesDeleter::operator()(Tables* tables) const { delete tables; }

QWidget* findTableWindow(const WindowSet::Tables& tables, const char* objectName) {
  for (QWidget* window : std::initializer_list<QWidget*>{tables.tide, tables.stream, tables.viewer})
    if (window && window->objectName() == objectName) return window;
  return nullptr;
}

// The windows belong to the main window (deleted with it) but stand apart.
TableViewerWindow& WindowSet::Tables::viewerWindow() {
  if (!viewer) {
    viewer = new TableViewerWindow(set.state().platform, set.state().programFolder, set.mainWindow());
    viewer->setWindowFlag(Qt::Window);
  }
  return *viewer;
}

TideTableDialog& WindowSet::Tables::tideDialog() {
  if (!tide) {
    tide = new TideTableDialog(set.state().settings, set.state().platform, set.mainWindow());
    QObject::connect(tide, &TideTableDialog::calculateRequested, tide, [this] { runTideTable(); });
  }
  return *tide;
}

StreamTableDialog& WindowSet::Tables::streamDialog() {
  if (!stream) {
    stream = new StreamTableDialog(set.state().settings, set.state().platform, set.mainWindow());
    QObject::connect(stream, &StreamTableDialog::calculateRequested, stream, [this] { runStreamTable(); });
  }
  return *stream;
}

void WindowSet::Tables::prepare() {
  if (auto* main = qobject_cast<MainWindow*>(set.mainWindow())) main->UpdateClockDisplay();
  zoneName = ZoneLabelText(set.state().settings);
}

void WindowSet::Tables::runTideTable() {
  AppState& state = set.state();
  TideTableRequest request = tideDialog().request();
  request.start = state.startInstant;
  const bool secondary = state.settings.portMode == 2 && state.selectedDifferenceRecord >= 0;
  request.locationText = TideTableLocationText(
      state.settings, state.location,
      secondary ? &state.differenceTable.records[static_cast<std::size_t>(state.selectedDifferenceRecord)] : nullptr);
  request.zoneName = zoneName;
  request.creditYear = CurrentYear();
  if (tideDialog().sunMoon())
    request.sunMoonRows = SunMoonTableRows(state.location, state.settings, request.start,
                                           request.start.addDays(Val(request.daysText)));

  EngineHeightSource heights(state.engine);
  const std::string portZone = state.location.portZone;
  viewerWindow().setExportContext(tideExportContext(secondary));
  runInProgress(portZone, [&](TableRun run) { return GenerateTideTable(request, heights, run); });
}

TableExportContext WindowSet::Tables::tideExportContext(bool secondary) const {
  const AppState& state = set.state();
  TableExportContext context;
  context.metric = state.settings.metricUnits != kFalse;
  context.utcOffsetMinutes =
      static_cast<int>(std::lround(-DisplayToGmtMinutes(state.settings, state.location.portZone)));
  context.location = state.location.portName;
  context.geo = GeoFromTexts(state.location.latitudeText, state.location.longitudeText);
  if (secondary) {
    const DifferenceRecord& port =
        state.differenceTable.records[static_cast<std::size_t>(state.selectedDifferenceRecord)];
    context.location = port.name;
    context.geo = GeoFromTexts(port.latitudeText, port.longitudeText);
  }
  return context;
}

TableExportContext WindowSet::Tables::streamExportContext(const StreamTableRequest& request) const {
  const AppState& state = set.state();
  TableExportContext context;
  context.streamTable = true;
  context.utcOffsetMinutes =
      static_cast<int>(std::lround(-DisplayToGmtMinutes(state.settings, state.location.portZone)));
  context.location = request.locationText;
  context.streamKind = request.listing == StreamListing::Peak      ? "peak"
                       : request.listing == StreamListing::Slack   ? "slack"
                       : request.listing == StreamListing::Fastest ? "fastest"
                                                                   : "";
  context.rateFirst = request.listing == StreamListing::Fastest;
  context.speedUnits = request.speedUnitCaption;
  return context;
}

// Each chosen station as the main window shows it: its name, a blank and
// its weight.
std::vector<std::string> WindowSet::Tables::chosenStationTexts() const {
  const AppState& state = set.state();
  std::vector<std::string> texts;
  for (int k = 0; k < state.stations.count; ++k) {
    const auto* name = set.mainWindow()->findChild<QLabel*>(QString("srecname_%1").arg(k));
    const auto* weight = set.mainWindow()->findChild<QLabel*>(QString("spercent_%1").arg(k));
    if (name && weight)
      texts.push_back(fromQt(name->text()) + " " + fromQt(weight->text()));
    else
      texts.push_back(state.streamTable.records[static_cast<std::size_t>(state.stations.selectedStations[k])].name +
                      " ");
  }
  return texts;
}

void WindowSet::Tables::runStreamTable() {
  AppState& state = set.state();
  StreamTableRequest request = streamDialog().request();
  request.start = state.startInstant;
  request.locationText = state.stations.userLocationText;
  request.stations = chosenStationTexts();
  request.zoneName = zoneName;
  request.speedUnitCaption = std::string(SpeedUnitMenuCaption(state.settings.speedUnits));
  request.creditYear = CurrentYear();

  auto* main = qobject_cast<MainWindow*>(set.mainWindow());
  StreamContext context = state.streamContext([main] {
    if (main) main->UpdateClockDisplay();
  });
  // The rows are moved into the time base of the first station's reference
  // port, so that port is made current before the run.
  if (state.stations.count < 1) return;
  const StreamRecord& first =
      state.streamTable.records[static_cast<std::size_t>(state.stations.selectedStations[0])];
  if (!LoadReferencePort(context, first.referencePort)) return;
  const std::string portZone = state.location.portZone;

  EngineStreamSource streams(context);
  viewerWindow().setExportContext(streamExportContext(request));
  runInProgress(portZone, [&](TableRun run) { return GenerateStreamTable(request, streams, run); });
}

// The table is written into the viewer while the progress window runs.
void WindowSet::Tables::runInProgress(std::string_view portZone, const std::function<JobOutcome(TableRun)>& generate) {
  AppState& state = set.state();
  TableViewerWindow& out = viewerWindow();
  finish(set.progress().run([&](JobProgress& progress) {
    BusyPointer busy(state.platform);
    return RunTableJob(
        [&] { return generate(TableRun{state.settings, portZone, out, progress, state.platform, events}); },
        state.platform);
  }));
}

// Only a finished table is shown; an aborted or failed one is put away with
// the viewer, so that a part of a table is never taken for the whole.
void WindowSet::Tables::finish(JobOutcome outcome) {
  TableViewerWindow& out = viewerWindow();
  out.refreshBox();
  if (outcome == JobOutcome::Completed)
    out.showTable();
  else
    out.hide();
}

namespace {

// A table dialog opened for a new table, over the main window's background.
template <class TableDialog>
void openTableDialog(TableDialog& dialog, const QWidget& mainWindow) {
  dialog.Form_Activate(mainWindow.palette().color(QPalette::Window));
  dialog.show();
  dialog.raise();
  dialog.activateWindow();
}

}  // namespace

void WindowSet::showTideTable() {
  tables_->prepare();
  openTableDialog(tables_->tideDialog(), *mainWindow_);
}

void WindowSet::showStreamTable() {
  tables_->prepare();
  openTableDialog(tables_->streamDialog(), *mainWindow_);
}

}  // namespace saltmark
