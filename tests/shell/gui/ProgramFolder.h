#pragma once
// A program folder for the window tests: a tide database of three ports, the location index, a difference database
// and a stream database, and the program started on it as the user would start it (start-up loads, then the main
// window's load), with a fixed clock and a scripted platform.
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>

#include "data/DifferenceFile.h"
#include "data/LocationIndexFile.h"
#include "data/StreamFile.h"
#include "data/TideDatabaseFile.h"
#include "platform/ScriptedPlatform.h"
#include "shell/AppState.h"
#include "shell/Startup.h"
#include "shell/gui/MainWindow.h"
#include "support/TestSupport.h"

namespace saltmark::test {

inline const DateTime kFixedClock = DateTime::fromCivil(2026, 6, 15, 12, 0, 0);

// name, zone (hours, west positive), the six position fields, then 47 values.
inline std::string portLine(const std::string& name, const std::string& zone, const std::string& position) {
  std::string line = name + "," + zone + "," + position;
  for (int i = 0; i < 47; ++i) line += ",0";
  return line;
}

inline double radians(double degrees) { return degrees * 3.14159265358979 / 180; }

inline void writeSampleFolder(const std::filesystem::path& folder) {
  if (!WriteTideDatabaseFile(folder / "SOUTH.tid", "Saltmark 100", {},
                             {portLine("Southampton", "0", "50,54,N,1,24,W"),
                              portLine("Portsmouth", "0", "50,48,N,1,7,W"),
                              portLine("Cherbourg", "-1", "49,39,N,1,38,W")}))
    throw std::runtime_error("database");
  const LocationIndexContents index{{"SOUTH.tid"},
                                    {{0, 0, "Southampton", radians(50.9), radians(-1.4)},
                                     {0, 1, "Portsmouth", radians(50.8), radians(-1.1167)},
                                     {0, 2, "Cherbourg", radians(49.65), radians(-1.6333)}}};
  if (!WriteLocationIndexFile(folder / "SALTMARK.IND", index)) throw std::runtime_error("index");

  const std::vector<DifferenceRecord> differences = {{"Cowes", "50\xB0" "46'N", "1\xB0" "18'W", 1, 0, {}},
                                                     {"Lymington", "", "", 0, 0, {}}};
  if (!DifferenceFile::write(folder / "USER.dif", differences)) throw std::runtime_error("differences");

  std::vector<StreamRecord> stations;
  for (const auto& [name, lat, lon] : {std::tuple{"Diamond A", "50 40N", "1 10W"}, {"Diamond B", "50 40N", "1 20W"},
                                       {"Diamond C", "50 45N", "1 15W"}, {"Diamond D", "50 50N", "1 30W"}}) {
    StreamRecord& station = stations.emplace_back();
    station.name = name, station.latitudeText = lat, station.longitudeText = lon, station.referencePort = 1;
  }
  if (!StreamFile::write(folder / "USER.vel", stations)) throw std::runtime_error("streams");
}

// The program on a folder: start-up loads and the main window's load.
struct RunningProgram {
  explicit RunningProgram(const std::filesystem::path& folder, bool load = true) : state(platform, folder) {
    SetWorkingFolder(folder);
    if (load) start();
  }
  void start() {
    LoadStartupData(state);
    window = std::make_unique<MainWindow>(state, [this] { return clock; });
    window->show();
    window->Form_Load();
  }
  template <typename T>
  T* find(const char* name) const {
    return window->findChild<T*>(name);
  }
  QAction* action(const char* name) const { return find<QAction>(name); }
  void choose(const char* comboName, const std::string& entry) {
    auto* combo = find<QComboBox>(comboName);
    const int index = combo->findText(QString::fromLatin1(entry.c_str()));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  void click(const char* listName, int row) {
    auto* list = find<QListWidget>(listName);
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    emit list->itemClicked(list->item(row));
  }

  ScriptedPlatform platform;
  AppState state;
  DateTime clock = kFixedClock;
  std::unique_ptr<MainWindow> window;
};

}  // namespace saltmark::test
