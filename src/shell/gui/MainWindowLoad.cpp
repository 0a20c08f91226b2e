// The main window's construction and load sequence, the check before a
// prediction, and the Table and Graph buttons.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "data/FileError.h"
#include "display/StartBoxes.h"
#include "locations/SelectionCheck.h"
#include "platform/gui/QtText.h"
#include "publisher/WebLink.h"
#include "shell/AppState.h"
#include "data/gui/ZonesDialog.h"
#include "shell/HelpTopics.h"
#include "shell/gui/HelpWindow.h"
#include "shell/gui/MainWindow.h"
#include "shell/gui/SaveDirectoryChooser.h"
#include "shell/gui/WindowSet.h"

namespace saltmark {

MainWindow::MainWindow(AppState& state, Clock clock, QWidget* parent)
    : QMainWindow(parent), state_(state), clock_(std::move(clock)) {
  setObjectName("Form1");
  setWindowTitle(toQt(kAppTitle));
  windows_ = std::make_unique<WindowSet>(state_, this);
  buildMenus();
  buildLayout();
  // F1: the help page of this window.
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, this, [this] { state_.platform.showHelpTopic(1); });
}

MainWindow::~MainWindow() = default;

WindowSet& MainWindow::windows() { return *windows_; }

HelpWindow& MainWindow::help() {
  if (!help_) help_ = std::make_unique<HelpWindow>(state_.helpFolder);
  return *help_;
}

void MainWindow::Form_Load() {
  try {
    if (savedir_) savedir_->setText(pathToQt(state_.programFolder));
    setWindowTitle(toQt(kVersionString));
    ApplyColourScheme();

    Settings& s = state_.settings;
    Colour_->setChecked(isTrue(s.colourDisplay));
    mono_->setChecked(!isTrue(s.colourDisplay));
    metric_->setChecked(s.metric());
    feet_->setChecked(!s.metric());
    speed_units_Click(std::clamp(int{s.speedUnits}, 0, 3));
    Findlat_->setText(toQt(s.findLatitude));
    Findlon_->setText(toQt(s.findLongitude));
    Finddist_->setText(toQt(s.findDistance));
    Sort_By_Click(Sort_By_->checkedId());
    gmtcheck_Click(s.timeBase);

    // Selecting a database chooses its first entry, which would overwrite
    // the name of the port to come back to.
    const std::string lastLocation = s.locationName;
    listDataFiles(Tfile_, "tid");
    setListText(Tfile_, s.tideDatabasePath);
    if (!s.tideDatabasePath.empty()) loadTideDatabase(s.tideDatabasePath);
    if (!lastLocation.empty()) selectLocationNamed(lastLocation);

    listDataFiles(Sfile_, "vel");
    setListText(Sfile_, s.streamDatabasePath);
    if (!s.streamDatabasePath.empty()) loadStreamDatabase(s.streamDatabasePath);

    listDataFiles(Dfile_, "dif");
    setListText(Dfile_, s.differenceDatabasePath);
    if (!s.differenceDatabasePath.empty()) loadDifferenceDatabase(s.differenceDatabasePath);

    Tidemode_Click(s.portMode);
    if (s.useClock != 0) {
      Usenow_->setChecked(true);
      Usenow_Click();
    }
    UpdateClockDisplay();
  } catch (const RuntimeError& error) {
    ShowFileError(state_.platform, error, "");
  }
  Clock_Tick_->start();
}

bool MainWindow::CheckSelection() {
  SelectionInput input;
  input.dateText = fromQt(pdatebox_->text());
  input.timeText = fromQt(ptimebox_->text());
  input.portMode = state_.settings.portMode;
  if (Tfile_->currentIndex() >= 0) input.tideDatabase = fromQt(Tfile_->currentText());
  if (QListWidgetItem* item = tloc_->currentItem(); item && item->isSelected())
    input.tideLocationItemData = item->data(Qt::UserRole).toInt();
  input.byDistance = Sort_By_->checkedId() == 2;
  input.streamDatabaseChosen = Sfile_->currentIndex() >= 0;
  input.streamLocationChosen = !Sloc_->selectedItems().isEmpty();
  input.stations = &state_.stations;
  input.differenceDatabaseChosen = Dfile_->currentIndex() >= 0;
  input.differenceLocationChosen = state_.selectedDifferenceRecord >= 0 && !Dloc_->selectedItems().isEmpty();
  input.selectedDifferenceRecord = state_.selectedDifferenceRecord;

  SelectionContext context{state_.tideDatabase, state_.locationIndex, state_.differenceTable, state_.location,
                           state_.settings,     state_.platform,      {},
                           [this] { UpdateClockDisplay(); }};
  const SelectionOutcome outcome = saltmark::CheckSelection(input, context);
  if (outcome.tideDatabaseText) {
    setListText(Tfile_, *outcome.tideDatabaseText);
    state_.settings.tideDatabasePath = *outcome.tideDatabaseText;
  }
  if (!outcome.complete) return false;
  if (input.portMode != 1) {
    state_.engine.setPort(state_.location);
    const bool secondary = input.portMode == 2;
    state_.engine.setSecondaryPort(
        secondary ? &state_.differenceTable.records[static_cast<std::size_t>(state_.selectedDifferenceRecord)]
                  : nullptr);
    if (!secondary) showLocationLabels();
  }
  return true;
}

// The checks shared by Table and Graph: the boxes as if they lost the focus,
// the selection, then the start instant.
static bool readyToPredict(MainWindow& window, QLineEdit* date, QLineEdit* time, Platform& platform) {
  for (QLineEdit* box : {date, time}) {
    const BoxCheck check = box == date ? CheckDateBox(fromQt(box->text())) : CheckTimeBox(fromQt(box->text()));
    if (!check.valid) {
      platform.message(box == date ? kDateNotValid : kTimeNotValid);
      box->setFocus();
      return false;
    }
    box->setText(toQt(check.text));
  }
  return window.CheckSelection() && window.ReadStartInstant();
}

bool MainWindow::readyToPredict() { return saltmark::readyToPredict(*this, pdatebox_, ptimebox_, state_.platform); }

void MainWindow::table_Click() {
  if (!readyToPredict()) return;
  if (state_.settings.portMode == 1)
    windows().showStreamTable();
  else
    windows().showTideTable();
}

void MainWindow::graph_Click() {
  if (!readyToPredict()) return;
  if (state_.settings.portMode == 1)
    windows().showStreamGraph();
  else
    windows().showTideGraph();
}

void MainWindow::Image2_Click() { OpenMakerWebSite(state_.platform); }

}  // namespace saltmark
