#pragma once
// The main window Form1, the control panel from which every function is
// reached: the always-visible panel (start date, start time, time base, zone,
// Table and Graph), four mode panels of which the selected mode shows one
// (heights at Saltmark locations, streams at user locations, heights at user
// difference locations, the web publisher), the menu bar and the one-second
// clock. Its handlers keep the names of the controls they serve.
//
// The window's code is split by concern:
//   MainWindowLayout.cpp   the controls and the panels
//   MainWindowMenus.cpp    the menu bar and its commands, About and Exit
//   MainWindowLists.cpp    the database and location lists, finder, stations
//   MainWindowClock.cpp    the clock refresh, time base, start boxes, Zones
//   MainWindowLoad.cpp     the load sequence and the Table and Graph buttons
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QMainWindow>

#include "common/DateTime.h"
#include "locations/Finder.h"
#include "locations/StreamStations.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

namespace saltmark {

struct AppState;
class WindowSet;
class ZonesDialog;
class HelpWindow;
class SaveDirectoryChooser;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // The computer's clock, replaceable for tests.
  using Clock = std::function<DateTime()>;
  static DateTime systemClock();

  explicit MainWindow(AppState& state, Clock clock = systemClock, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The load sequence: restores the last run's choices from the settings
  // record, then shows the first prediction.
  void Form_Load();

  // Once a second: clocks, zone label, the start boxes when "Use Clock" is
  // checked, then the clock-driven views of the window set.
  void UpdateClockDisplay();
  // The start boxes into the state's start instant; false when unreadable.
  bool ReadStartInstant();
  // The check before every prediction; brings the chosen port into place.
  bool CheckSelection();
  // What Table, Graph and Generate check first: the start boxes as if they
  // lost the focus, the selection, then the start instant.
  bool readyToPredict();
  // The difference and stream database lists again (an editor may have
  // saved a new file), keeping what is chosen and loaded.
  void refreshDatabaseLists();

  // The exit sequence: true when the program may end (the save question was
  // not cancelled). Exit and the close box both come here.
  bool runExitSequence();
  bool exitConfirmed() const { return exitConfirmed_; }

  WindowSet& windows();
  HelpWindow& help();
  ZonesDialog* zonesDialog() const { return zones_.get(); }
  SaveDirectoryChooser* saveDirectoryChooser() const { return saveDirForm_.get(); }
  AppState& state() { return state_; }

 signals:
  // The user confirmed the exit: the program ends.
  void exitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  // Menus.
  void Vessel_Click();
  void Draught_Click();
  void offset_Click();
  void zone_Click();
  void mono_Click();
  void Colour_Click();
  void metric_Click();
  void feet_Click();
  void speed_units_Click(int index);
  void Tidemode_Click(int index);
  void Db_Str_Click();
  void Db_Diff_Click();
  void MNU_Find_Click();
  void MNU_Index_Click();
  void MNU_Contents_Click();
  void About_Click();
  void Exit_Click();

  // Lists.
  void Tfile_Click();
  void tloc_Click();
  void Sort_By_Click(int index);
  void Find_Click();
  void FinderBox_Change();
  void Dfile_Click();
  void Dloc_Click();
  void Sfile_Click();
  void Sloc_Click();
  void SFind_Click();

  // Always-visible panel.
  void Usenow_Click();
  void gmtcheck_Click(int index);
  void table_Click();
  void graph_Click();
  void Clock_Tick();
  void Image2_Click();

 private:
  void buildLayout();
  QWidget* buildTimePanel();
  QGroupBox* buildHeightsPanel();
  QGroupBox* buildStreamsPanel();
  QGroupBox* buildDifferencesPanel();
  QWidget* buildPublisherPanel();
  void buildMenus();

  void ApplyColourScheme();
  void changeHeightUnit(bool metric);
  void showModePanel(int index);

  // Lists.
  void listDataFiles(QComboBox* list, const char* extension);
  void setListText(QComboBox* list, const std::string& text);
  void loadTideDatabase(const std::string& name);
  void fillLocationList();
  void selectLocationNamed(const std::string& name);
  void showLocationLabels();
  void loadDifferenceDatabase(const std::string& name);
  void loadStreamDatabase(const std::string& name);
  void showStationFrame(const StationFrame& frame);
  void Finddist_LostFocus();
  void positionBox_LostFocus(QLineEdit* box, int kind);

  // Clock and boxes.
  void pdatebox_LostFocus();
  void ptimebox_LostFocus();
  void applyZoneLabelColours();
  void SetAutoLocalZone(int value);
  // Runs the handlers of a box whose focus is about to be taken away.
  void commitFocusedBox();
  // The check of the box the focus leaves (none for other controls).
  void checkBoxLeft(QObject* box);

  AppState& state_;
  Clock clock_;
  std::unique_ptr<WindowSet> windows_;
  std::unique_ptr<ZonesDialog> zones_;
  std::unique_ptr<HelpWindow> help_;
  std::unique_ptr<SaveDirectoryChooser> saveDirForm_;
  bool exitConfirmed_ = false;
  bool inBoxCheck_ = false;
  bool overflowShown_ = false;
  bool zonesOpen_ = false;

  // Always-visible panel.
  QLineEdit* pdatebox_ = nullptr;
  QLineEdit* ptimebox_ = nullptr;
  QCheckBox* Usenow_ = nullptr;
  QButtonGroup* gmtcheck_ = nullptr;
  QLabel* DZone_ = nullptr;
  QPushButton* table_ = nullptr;
  QPushButton* graph_ = nullptr;
  QTimer* Clock_Tick_ = nullptr;
  std::array<QGroupBox*, 4> modePanels_{};
  std::vector<QWidget*> backgroundWidgets_;  // frames and options that take the scheme's background

  // Heights.
  QComboBox* Tfile_ = nullptr;
  QListWidget* tloc_ = nullptr;
  QButtonGroup* Sort_By_ = nullptr;
  QFrame* finder_ = nullptr;
  QLineEdit* Findlat_ = nullptr;
  QLineEdit* Findlon_ = nullptr;
  QLineEdit* Finddist_ = nullptr;
  QLabel* distlab_ = nullptr;
  QPushButton* Find_ = nullptr;
  QLabel* latbox_ = nullptr;
  QLabel* Lonbox_ = nullptr;
  std::vector<NearestLocation> nearest_;

  // Streams.
  QComboBox* Sfile_ = nullptr;
  QListWidget* Sloc_ = nullptr;
  QLineEdit* Slat_ = nullptr;
  QLineEdit* Slon_ = nullptr;
  QPushButton* SFind_ = nullptr;
  QLabel* dlab_ = nullptr;
  QLabel* plab_ = nullptr;
  struct StationRowLabels {
    QLabel *srecname, *slats, *slons, *srans, *spercent;
  };
  std::array<StationRowLabels, kMaxChosenStations> stationRows_{};
  StationFrame stationFrame_;
  bool choosingStations_ = false;

  // Differences.
  QComboBox* Dfile_ = nullptr;
  QListWidget* Dloc_ = nullptr;
  QLabel *rfp_ = nullptr, *Rlat_ = nullptr, *Rlon_ = nullptr, *dlat_ = nullptr, *dlon_ = nullptr;

  // Publisher.
  QLineEdit* savedir_ = nullptr;

  // Menus.
  QAction *Colour_ = nullptr, *mono_ = nullptr, *metric_ = nullptr, *feet_ = nullptr;
  std::array<QAction*, 4> speed_units_{};
  std::array<QAction*, 4> Tidemode_{};
};

}  // namespace saltmark
