#pragma once
// The program's secondary windows, created on first use and afterwards only
// hidden and shown, so their controls keep the user's last choices for the
// whole run. The main window calls these after its own checks (selection,
// start date and time already read into the state).
#include <memory>

class QWidget;

namespace saltmark {
class ProgressWindow;
}

namespace saltmark {

struct AppState;

class WindowSet {
 public:
  WindowSet(AppState& state, QWidget* mainWindow);
  ~WindowSet();
  WindowSet(const WindowSet&) = delete;
  WindowSet& operator=(const WindowSet&) = delete;

  // Tables: the settings dialog, the run in the progress window, the viewer.
  void showTideTable();
  void showStreamTable();
  // Graphs: the column fill in the progress window, then the graph window.
  void showTideGraph();
  void showStreamGraph();
  // The anchoring calculator, the information display and the alarm dialog.
  void showAnchorCalculator();
  void showInformation();
  void showAlarm();
  // The database editors (modal).
  void showDifferenceEditor();
  void showStreamEditor();
  // The publisher's mode panel, owned by the caller's layout.
  QWidget* createPublisherPanel(QWidget* parent);

  // The clock-driven steps of the once-a-second refresh: the graph cursors
  // that are still live, the information display and the clearance alarm.
  void onClockTick();

  // The windows themselves, for tests and screenshots (nullptr until first shown).
  QWidget* window(const char* objectName) const;

  // The progress window every long job runs in (created on first use).
  ProgressWindow& progress();

  AppState& state() { return state_; }
  QWidget* mainWindow() { return mainWindow_; }

  // Each group of windows keeps its own part of the set.
  struct Tables;   // table dialogs, progress window, viewer
  struct Graphs;   // tide and stream graphs, anchoring calculator, information display, alarm
  struct Editors;  // difference and stream editors, publisher panel
  // Each group is complete only in its own file, so that file also deletes it.
  struct TablesDeleter {
    void operator()(Tables* tables) const;
  };
  struct GraphsDeleter {
    void operator()(Graphs* graphs) const;
  };
  struct EditorsDeleter {
    void operator()(Editors* editors) const;
  };
  using TablesPtr = std::unique_ptr<Tables, TablesDeleter>;
  using GraphsPtr = std::unique_ptr<Graphs, GraphsDeleter>;
  using EditorsPtr = std::unique_ptr<Editors, EditorsDeleter>;

  // The groups, for one group's windows to reach another's (the graphs run
  // their column fill in the tables' progress window).
  Tables& tables() { return *tables_; }
  Graphs& graphs() { return *graphs_; }
  Editors& editors() { return *editors_; }

 private:
  AppState& state_;
  QWidget* mainWindow_;
  TablesPtr tables_;
  GraphsPtr graphs_;
  EditorsPtr editors_;
  ProgressWindow* progress_ = nullptr;  // owned by the main window as its child
};

}  // namespace saltmark
