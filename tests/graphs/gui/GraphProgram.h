#pragma once
// A program folder with a harbour of real semi-diurnal constants (springs,
// neaps, shallow-water terms) and a tidal diamond on it, and the program
// started there with the port chosen and the start typed, ready for Graph.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QWidget>

#include "shell/gui/ProgramFolder.h"
#include "shell/gui/WindowSet.h"

namespace saltmark::test {

// The fields of a tide database line for a port with real constants.
inline std::string harbourLine(const std::string& name, const std::string& position) {
  std::string line = name + ",0," + position;
  const char* harmonic[] = {"2.95", "112.4", "1.62", "151.0", "0.55", "322.7", "0.09",
                            "310.2", "0.08", "230.0", "0.021", "40.0", "0.004"};
  for (const char* value : harmonic) line += std::string(",") + value;
  // 12 monthly mean levels, then 12 monthly amplitude factors and 10 spring-neap levels
  for (int i = 0; i < 34; ++i) line += i < 12 ? ",0.01" : ",0";
  return line;
}

// A diamond that floods east and ebbs west, 2.5 knots at springs.
inline StreamRecord diamond(const std::string& name, std::int16_t referencePort) {
  StreamRecord station;
  station.name = name;
  station.latitudeText = "50 40N";
  station.longitudeText = "1 10W";
  station.referencePort = referencePort;
  for (int j = 0; j < kStreamHours; ++j) {
    const auto i = static_cast<std::size_t>(j);
    station.direction[i] = j < kStreamHighWaterHour ? 90 : 270;
    const int fromSlack = j < kStreamHighWaterHour ? std::min(j, 6 - j) : std::min(j - 6, 12 - j);
    station.springRate[i] = static_cast<std::int16_t>(80 * fromSlack + 10);
    station.neapRate[i] = static_cast<std::int16_t>(40 * fromSlack + 5);
  }
  return station;
}

inline void writeHarbourFolder(const std::filesystem::path& folder) {
  if (!WriteTideDatabaseFile(folder / "HARBOUR.tid", "Saltmark 100", {}, {harbourLine("Harbourton", "50,48,N,1,7,W")}))
    throw std::runtime_error("database");
  LocationIndexContents index{.databaseNames = {"HARBOUR.tid"},
                              .entries = {{0, 0, "Harbourton", radians(50.8), radians(-1.1167)}}};
  if (!WriteLocationIndexFile(folder / "SALTMARK.IND", index)) throw std::runtime_error("index");
  // The second diamond's reference port is not in the index: its stream cannot be computed.
  const std::vector<StreamRecord> stations = {diamond("Diamond A", 0), diamond("Lost Diamond", 40)};
  if (!StreamFile::write(folder / "USER.vel", stations)) throw std::runtime_error("streams");
}

struct GraphProgram : RunningProgram {
  explicit GraphProgram(const std::filesystem::path& folder, const std::string& database = "HARBOUR.tid")
      : RunningProgram(folder) {
    choose("Tfile", database);
    startAt("15 Jun 2026", "00:00");
  }
  void startAt(const char* date, const char* time) {
    find<QLineEdit>("pdatebox")->setText(date);
    find<QLineEdit>("ptimebox")->setText(time);
  }
  void useClock() {
    auto* box = find<QCheckBox>("Usenow");
    if (!box->isChecked()) box->click();
  }
  void pressGraph() { find<QPushButton>("graph")->click(); }
  QWidget* graphWindow(const char* name) const { return window->windows().window(name); }
  template <typename T>
  T* in(const char* windowName, const char* controlName) const {
    QWidget* w = graphWindow(windowName);
    return w ? w->findChild<T*>(controlName) : nullptr;
  }
  QAction* actionIn(const char* window, const char* action) const { return in<QAction>(window, action); }
  void tick(double seconds = 1) {
    clock = clock.addSeconds(seconds);
    window->UpdateClockDisplay();
  }
};

// A fresh harbour folder, written before the program that a test starts on it.
struct HarbourFolder {
  HarbourFolder() { writeHarbourFolder(dir.path()); }
  TempDir dir;
};

// A mouse event on a picture at a graph column (0..960 across its width).
inline void mouseAtColumn(QWidget* picture, QEvent::Type type, double column, Qt::MouseButton button,
                          Qt::MouseButtons held) {
  const QPointF at(column * picture->width() / 960.0, picture->height() / 2.0);
  QMouseEvent event(type, at, picture->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(picture, &event);
}

// Grabs the cursor line at column `from` and drags it to `to`.
inline void dragCursor(QWidget* picture, double from, double to) {
  mouseAtColumn(picture, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
  mouseAtColumn(picture, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  mouseAtColumn(picture, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  mouseAtColumn(picture, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

}  // namespace saltmark::test
