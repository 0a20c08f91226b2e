// The main window's menu bar and the commands that belong to no other window:
// the vessel's figures, colour or monochrome, the height and stream units,
// the mode, the database editors, help, About and Exit.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPalette>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>

#include "data/ConfigFile.h"
#include "platform/gui/NamedControls.h"
#include "platform/gui/QtText.h"
#include "shell/AppState.h"
#include "shell/ColourScheme.h"
#include "shell/VesselValues.h"
#include "shell/gui/HelpWindow.h"
#include "shell/gui/MainWindow.h"
#include "shell/gui/WindowSet.h"
#include "data/gui/ZonesDialog.h"

namespace saltmark {

void MainWindow::buildMenus() {
  QMenu* settings = namedMenu(menuBar(), "Settings", "&Settings");
  connect(namedAction(settings, "Vessel", "&Vessel ID"), &QAction::triggered, this, &MainWindow::Vessel_Click);
  connect(namedAction(settings, "Draught", "&Draught"), &QAction::triggered, this, &MainWindow::Draught_Click);
  connect(namedAction(settings, "offset", "&Echo Sounder Offset"), &QAction::triggered, this,
          &MainWindow::offset_Click);
  connect(namedAction(settings, "zone", "&Time Zone"), &QAction::triggered, this, &MainWindow::zone_Click);
  settings->addSeparator();
  mono_ = namedAction(settings, "mono", "&Monochrome");
  Colour_ = namedAction(settings, "Colour", "&Colour");
  for (QAction* a : {mono_, Colour_}) a->setCheckable(true);
  connect(mono_, &QAction::triggered, this, &MainWindow::mono_Click);
  connect(Colour_, &QAction::triggered, this, &MainWindow::Colour_Click);
  settings->addSeparator();

  QMenu* heights = settings->addMenu("Tidal &Height Units");
  heights->setObjectName("HeightUnits");
  metric_ = namedAction(heights, "metric", "Meters");
  feet_ = namedAction(heights, "feet", "Feet && Inches");
  for (QAction* a : {metric_, feet_}) a->setCheckable(true);
  connect(metric_, &QAction::triggered, this, &MainWindow::metric_Click);
  connect(feet_, &QAction::triggered, this, &MainWindow::feet_Click);

  QMenu* speeds = settings->addMenu("Tidal &Stream Units");
  speeds->setObjectName("StreamUnits");
  const char* speedCaptions[] = {"knots", "miles per hour", "km per hour", "m per second"};
  for (int i = 0; i < 4; ++i) {
    QAction* a = namedAction(speeds, QString("speed_units_%1").arg(i).toLatin1().constData(), speedCaptions[i]);
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, i] { speed_units_Click(i); });
    speed_units_[static_cast<std::size_t>(i)] = a;
  }

  QMenu* mode = namedMenu(menuBar(), "Mode", "&Mode");
  const char* modeCaptions[] = {"&Heights - Saltmark", "&Streams - User", "&Differences - User", "&Publisher"};
  auto* modes = new QActionGroup(this);
  for (int i = 0; i < 4; ++i) {
    QAction* a = namedAction(mode, QString("Tidemode_%1").arg(i).toLatin1().constData(), modeCaptions[i]);
    a->setCheckable(true);
    modes->addAction(a);
    connect(a, &QAction::triggered, this, [this, i] { Tidemode_Click(i); });
    Tidemode_[static_cast<std::size_t>(i)] = a;
  }

  QMenu* databases = namedMenu(menuBar(), "Databases", "&Databases");
  connect(namedAction(databases, "Db_Str", "Add Streams"), &QAction::triggered, this, &MainWindow::Db_Str_Click);
  connect(namedAction(databases, "Db_Diff", "Add Differences"), &QAction::triggered, this,
          &MainWindow::Db_Diff_Click);

  QMenu* helpMenu = namedMenu(menuBar(), "Help", "&Help");
  connect(namedAction(helpMenu, "MNU_Find", "&Find"), &QAction::triggered, this, &MainWindow::MNU_Find_Click);
  connect(namedAction(helpMenu, "MNU_Index", "&Index"), &QAction::triggered, this, &MainWindow::MNU_Index_Click);
  connect(namedAction(helpMenu, "MNU_Contents", "&Contents"), &QAction::triggered, this,
          &MainWindow::MNU_Contents_Click);

  connect(namedMenuBarAction(menuBar(), "About", "&About"), &QAction::triggered, this, &MainWindow::About_Click);
  connect(namedMenuBarAction(menuBar(), "Exit", "E&xit"), &QAction::triggered, this, &MainWindow::Exit_Click);
}

void MainWindow::Vessel_Click() { PromptVesselId(state_.settings, state_.platform); }
void MainWindow::Draught_Click() { PromptDraught(state_.settings, state_.platform); }
void MainWindow::offset_Click() { PromptEchoSounderOffset(state_.settings, state_.platform); }

void MainWindow::zone_Click() {
  if (!zones_) {
    // Connected once, when the dialog is made: it is only hidden and shown afterwards.
    zones_ = std::make_unique<ZonesDialog>(state_, this);
    connect(zones_.get(), &ZonesDialog::offsetsChanged, this, &MainWindow::UpdateClockDisplay);
    connect(zones_.get(), &ZonesDialog::autoLocalZoneChanged, this, &MainWindow::SetAutoLocalZone);
    connect(zones_.get(), &ZonesDialog::closed, this, [this] { zonesOpen_ = false; });
  }
  zonesOpen_ = true;
  zones_->activate(palette().color(QPalette::Window));
  UpdateClockDisplay();
}

void MainWindow::Colour_Click() {
  Colour_->setChecked(true);
  mono_->setChecked(false);
  state_.settings.colourDisplay = kTrue;
  ApplyColourScheme();
}

void MainWindow::mono_Click() {
  mono_->setChecked(true);
  Colour_->setChecked(false);
  state_.settings.colourDisplay = kFalse;
  ApplyColourScheme();
}

void MainWindow::ApplyColourScheme() {
  const ColourScheme scheme = ColourSchemeFor(state_.settings);
  const QColor background = scheme.background ? QColor::fromRgb(*scheme.background)
                                               : QApplication::palette().color(QPalette::Button);
  for (QWidget* w : backgroundWidgets_) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    w->setPalette(p);
    w->setAutoFillBackground(true);
  }
  QPalette own = palette();
  own.setColor(QPalette::Window, background);
  setPalette(own);
  applyZoneLabelColours();
}

void MainWindow::metric_Click() { changeHeightUnit(true); }
void MainWindow::feet_Click() { changeHeightUnit(false); }

void MainWindow::changeHeightUnit(bool metric) {
  metric_->setChecked(metric);
  feet_->setChecked(!metric);
  ChangeHeightUnit(state_.settings, metric_->isChecked());
}

void MainWindow::speed_units_Click(int index) {
  state_.settings.speedUnits = static_cast<std::int16_t>(index);
  for (int i = 0; i < 4; ++i) speed_units_[static_cast<std::size_t>(i)]->setChecked(i == index);
}

void MainWindow::Tidemode_Click(int index) {
  if (index < 0 || index > 3) index = 0;  // a damaged configuration: heights
  state_.settings.portMode = static_cast<std::int16_t>(index);
  Tidemode_[static_cast<std::size_t>(index)]->setChecked(true);
  showModePanel(index);
}

void MainWindow::showModePanel(int index) {
  for (int i = 0; i < 4; ++i) modePanels_[static_cast<std::size_t>(i)]->setVisible(i == index);
}

void MainWindow::Db_Str_Click() {
  windows().showStreamEditor();
  std::error_code ignored;
  std::filesystem::current_path(state_.programFolder, ignored);
  refreshDatabaseLists();
}

void MainWindow::Db_Diff_Click() {
  windows().showDifferenceEditor();
  std::error_code ignored;
  std::filesystem::current_path(state_.programFolder, ignored);
  refreshDatabaseLists();
}

void MainWindow::MNU_Find_Click() { help().showSearch(); }
void MainWindow::MNU_Index_Click() { help().showIndex(); }
void MainWindow::MNU_Contents_Click() { help().showContents(); }

void MainWindow::About_Click() {
  state_.platform.message(std::string(kVersionString) +
                              "\rTidal predictions for mariners.\r"
                              "The tidal data and predictions are not for navigation: "
                              "always use official tide tables and charts.",
                          MessageIcon::Information, MessageButtons::Ok, "About");
}

void MainWindow::Exit_Click() {
  if (!runExitSequence()) return;
  close();
}

bool MainWindow::runExitSequence() {
  if (exitConfirmed_) return true;
  commitFocusedBox();
  table_->setFocus();
  state_.platform.processEvents();
  if (!ConfirmExit(state_.settings, state_.savedSettings, state_.programFolder, state_.platform)) return false;
  exitConfirmed_ = true;
  Clock_Tick_->stop();
  emit exitRequested();
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Cancel to the save question keeps the program running.
  if (!runExitSequence()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace saltmark
