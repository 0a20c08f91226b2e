#pragma once
// The windows the screenshots show, in order. Each entry names its PNG file
// and a function that brings the window up as a user would (choices made,
// boxes filled) and returns it; the runner then saves what the window shows
// and hides it again. A new window is one more line in WindowShots().
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "platform/ScriptedPlatform.h"
#include "shell/AppState.h"

class QWidget;

namespace saltmark {
class MainWindow;
}

namespace saltmark::screenshots {

// The running program the windows are opened on.
class ScreenshotSession {
 public:
  explicit ScreenshotSession(std::filesystem::path folder);
  ~ScreenshotSession();

  // The main window, started (its load run) on first use.
  MainWindow& main();
  // Windows the session keeps alive itself (the start-up window, choosers).
  template <typename T>
  T* keep(std::unique_ptr<T> window) {
    T* raw = window.get();
    owned_.push_back(std::move(window));
    return raw;
  }

  ScriptedPlatform platform;
  AppState state;

 private:
  std::unique_ptr<MainWindow> main_;
  std::vector<std::unique_ptr<QWidget>> owned_;
};

struct WindowShot {
  const char* file;  // e.g. "tableset.png"
  std::function<QWidget*(ScreenshotSession&)> show;
};

const std::vector<WindowShot>& WindowShots();

// Helpers for the entries: the main window in a mode with the first
// database of that mode chosen, and a press of its Table button.
void chooseMode(ScreenshotSession& session, int mode);
void pressTable(ScreenshotSession& session);

}  // namespace saltmark::screenshots
