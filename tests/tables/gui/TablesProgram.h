#pragma once
// The program folder of the main window tests, with a tide at its ports (so
// that tables have high and low waters to list) and streams at its
// stations, and the steps a user takes to open a table's settings.
#include <cmath>
#include <string>

#include <QLineEdit>
#include <QPushButton>

#include "shell/gui/ProgramFolder.h"
#include "shell/gui/WindowSet.h"
#include "tables/gui/TideTableDialog.h"

namespace saltmark::test {

// A port whose tide is mostly M2 and S2, with a little diurnal inequality.
inline std::string tidalPortLine(const std::string& name, const std::string& zone, const std::string& position,
                                 double m2Phase) {
  std::string line = name + "," + zone + "," + position;
  const double harmonics[13] = {2.8, m2Phase, 1.4, m2Phase + 40, 0.45, 100, 0.08, 90, 0.07, 20, 0.1, 0, 0};
  for (double value : harmonics) line += "," + std::to_string(value);
  for (int i = 13; i < 47; ++i) line += ",0";
  return line;
}

inline void writeTidalFolder(const std::filesystem::path& folder) {
  writeSampleFolder(folder);
  if (!WriteTideDatabaseFile(folder / "SOUTH.tid", "Saltmark 100", {},
                             {tidalPortLine("Southampton", "0", "50,54,N,1,24,W", 330),
                              tidalPortLine("Portsmouth", "0", "50,48,N,1,7,W", 320),
                              tidalPortLine("Cherbourg", "-1", "49,39,N,1,38,W", 230)}))
    throw std::runtime_error("database");
  // Floods to the east and ebbs to the west, fastest three hours either side
  // of high water; rates in hundredths of a knot.
  std::vector<StreamRecord> stations(2);
  const char* names[] = {"Diamond A", "Diamond B"};
  for (std::size_t i = 0; i < stations.size(); ++i) {
    StreamRecord& s = stations[i];
    s.name = names[i];
    s.latitudeText = "50 40N";
    s.longitudeText = i == 0 ? "1 10W" : "1 20W";
    s.referencePort = 1;
    for (int j = 0; j < kStreamHours; ++j) {
      const double phase = 3.14159265358979 * (j - kStreamHighWaterHour) / 6.0;
      s.direction[j] = j < kStreamHighWaterHour ? 80 : 260;
      s.springRate[j] = static_cast<std::int16_t>(std::lround(250 * std::abs(std::sin(phase)) + 10 * i));
      s.neapRate[j] = static_cast<std::int16_t>(s.springRate[j] / 2);
    }
  }
  if (!StreamFile::write(folder / "USER.vel", stations)) throw std::runtime_error("streams");
}

// The start boxes as the user types them.
inline void typeStart(RunningProgram& program, const char* date, const char* time) {
  program.find<QLineEdit>("pdatebox")->setText(date);
  program.find<QLineEdit>("ptimebox")->setText(time);
}

inline void pressTable(RunningProgram& program) { program.find<QPushButton>("table")->click(); }

template <typename T = QWidget>
T* tableWindow(RunningProgram& program, const char* name) {
  return qobject_cast<T*>(program.window->windows().window(name));
}

// Portsmouth chosen, the start typed, the Table button pressed.
inline TideTableDialog* openTideDialog(RunningProgram& program) {
  program.choose("Tfile", "SOUTH.tid");
  program.click("tloc", 1);
  typeStart(program, "5/12/2026", "0:00");
  pressTable(program);
  return tableWindow<TideTableDialog>(program, "Tableset");
}

// A control of a window by its name.
template <typename T>
T* control(QWidget* window, const char* name) {
  return window ? window->findChild<T*>(name) : nullptr;
}

}  // namespace saltmark::test
