// The graph group of the window set: the tide and stream graph windows, the
// anchoring calculator, the information display and its alarm. The column
// fills run here, in the shared progress window; a run that is cancelled or
// fails leaves the graph as it was and brings the main window back.
#include <QLineEdit>

#include "aids/InformationDisplay.h"
#include "aids/gui/AlarmDialog.h"
#include "aids/gui/AnchoringWindow.h"
#include "aids/gui/FormulaeDialog.h"
#include "aids/gui/InformationWindow.h"
#include "common/NumberFormat.h"
#include "common/RuntimeError.h"
#include "display/ClockDisplay.h"
#include "graphs/StreamGraphRun.h"
#include "graphs/gui/StreamGraphWindow.h"
#include "graphs/gui/TideGraphWindow.h"
#include "platform/gui/QtText.h"
#include "shell/AppState.h"
#include "shell/gui/MainWindow.h"
#include "shell/gui/WindowSetParts.h"
#include "tables/EngineHeightSource.h"
#include "tables/TableHeader.h"
#include "tables/TimeText.h"
#include "tables/ZoneShift.h"
#include "tables/gui/ProgressWindow.h"

namespace saltmark {

inline constexpr std::string_view kCannotDrawStreamGraph = "Cannot Draw Tidal Stream Graph";

namespace {

// Holds back the plain notices given during a stream run, so that a failed
// run says what failed and why in one message box; every other service goes
// straight through.
class HeldNotices : public Platform {
 public:
  explicit HeldNotices(Platform& target) : target_(target) {}
  MessageAnswer message(std::string_view text, MessageIcon icon, MessageButtons buttons,
                        std::string_view caption) override {
    if (buttons != MessageButtons::Ok) return target_.message(text, icon, buttons, caption);
    notices.push_back({std::string(text), icon});
    return MessageAnswer::Ok;
  }
  std::optional<std::string> promptValue(std::string_view p, std::string_view l, std::string_view v) override {
    return target_.promptValue(p, l, v);
  }
  std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& r) override {
    return target_.chooseOpenFile(r);
  }
  std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& r) override {
    return target_.chooseSaveFile(r);
  }
  std::optional<std::filesystem::path> chooseDirectory(const std::filesystem::path& start) override {
    return target_.chooseDirectory(start);
  }
  void setClipboardText(std::string_view text) override { target_.setClipboardText(text); }
  void beep() override { target_.beep(); }
  void showHelpTopic(int contextNumber) override { target_.showHelpTopic(contextNumber); }
  bool openUrl(std::string_view url) override { return target_.openUrl(url); }
  void setBusy(bool busy) override { target_.setBusy(busy); }
  void processEvents() override { target_.processEvents(); }

  // The notices as they would have been shown.
  void release() {
    for (const auto& [text, icon] : notices) target_.message(text, icon);
    notices.clear();
  }

  std::vector<std::pair<std::string, MessageIcon>> notices;

 private:
  Platform& target_;
};

}  // namespace

struct WindowSet::Graphs {
  explicit Graphs(WindowSet& windowSet) : set(windowSet), state(windowSet.state()) {}

  WindowSet& set;
  AppState& state;
  std::unique_ptr<TideGraphWindow> tide;
  std::unique_ptr<StreamGraphWindow> stream;
  std::unique_ptr<AnchoringWindow> anchoring;
  std::unique_ptr<InformationWindow> information;
  std::unique_ptr<AlarmDialog> alarm;
  bool informationActive = false;
  float clearanceOffset = 0;
  bool presentFailureShown = false;  // said once, not every second

  TideGraphWindow& tideWindow();
  StreamGraphWindow& streamWindow();
  AnchoringWindow& anchoringWindow();
  InformationWindow& informationWindow();
  AlarmDialog& alarmDialog();

  GraphGrid gridFromStart() const {
    const Settings& s = state.settings;
    return GraphGrid{s.graphDays, ComputeGraphOrigin(state.startInstant, s.graphDays, isTrue(s.graphSwitch2))};
  }
  void runTideGraph(const GraphGrid& grid);
  void runStreamGraph(const GraphGrid& grid);
  std::string tideLocationText() const;
  void showMainWindow();
  void openInformation();
  void showPresentTide();
};

WindowSet::GraphsPtr makeGraphs(WindowSet& set) { return WindowSet::GraphsPtr(new WindowSet::Graphs(set)); }
void WindowSet::GraphsDeleter::operator()(Graphs* graphs) const { delete graphs; }

QWidget* findGraphWindow(const WindowSet::Graphs& graphs, const char* objectName) {
  const QWidget* windows[] = {graphs.tide.get(), graphs.stream.get(), graphs.anchoring.get(),
                              graphs.information.get(), graphs.alarm.get(),
                              graphs.anchoring ? graphs.anchoring->formulae() : nullptr};
  for (const QWidget* window : windows)
    if (window && window->objectName() == objectName) return const_cast<QWidget*>(window);
  return nullptr;
}

TideGraphWindow& WindowSet::Graphs::tideWindow() {
  if (tide) return *tide;
  tide = std::make_unique<TideGraphWindow>(state, set.mainWindow());
  QObject::connect(tide.get(), &TideGraphWindow::recomputeRequested, tide.get(),
                   [this](const GraphGrid& grid) { runTideGraph(grid); });
  QObject::connect(tide.get(), &TideGraphWindow::anchorRequested, tide.get(), [this] { set.showAnchorCalculator(); });
  QObject::connect(tide.get(), &TideGraphWindow::informationRequested, tide.get(), [this] { openInformation(); });
  QObject::connect(tide.get(), &TideGraphWindow::leaveRequested, tide.get(), [this] { showMainWindow(); });
  // The calculator follows the cursor while it is open.
  QObject::connect(tide.get(), &TideGraphWindow::cursorMoved, tide.get(), [this] {
    if (anchoring && anchoring->isVisible()) anchoring->refresh();
  });
  return *tide;
}

StreamGraphWindow& WindowSet::Graphs::streamWindow() {
  if (stream) return *stream;
  stream = std::make_unique<StreamGraphWindow>(state, set.mainWindow());
  QObject::connect(stream.get(), &StreamGraphWindow::recomputeRequested, stream.get(),
                   [this](const GraphGrid& grid) { runStreamGraph(grid); });
  QObject::connect(stream.get(), &StreamGraphWindow::leaveRequested, stream.get(), [this] { showMainWindow(); });
  return *stream;
}

AnchoringWindow& WindowSet::Graphs::anchoringWindow() {
  if (anchoring) return *anchoring;
  anchoring = std::make_unique<AnchoringWindow>(
      state,
      [this] {
        TideGraphWindow& graph = tideWindow();
        return AnchoringCursor{graph.cursorInstant(), graph.cursorHeight(), graph.highLowList()};
      },
      tide ? static_cast<QWidget*>(tide.get()) : set.mainWindow());
  return *anchoring;
}

InformationWindow& WindowSet::Graphs::informationWindow() {
  if (information) return *information;
  information = std::make_unique<InformationWindow>(state, set.mainWindow());
  QObject::connect(information.get(), &InformationWindow::alarmRequested, information.get(),
                   [this] { set.showAlarm(); });
  QObject::connect(information.get(), &InformationWindow::leaveRequested, information.get(), [this] {
    informationActive = false;
    if (alarm) alarm->hide();
    if (tide && tide->hasRun()) {
      tide->show();
      tide->raise();
      tide->activateWindow();
    } else {
      showMainWindow();
    }
  });
  return *information;
}

AlarmDialog& WindowSet::Graphs::alarmDialog() {
  if (alarm) return *alarm;
  alarm = std::make_unique<AlarmDialog>(state, information ? static_cast<QWidget*>(information.get())
                                                            : set.mainWindow());
  QObject::connect(alarm.get(), &AlarmDialog::alarmSetChanged, alarm.get(),
                   [this](bool on) { informationWindow().setAlarmClockVisible(on); });
  QObject::connect(alarm.get(), &AlarmDialog::exitRequested, alarm.get(), [this] {
    InformationWindow& info = informationWindow();
    info.show();
    info.raise();
    info.activateWindow();
  });
  return *alarm;
}

std::string WindowSet::Graphs::tideLocationText() const {
  const int record = state.selectedDifferenceRecord;
  if (state.settings.portMode == 2 && record >= 0 &&
      record < static_cast<int>(state.differenceTable.records.size())) {
    const DifferenceRecord& secondary = state.differenceTable.records[static_cast<std::size_t>(record)];
    return SecondaryPortLocationText(secondary.name, state.location.portName, secondary.latitudeText,
                                     secondary.longitudeText);
  }
  return PortLocationText(state.location);
}

void WindowSet::Graphs::showMainWindow() {
  if (set.progress().isVisible()) set.progress().hide();
  QWidget* main = set.mainWindow();
  main->show();
  main->raise();
  main->activateWindow();
}

void WindowSet::Graphs::runTideGraph(const GraphGrid& grid) {
  Settings& s = state.settings;
  TideGraphRun run;
  run.grid = grid;
  run.zoneText = ZoneLabelText(s);
  run.locationText = tideLocationText();
  EngineHeightSource heights(state.engine);
  const JobOutcome outcome = set.progress().run([&](JobProgress& progress) {
    try {
      const DateTime engineOrigin = ShiftToDisplayZone(grid.origin, s, state.location.portZone);
      return FillTideColumns(run.heights, heights, engineOrigin, grid.plotDuration, progress);
    } catch (const RuntimeError& error) {
      state.platform.message(error.what(), MessageIcon::Exclamation);
      return JobOutcome::Failed;
    }
  });
  if (outcome == JobOutcome::Completed)
    tideWindow().showRun(std::move(run));
  else
    showMainWindow();
}

void WindowSet::Graphs::runStreamGraph(const GraphGrid& grid) {
  Settings& s = state.settings;
  StreamGraphRun run;
  run.grid = grid;
  run.zoneText = ZoneLabelText(s);
  run.locationText = state.stations.userLocationText;
  for (int k = 0; k < state.stations.count && k < 3; ++k) {
    const auto record = static_cast<std::size_t>(state.stations.selectedStations[static_cast<std::size_t>(k)]);
    if (record >= state.streamTable.records.size()) continue;
    run.stationTexts[static_cast<std::size_t>(k)] =
        state.streamTable.records[record].name + " " +
        FormatNumberPoint(state.stations.stationWeights[static_cast<std::size_t>(k)], "0.0") + "%";
  }
  auto* main = qobject_cast<MainWindow*>(set.mainWindow());
  const StreamContext shared = state.streamContext([main] {
    if (main) main->UpdateClockDisplay();
  });
  HeldNotices held(state.platform);
  StreamContext context{shared.tideDatabase, shared.locationIndex, shared.settings, shared.location,
                        shared.engine,       shared.streams,       shared.streamTable, shared.stations,
                        held,                shared.programFolder, shared.refreshClockDisplay, shared.portLoaded};
  const JobOutcome outcome = set.progress().run([&](JobProgress& progress) {
    try {
      // The stations' own reference port sets the time base, not the tide
      // port shown before.
      const auto engineOrigin = StreamRunInstant(context, grid.origin);
      if (!engineOrigin) return JobOutcome::Failed;
      return RunStreamGraph(context, *engineOrigin, SecondsPerColumn(grid.plotDuration), run.rates, run.directions,
                            progress);
    } catch (const RuntimeError& error) {
      held.notices.push_back({error.what(), MessageIcon::Exclamation});
      return JobOutcome::Failed;
    }
  });
  // One message for a failed run: what failed, then why.
  if (outcome == JobOutcome::Failed) {
    std::string text(kCannotDrawStreamGraph);
    for (const auto& notice : held.notices) text += "\r" + notice.first;
    state.platform.message(text, held.notices.empty() ? MessageIcon::None : MessageIcon::Exclamation);
  } else {
    held.release();
  }
  if (outcome == JobOutcome::Completed)
    streamWindow().showRun(std::move(run));
  else
    showMainWindow();
}

void WindowSet::Graphs::openInformation() {
  clearanceOffset = ClearanceOffset(state.settings);
  informationActive = true;
  presentFailureShown = false;
  InformationWindow& info = informationWindow();
  info.show();
  info.raise();
  info.activateWindow();
  info.activate();
  showPresentTide();
}

// The present height and clearance at the start instant, and the alarm.
void WindowSet::Graphs::showPresentTide() {
  const Settings& s = state.settings;
  QWidget* main = set.mainWindow();
  const auto* date = main->findChild<QLineEdit*>("pdatebox");
  const auto* time = main->findChild<QLineEdit*>("ptimebox");
  const std::string dateText = date ? fromQt(date->text()) : FormatDate(state.startInstant);
  const std::string timeText = time ? fromQt(time->text()) : FormatTimeHMS(state.startInstant);
  float height = 0;
  try {
    state.engine.PredictHeight(ShiftToDisplayZone(state.startInstant, s, state.location.portZone));
    height = state.engine.tideHeight();
  } catch (const RuntimeError& error) {
    if (!presentFailureShown) state.platform.message(error.what(), MessageIcon::Exclamation);
    presentFailureShown = true;
    return;
  }
  presentFailureShown = false;
  const PresentTide present = PresentTideAt(height, clearanceOffset, s);
  informationWindow().showPresent(dateText, timeText, present);
  if (!alarm) return;
  if (const auto level = alarm->alarmLevel(); level && ClearanceAlarmSounds(*level, present.clearance))
    state.platform.beep();
}

void WindowSet::showTideGraph() {
  Graphs& g = *graphs_;
  g.runTideGraph(g.gridFromStart());
}

void WindowSet::showStreamGraph() {
  Graphs& g = *graphs_;
  g.runStreamGraph(g.gridFromStart());
}

void WindowSet::showAnchorCalculator() {
  AnchoringWindow& window = graphs_->anchoringWindow();
  window.show();
  window.raise();
  window.activateWindow();
  window.refresh();
}

void WindowSet::showInformation() { graphs_->openInformation(); }

void WindowSet::showAlarm() {
  graphs_->informationWindow();  // the alarm's picture lives there
  graphs_->alarmDialog().activate();
}

void WindowSet::onClockTick() {
  Graphs& g = *graphs_;
  if (g.tide) g.tide->onClockTick();
  if (g.stream) g.stream->onClockTick();
  if (g.informationActive && g.information) g.showPresentTide();
}

}  // namespace saltmark
