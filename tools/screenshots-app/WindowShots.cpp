#include "WindowShots.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "data/gui/WaitWindow.h"
#include "data/gui/ZonesDialog.h"
#include "editors/gui/DifferenceEditorWindow.h"
#include "editors/gui/StreamEditorWindow.h"
#include "shell/Startup.h"
#include "shell/gui/HelpWindow.h"
#include "shell/gui/MainWindow.h"
#include "shell/gui/SaveDirectoryChooser.h"
#include "shell/gui/WindowSet.h"
#include "tables/gui/ProgressWindow.h"

namespace saltmark::screenshots {
namespace {

template <typename T>
T* find(ScreenshotSession& session, const char* name) {
  return session.main().findChild<T*>(name);
}

// Picks the first entry of a database list, as a click would.
void chooseFirst(ScreenshotSession& session, const char* listName) {
  auto* list = find<QComboBox>(session, listName);
  if (!list || list->count() == 0) return;
  list->setCurrentIndex(0);
  emit list->activated(0);
}

void clickRow(ScreenshotSession& session, const char* listName, int row) {
  auto* list = find<QListWidget>(session, listName);
  if (!list || row >= list->count()) return;
  list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  emit list->itemClicked(list->item(row));
}

QWidget* mainInMode(ScreenshotSession& session, int mode) {
  chooseMode(session, mode);
  return &session.main();
}

QWidget* tableWindow(ScreenshotSession& session, int mode, const char* name) {
  chooseMode(session, mode);
  pressTable(session);
  return session.main().windows().window(name);
}

QWidget* tableWithText(ScreenshotSession& session, int mode, const char* dialogName) {
  QWidget* dialog = tableWindow(session, mode, dialogName);
  if (!dialog) return nullptr;
  if (auto* days = dialog->findChild<QLineEdit*>("Days_Box")) days->setText("2");
  if (auto* calculate = dialog->findChild<QPushButton*>("OK")) calculate->click();
  return session.main().windows().window("Tabulate");
}

// The progress window part way through a job.
QWidget* progressPartWay(ScreenshotSession& session) {
  ProgressWindow& progress = session.main().windows().progress();
  progress.show();
  progress.DrawProgress(480, 1000);
  return &progress;
}

// A graph window after a press of the Graph button in a mode.
QWidget* graphWindow(ScreenshotSession& session, int mode, const char* name) {
  chooseMode(session, mode);
  if (auto* graph = find<QPushButton>(session, "graph")) graph->click();
  return session.main().windows().window(name);
}

// A window opened from the tide graph's menu bar.
QWidget* fromTideGraph(ScreenshotSession& session, const char* action, const char* name) {
  QWidget* graph = graphWindow(session, 0, "Graphical");
  if (!graph) return nullptr;
  if (auto* item = graph->findChild<QAction*>(action)) item->trigger();
  return session.main().windows().window(name);
}

QWidget* clickIn(ScreenshotSession& session, QWidget* window, const char* button, const char* name) {
  if (!window) return nullptr;
  if (auto* b = window->findChild<QPushButton*>(button)) b->click();
  return session.main().windows().window(name);
}

// The information display follows the clock, so Use Clock goes on first.
QWidget* informationDisplay(ScreenshotSession& session) {
  if (auto* useClock = find<QCheckBox>(session, "Usenow"); useClock && !useClock->isChecked()) useClock->click();
  return fromTideGraph(session, "Display", "Info");
}

// A week of tide graph one zoom step in: day lines and the half-metre labels.
QWidget* tideGraphWeekZoomedIn(ScreenshotSession& session) {
  session.state.settings.graphDays = "7";
  QWidget* graph = graphWindow(session, 0, "Graphical");
  if (graph)
    if (auto* zoomIn = graph->findChild<QAction*>("ZoomIn")) zoomIn->trigger();
  return graph;
}

// The information display at a secondary port with a long name (the first
// one with "Kukak" in it, else the first secondary port).
QWidget* informationAtSecondaryPort(ScreenshotSession& session) {
  session.state.settings.graphDays = "1";
  chooseMode(session, 2);
  auto* files = find<QComboBox>(session, "Dfile");
  for (int f = 0; files && f < files->count(); ++f) {
    if (!files->itemText(f).startsWith("Alaska")) continue;
    files->setCurrentIndex(f);
    emit files->activated(f);
    auto* places = find<QListWidget>(session, "Dloc");
    for (int row = 0; places && row < places->count(); ++row) {
      if (!places->item(row)->text().contains("Kukak")) continue;
      clickRow(session, "Dloc", row);
      break;
    }
    break;
  }
  if (auto* useClock = find<QCheckBox>(session, "Usenow"); useClock && !useClock->isChecked()) useClock->click();
  if (auto* graph = find<QPushButton>(session, "graph")) graph->click();
  QWidget* graph = session.main().windows().window("Graphical");
  if (!graph) return nullptr;
  if (auto* item = graph->findChild<QAction*>("Display")) item->trigger();
  return session.main().windows().window("Info");
}

// A database editor with the first database of its kind in the program
// folder opened in it, shown without the modal loop that the Databases menu runs.
std::filesystem::path firstFileWith(const std::filesystem::path& folder, const char* extension) {
  std::vector<std::filesystem::path> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    if (entry.path().extension() == extension) found.push_back(entry.path());
  std::sort(found.begin(), found.end());
  return found.empty() ? std::filesystem::path() : found.front();
}

template <typename Editor>
QWidget* editorWindow(ScreenshotSession& s, const char* extension, const char* openAction) {
  s.main();  // the location index, for the reference ports
  auto* editor = s.keep(std::make_unique<Editor>(s.platform, s.state.locationIndex, s.state.programFolder, nullptr));
  editor->show();
  if (const auto file = firstFileWith(s.state.programFolder, extension); !file.empty()) {
    s.platform.fileNext(file);
    if (auto* open = editor->template findChild<QAction*>(openAction)) open->trigger();
  }
  return editor;
}

}  // namespace

ScreenshotSession::ScreenshotSession(std::filesystem::path folder) : state(platform, std::move(folder)) {
  SetWorkingFolder(state.programFolder);
}

ScreenshotSession::~ScreenshotSession() {
  owned_.clear();
  main_.reset();
}

MainWindow& ScreenshotSession::main() {
  if (!main_) {
    if (!std::any_of(owned_.begin(), owned_.end(), [](const auto& w) { return qobject_cast<WaitWindow*>(w.get()); }))
      LoadStartupData(state);
    main_ = std::make_unique<MainWindow>(state);
    main_->show();
    main_->Form_Load();
  }
  return *main_;
}

void chooseMode(ScreenshotSession& session, int mode) {
  MainWindow& main = session.main();
  if (auto* action = main.findChild<QAction*>(QString("Tidemode_%1").arg(mode))) action->trigger();
  switch (mode) {
    case 0:
      if (session.state.selectedLocation < 0) {
        chooseFirst(session, "Tfile");
        clickRow(session, "tloc", 1);
      }
      break;
    case 1:
      if (session.state.stations.count == 0) chooseFirst(session, "Sfile");
      break;
    case 2:
      if (session.state.selectedDifferenceRecord < 0) {
        chooseFirst(session, "Dfile");
        clickRow(session, "Dloc", 0);
      }
      break;
    default: break;
  }
  if (auto* date = main.findChild<QLineEdit*>("pdatebox")) date->setText("05 Dec 2026");
  if (auto* time = main.findChild<QLineEdit*>("ptimebox")) time->setText("00:00");
}

void pressTable(ScreenshotSession& session) {
  if (auto* table = find<QPushButton>(session, "table")) table->click();
}

const std::vector<WindowShot>& WindowShots() {
  static const std::vector<WindowShot> shots = {
      {"wait.png",
       [](ScreenshotSession& s) -> QWidget* {
         auto* wait = s.keep(std::make_unique<WaitWindow>(s.state));
         wait->show();
         return wait;
       }},
      {"main-heights.png", [](ScreenshotSession& s) { return mainInMode(s, 0); }},
      {"main-streams.png", [](ScreenshotSession& s) { return mainInMode(s, 1); }},
      {"main-differences.png", [](ScreenshotSession& s) { return mainInMode(s, 2); }},
      {"main-publisher.png", [](ScreenshotSession& s) { return mainInMode(s, 3); }},
      {"zones.png",
       [](ScreenshotSession& s) -> QWidget* {
         if (auto* zone = s.main().findChild<QAction*>("zone")) zone->trigger();
         return s.main().zonesDialog();
       }},
      {"tableset.png", [](ScreenshotSession& s) { return tableWindow(s, 0, "Tableset"); }},
      {"tablestr.png", [](ScreenshotSession& s) { return tableWindow(s, 1, "Tablestr"); }},
      {"progress.png", progressPartWay},
      {"tabulate.png", [](ScreenshotSession& s) { return tableWithText(s, 0, "Tableset"); }},
      {"tabulate-stream.png", [](ScreenshotSession& s) { return tableWithText(s, 1, "Tablestr"); }},
      {"help.png",
       [](ScreenshotSession& s) -> QWidget* {
         s.main().help().showContents();
         return &s.main().help();
       }},
      {"save-directory.png",
       [](ScreenshotSession& s) -> QWidget* {
         auto* chooser = s.keep(std::make_unique<SaveDirectoryChooser>(&s.main(), &s.platform));
         chooser->openOn(s.state.programFolder);
         chooser->show();
         return chooser;
       }},
      {"graph-tide.png", [](ScreenshotSession& s) { return graphWindow(s, 0, "Graphical"); }},
      {"graph-stream.png", [](ScreenshotSession& s) { return graphWindow(s, 1, "GStream"); }},
      {"anchorcalc.png", [](ScreenshotSession& s) { return fromTideGraph(s, "Anchor", "Anchorcalc"); }},
      {"formulae.png",
       [](ScreenshotSession& s) { return clickIn(s, fromTideGraph(s, "Anchor", "Anchorcalc"), "Command1", "Formulae"); }},
      {"info.png", informationDisplay},
      {"alarmform.png", [](ScreenshotSession& s) { return clickIn(s, informationDisplay(s), "Alarm", "Alarmform"); }},
      {"diffs.png", [](ScreenshotSession& s) { return editorWindow<DifferenceEditorWindow>(s, ".dif", "Diff_Open"); }},
      {"streams.png", [](ScreenshotSession& s) { return editorWindow<StreamEditorWindow>(s, ".vel", "fileopen"); }},
      {"publisher.png",
       [](ScreenshotSession& s) -> QWidget* {
         chooseMode(s, 3);
         return s.main().findChild<QWidget*>("Frame_Publisher");
       }},
      {"graph-tide-week-zoom4.png", tideGraphWeekZoomedIn},
      {"info-secondary.png", informationAtSecondaryPort},
      // Last: it leaves the session in monochrome.
      {"graph-stream-mono.png",
       [](ScreenshotSession& s) {
         s.state.settings.colourDisplay = kFalse;
         return graphWindow(s, 1, "GStream");
       }},
  };
  return shots;
}

}  // namespace saltmark::screenshots
