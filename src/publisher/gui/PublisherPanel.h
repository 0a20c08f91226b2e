#pragma once
// The main window's web publisher panel: the font face, the number of rows
// of the day grid and the save folder of the pages (a double-click on it
// opens the directory chooser, which the main window handles), whether every
// location (All_locs) and every tide database (All_tids) is published, and
// Generate, which runs the publisher in the progress window.
#include <functional>
#include <string>
#include <vector>

#include <QWidget>

#include "locations/LocationOrder.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace saltmark {

struct AppState;
class ProgressWindow;

// What the panel asks of the main window.
struct PublisherHooks {
  // The main window's own input check: the start boxes and the choice of a
  // port, which it brings into place, then the start instant.
  std::function<bool()> readyToPublish;
  std::function<std::vector<std::string>()> databaseList;  // Tfile's entries
  std::function<LocationOrder()> listOrder;                // tloc's order
  std::function<void()> refreshDisplay;                    // the clock display, after the run
};

class PublisherPanel : public QWidget {
  Q_OBJECT
 public:
  PublisherPanel(AppState& state, std::function<ProgressWindow&()> progress, PublisherHooks hooks, QWidget* parent);

  void Generate_Click();

 private:
  AppState& state_;
  std::function<ProgressWindow&()> progress_;
  PublisherHooks hooks_;
  QLineEdit* fontface_ = nullptr;
  QLineEdit* web_rows_ = nullptr;
  QLineEdit* savedir_ = nullptr;
  QCheckBox* All_locs_ = nullptr;
  QCheckBox* All_tids_ = nullptr;
  QCheckBox* Web_SunMoon_ = nullptr;  // sunrise and sunset on the pages
  QPushButton* Generate_ = nullptr;
};

}  // namespace saltmark
