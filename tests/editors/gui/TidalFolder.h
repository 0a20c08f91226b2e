#pragma once
// A program folder whose ports have real tides (the main window tests' ports
// have none), for window tests that predict: a tide database of three ports
// with semidiurnal constants and the location index of them. Also small
// helpers to drive a window as a user would.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include "data/LocationIndexFile.h"
#include "data/TideDatabaseFile.h"

namespace saltmark::test {

// name, zone, position, then mean level, M2 phase/amplitude, S2, K1, O1 and
// the shallow-water terms; monthly and spring-neap levels all zero.
inline std::string tidalPortLine(const std::string& name, const std::string& zone, const std::string& position,
                                 const std::string& harmonics) {
  std::string line = name + "," + zone + "," + position + "," + harmonics;
  for (int i = 0; i < 34; ++i) line += ",0";
  return line;
}

inline const std::vector<std::string>& tidalPortLines() {
  static const std::vector<std::string> lines = {
      tidalPortLine("Southampton", "0", "50,54,N,1,24,W", "2.9,330,1.36,20,0.45,100,0.08,330,0.08,0,0,0,0"),
      tidalPortLine("Portsmouth", "0", "50,48,N,1,7,W", "2.8,320,1.40,10,0.46,105,0.07,325,0.07,0,0,0,0"),
      tidalPortLine("Cherbourg", "-1", "49,39,N,1,38,W", "3.8,210,1.90,255,0.70,90,0.08,320,0.07,0,0,0,0")};
  return lines;
}

inline void writeTidalFolder(const std::filesystem::path& folder) {
  if (!WriteTideDatabaseFile(folder / "SOUTH.tid", "Saltmark 100", {}, tidalPortLines()))
    throw std::runtime_error("database");
  const double degree = 3.14159265358979 / 180;
  LocationIndexContents index;
  index.databaseNames = {"SOUTH.tid"};
  index.entries = {{0, 0, "Southampton", 50.9 * degree, -1.4 * degree},
                   {0, 1, "Portsmouth", 50.8 * degree, -(1 + 7.0 / 60) * degree},
                   {0, 2, "Cherbourg", 49.65 * degree, -(1 + 38.0 / 60) * degree}};
  if (!WriteLocationIndexFile(folder / "SALTMARK.IND", index)) throw std::runtime_error("index");
}

// Types into a box key by key, as the user does (each key is a change).
inline void typeInto(QLineEdit* box, const std::string& text) {
  for (char c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
    QApplication::sendEvent(box, &press);
  }
}

// The box loses the focus (offscreen windows are not active, so focus moves
// do not arrive by themselves).
inline void leaveBox(QWidget* box) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(box, &out);
}

// A window's child by its objectName; a missing one fails the test.
template <typename T>
T* child(QWidget& window, const QString& name) {
  T* found = window.findChild<T*>(name);
  EXPECT_NE(found, nullptr) << name.toStdString();
  return found;
}

// Clears a box, types into it and leaves it.
inline void typeBox(QWidget& window, const QString& name, const std::string& typed) {
  QLineEdit* box = child<QLineEdit>(window, name);
  box->clear();
  typeInto(box, typed);
  leaveBox(box);
}

// Runs steps while the modal window named windowName is open, after
// opening starts it; a window the steps left open is closed afterwards, so
// a failed step never leaves the test waiting.
inline bool whileModal(QWidget* owner, const char* windowName, const std::function<void()>& open,
                       const std::function<void(QDialog&)>& steps) {
  struct Watch {
    bool ran = false;
    bool over = false;  // open() has returned: stop looking
    std::function<void()> look;
  };
  auto watch = std::make_shared<Watch>();
  std::weak_ptr<Watch> weak = watch;
  watch->look = [weak, owner, windowName, &steps] {
    auto w = weak.lock();
    if (!w || w->over) return;
    auto* dialog = owner->findChild<QDialog*>(windowName);
    if (!dialog || !dialog->isVisible()) {
      QTimer::singleShot(10, owner, [weak] { if (auto again = weak.lock()) again->look(); });
      return;
    }
    w->ran = true;
    steps(*dialog);
    if (dialog->isVisible()) dialog->done(QDialog::Rejected);
  };
  QTimer::singleShot(0, owner, [weak] { if (auto w = weak.lock()) w->look(); });
  open();
  watch->over = true;
  return watch->ran;
}

}  // namespace saltmark::test
