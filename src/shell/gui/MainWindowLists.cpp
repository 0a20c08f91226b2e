// The main window's lists: tide databases and their locations with the three
// orderings and the finder, difference databases and their secondary ports,
// stream databases and their stations with the interpolation frame.
#include <algorithm>
#include <cctype>

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "common/NumberFormat.h"
#include "locations/DatabaseChoice.h"
#include "locations/ListMatching.h"
#include "locations/LocationOrder.h"
#include "locations/Positions.h"
#include "platform/gui/QtText.h"
#include "shell/AppState.h"
#include "shell/gui/MainWindow.h"

namespace saltmark {
namespace {

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::optional<int> chosenRow(const QListWidget* list) {
  const QListWidgetItem* item = list->currentItem();
  if (!item || !item->isSelected()) return std::nullopt;
  return list->row(item);
}

void addEntry(QListWidget* list, const std::string& text, int itemData) {
  auto* item = new QListWidgetItem(toQt(text), list);
  item->setData(Qt::UserRole, itemData);
}

void selectRow(QListWidget* list, int row) {
  list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

// The database chosen in a drop-down, if any.
std::optional<std::string> chosenDatabase(const QComboBox* box) {
  if (box->currentIndex() < 0) return std::nullopt;
  return fromQt(box->currentText());
}

// A database's entries into its list, numbered in file order, and the first
// one chosen, all with the list's signals held: the caller then shows the
// labels once, for it.
void fillChoosingFirst(QListWidget* list, const std::vector<std::string>& names) {
  const QSignalBlocker quiet(list);
  list->clear();
  for (std::size_t i = 0; i < names.size(); ++i) addEntry(list, names[i], static_cast<int>(i));
  if (list->count() > 0) selectRow(list, 0);
}

template <class Table>
using SelectDatabase = bool (*)(std::string_view, Table&, std::vector<std::string>&, Settings&, Platform&,
                                const std::filesystem::path&);

// A user database into its table, its names into the list (the first one
// chosen) and their number into `count`. False, with nothing changed, when
// the database was refused.
template <class Table>
bool loadIntoList(SelectDatabase<Table> select, const std::string& name, Table& table, QListWidget* list, int& count,
                  AppState& state) {
  std::vector<std::string> names;
  if (!select(name, table, names, state.settings, state.platform, {})) return false;
  count = static_cast<int>(names.size());
  fillChoosingFirst(list, names);
  return true;
}

}  // namespace

void MainWindow::listDataFiles(QComboBox* list, const char* extension) {
  list->clear();
  std::vector<std::string> names;
  std::error_code error;
  const std::string wanted = std::string(".") + extension;
  for (const auto& file : std::filesystem::directory_iterator(state_.programFolder, error)) {
    if (!file.is_regular_file(error)) continue;
    const std::string name = file.path().filename().string();
    if (lowerCase(file.path().extension().string()) == wanted) names.push_back(name);
  }
  // Sorted, so the list reads the same on every start.
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) list->addItem(toQt(name));
  list->setCurrentIndex(-1);
}

void MainWindow::refreshDatabaseLists() {
  for (auto [list, extension] : {std::pair{Dfile_, "dif"}, std::pair{Sfile_, "vel"}}) {
    const std::string chosen = list->currentIndex() >= 0 ? fromQt(list->currentText()) : std::string();
    listDataFiles(list, extension);
    if (!chosen.empty()) setListText(list, chosen);
  }
}

void MainWindow::setListText(QComboBox* list, const std::string& text) {
  std::vector<std::string> entries;
  for (int i = 0; i < list->count(); ++i) entries.push_back(fromQt(list->itemText(i)));
  const auto match = MatchListText(entries, std::nullopt, text);
  list->setCurrentIndex(match.value_or(-1));
}

// ---- Tide databases and locations ----

void MainWindow::Tfile_Click() {
  if (Tfile_->currentIndex() < 0) return;
  loadTideDatabase(fromQt(Tfile_->currentText()));
}

void MainWindow::loadTideDatabase(const std::string& name) {
  tloc_->setEnabled(false);
  const bool loaded = SelectTideDatabase(name, state_.tideDatabase, state_.settings, state_.platform);
  if (loaded) {
    fillLocationList();
    if (tloc_->count() > 0) {
      selectRow(tloc_, 0);
      tloc_Click();
    }
  }
  tloc_->setEnabled(Sort_By_->checkedId() != 2);
}

void MainWindow::fillLocationList() {
  tloc_->clear();
  nearest_.clear();
  const auto order = Sort_By_->checkedId() == 1 ? LocationOrder::Coastal : LocationOrder::Alphabetical;
  for (const LocationListEntry& entry : OrderedLocationList(state_.tideDatabase, order))
    addEntry(tloc_, entry.name, entry.locationIndex);
}

void MainWindow::selectLocationNamed(const std::string& name) {
  const QList<QListWidgetItem*> found = tloc_->findItems(toQt(name), Qt::MatchExactly);
  if (found.isEmpty()) return;
  tloc_->setCurrentItem(found.front(), QItemSelectionModel::ClearAndSelect);
  tloc_Click();
}

void MainWindow::tloc_Click() {
  const auto row = chosenRow(tloc_);
  if (!row) return;
  const QListWidgetItem* item = tloc_->item(*row);
  const int itemData = item->data(Qt::UserRole).toInt();
  int line = itemData;
  if (Sort_By_->checkedId() == 2) {
    // The finder's list: item data are location numbers of the whole index.
    const LocationIndexEntry* entry = state_.locationIndex.entry(itemData);
    const std::string database = entry ? state_.locationIndex.databaseName(entry->databaseNumber) : std::string();
    if (database.empty() || !state_.tideDatabase.LoadDatabaseIfNew(database, state_.platform)) return;
    state_.settings.tideDatabasePath = database;
    setListText(Tfile_, database);
    line = entry->locationNumber;
    if (static_cast<std::size_t>(*row) < nearest_.size())
      distlab_->setText(toQt(FormatNumberPoint(nearest_[static_cast<std::size_t>(*row)].distance, "0.00")));
  }
  if (!state_.tideDatabase.ReadLocation(line, state_.location, state_.settings, state_.platform,
                                        [this] { UpdateClockDisplay(); }))
    return;
  state_.selectedLocation = line;
  state_.engine.setPort(state_.location);
  state_.settings.locationName = fromQt(item->text());
  showLocationLabels();
}

void MainWindow::showLocationLabels() {
  latbox_->setText(toQt(state_.location.latitudeText));
  Lonbox_->setText(toQt(state_.location.longitudeText));
}

void MainWindow::Sort_By_Click(int index) {
  const SortByView view = SortBy(index);
  finder_->setVisible(view.finderVisible);
  distlab_->setVisible(view.finderVisible);
  Tfile_->setEnabled(view.tideListsEnabled);
  tloc_->setEnabled(view.tideListsEnabled);
  if (view.listOrder) {
    if (!state_.tideDatabase.currentDatabase().empty()) {
      fillLocationList();
      selectLocationNamed(state_.settings.locationName);
    }
  } else {
    tloc_->clear();
    nearest_.clear();
    latbox_->clear();
    Lonbox_->clear();
    distlab_->clear();
  }
}

void MainWindow::Find_Click() {
  const FinderResult result = FindNearestLocations(state_.locationIndex, fromQt(Findlat_->text()),
                                                   fromQt(Findlon_->text()));
  tloc_->clear();
  nearest_ = result.nearest;
  for (const NearestLocation& place : nearest_) addEntry(tloc_, place.name, place.locationNumber);
  if (!result.databaseName.empty()) setListText(Tfile_, result.databaseName);
  tloc_->setEnabled(true);
  Tfile_->setEnabled(true);
  if (tloc_->count() > 0) {
    selectRow(tloc_, 0);
    tloc_Click();
  }
}

// Any change to the position or distance asks for a new search.
void MainWindow::FinderBox_Change() {
  tloc_->clear();
  tloc_->setCurrentRow(-1);
  tloc_->setEnabled(false);
  nearest_.clear();
  latbox_->clear();
  Lonbox_->clear();
  distlab_->clear();
  state_.settings.findLatitude = fromQt(Findlat_->text());
  state_.settings.findLongitude = fromQt(Findlon_->text());
}

void MainWindow::Finddist_LostFocus() {
  state_.settings.findDistance = fromQt(Finddist_->text());
  Finddist_->setText(toQt(FinderDistanceText(state_.settings.findDistance)));
}

void MainWindow::positionBox_LostFocus(QLineEdit* box, int kind) {
  const std::string text = fromQt(box->text());
  if (text.empty()) return;
  box->setText(toQt(kind == kLatitude ? NormaliseLatitudeText(text) : NormaliseLongitudeText(text)));
  if (box == Findlat_) state_.settings.findLatitude = fromQt(box->text());
  if (box == Findlon_) state_.settings.findLongitude = fromQt(box->text());
}

// ---- Difference databases ----

void MainWindow::Dfile_Click() {
  if (const auto name = chosenDatabase(Dfile_)) loadDifferenceDatabase(*name);
}

void MainWindow::loadDifferenceDatabase(const std::string& name) {
  if (loadIntoList(SelectDifferenceDatabase, name, state_.differenceTable, Dloc_, state_.differenceCount, state_))
    Dloc_Click();
}

void MainWindow::Dloc_Click() {
  for (QLabel* label : {rfp_, Rlat_, Rlon_, dlat_, dlon_}) label->clear();
  const auto row = chosenRow(Dloc_);
  state_.selectedDifferenceRecord = row.value_or(-1);
  if (!row) return;
  const DifferenceLocationLabels labels =
      ShowDifferenceLocation(state_.differenceTable, *row, state_.locationIndex);
  dlat_->setText(toQt(labels.dlat));
  dlon_->setText(toQt(labels.dlon));
  rfp_->setText(toQt(labels.rfp));
  Rlat_->setText(toQt(labels.Rlat));
  Rlon_->setText(toQt(labels.Rlon));
}

// ---- Stream databases and stations ----

void MainWindow::Sfile_Click() {
  if (const auto name = chosenDatabase(Sfile_)) loadStreamDatabase(*name);
}

void MainWindow::loadStreamDatabase(const std::string& name) {
  if (loadIntoList(SelectStreamDatabase, name, state_.streamTable, Sloc_, state_.streamCount, state_)) Sloc_Click();
}

void MainWindow::Sloc_Click() {
  if (choosingStations_) return;
  std::vector<bool> selected(static_cast<std::size_t>(Sloc_->count()));
  for (int i = 0; i < Sloc_->count(); ++i) selected[static_cast<std::size_t>(i)] = Sloc_->item(i)->isSelected();
  const StationFrame frame = ChooseStreamStations(selected, state_.streamTable, state_.stations);
  // A fourth Ctrl-click is taken back.
  choosingStations_ = true;
  for (int i = 0; i < Sloc_->count(); ++i) {
    if (Sloc_->item(i)->isSelected() && !selected[static_cast<std::size_t>(i)]) Sloc_->item(i)->setSelected(false);
  }
  choosingStations_ = false;
  showStationFrame(frame);
}

void MainWindow::SFind_Click() {
  InterpolateStreams(fromQt(Slat_->text()), fromQt(Slon_->text()), state_.streamTable, state_.stations,
                     stationFrame_, state_.platform);
  showStationFrame(stationFrame_);
}

void MainWindow::showStationFrame(const StationFrame& frame) {
  stationFrame_ = frame;
  for (QWidget* w : std::initializer_list<QWidget*>{Slat_, Slon_, SFind_, dlab_, plab_})
    w->setVisible(frame.interpolationVisible);
  SFind_->setText(frame.buttonCaption.empty() ? QString("&Interpolate") : toQt(frame.buttonCaption));
  for (std::size_t k = 0; k < stationRows_.size(); ++k) {
    const StationRowLabels& labels = stationRows_[k];
    const bool shown = k < frame.rows.size();
    for (QLabel* label : {labels.srecname, labels.slats, labels.slons, labels.srans, labels.spercent})
      label->setVisible(shown);
    labels.srans->setVisible(shown && frame.interpolationVisible);
    if (!shown) continue;
    const StationRow& row = frame.rows[k];
    labels.srecname->setText(toQt(row.name));
    labels.slats->setText(toQt(row.latitudeText));
    labels.slons->setText(toQt(row.longitudeText));
    labels.srans->setText(toQt(row.distanceText));
    labels.spercent->setText(toQt(row.weightText));
  }
}

}  // namespace saltmark
