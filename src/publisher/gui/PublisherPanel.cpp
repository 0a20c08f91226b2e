#include "publisher/gui/PublisherPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/RuntimeError.h"
#include "display/ClockDisplay.h"
#include "publisher/EnginePortHeights.h"
#include "platform/gui/QtText.h"
#include "publisher/PublishChoice.h"
#include "shell/AppState.h"
#include "tables/gui/ProgressWindow.h"

namespace saltmark {

namespace {

QLineEdit* namedBox(const char* name, const QString& text, const QString& tooltip, QWidget* parent) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(name);
  box->setToolTip(tooltip);
  return box;
}

QCheckBox* namedCheck(const char* name, const QString& text, const QString& tooltip, QWidget* parent) {
  auto* check = new QCheckBox(text, parent);
  check->setObjectName(name);
  check->setToolTip(tooltip);
  return check;
}

}  // namespace

PublisherPanel::PublisherPanel(AppState& state, std::function<ProgressWindow&()> progress, PublisherHooks hooks,
                               QWidget* parent)
    : QWidget(parent), state_(state), progress_(std::move(progress)), hooks_(std::move(hooks)) {
  setObjectName("Publisher");
  fontface_ = namedBox("fontface", "Arial", "Font face of the web pages", this);
  web_rows_ = namedBox("web_rows", "31", "Rows of days on a page (31: one column)", this);
  savedir_ = namedBox("savedir", QString(), "Folder for the web pages. Double-click to choose it.", this);
  All_locs_ = namedCheck("All_locs", "All Locations", "Publish every location of the database, with an index page",
                         this);
  All_tids_ = namedCheck("All_tids", "All Databases", "Publish from every tide database of the list", this);
  Web_SunMoon_ = namedCheck("Web_SunMoon", "Sunrise and Sunset", "Add each day's sunrise and sunset to the pages", this);
  Generate_ = new QPushButton("Generate &Web Page", this);
  Generate_->setObjectName("Generate");
  connect(Generate_, &QPushButton::clicked, this, &PublisherPanel::Generate_Click);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("Font Face", this), 0, 0);
  grid->addWidget(fontface_, 0, 1);
  grid->addWidget(new QLabel("Rows", this), 0, 2);
  grid->addWidget(web_rows_, 0, 3);
  grid->addWidget(new QLabel("Save Directory", this), 1, 0);
  grid->addWidget(savedir_, 1, 1, 1, 3);
  grid->addWidget(All_locs_, 2, 0, 1, 2);
  grid->addWidget(All_tids_, 2, 2, 1, 2);
  grid->addWidget(Web_SunMoon_, 3, 0, 1, 4);
  grid->addWidget(Generate_, 4, 0, 1, 4);
}

void PublisherPanel::Generate_Click() {
  if (hooks_.readyToPublish && !hooks_.readyToPublish()) return;
  Settings& settings = state_.settings;

  WebPublishRequest request;
  request.start = state_.startInstant;
  request.saveDir = savedir_->text().toStdString();  // a path: UTF-8
  request.rowsText = fromQt(web_rows_->text());
  request.fontFace = fromQt(fontface_->text());
  request.allLocations = All_locs_->isChecked();
  request.sunMoon = Web_SunMoon_->isChecked();
  request.zoneName = ZoneLabelText(settings);
  request.zoneNameOf = [](const Settings& s) { return ZoneLabelText(s); };

  const std::string chosenDatabase = state_.tideDatabase.currentDatabase();
  PublishChoice choice;
  choice.chosenDatabase = chosenDatabase;
  choice.chosenLocation = state_.selectedLocation;
  choice.order = hooks_.listOrder ? hooks_.listOrder() : LocationOrder::Alphabetical;
  if (All_tids_->isChecked() && hooks_.databaseList)
    choice.databases = hooks_.databaseList();
  else
    choice.databases = {chosenDatabase};

  // The run reads port after port into the shared database, with an engine
  // of its own; what the main window shows is put back afterwards.
  const std::int16_t localZone = settings.localZoneOffset;
  FilePageWriter writer;
  EnginePortHeights ports;
  WaterEventCounter events;
  progress_().run([&](JobProgress& progress) {
    try {
      return PublishChosen(request, choice, state_.tideDatabase,
                           PublishRun{settings, state_.platform, progress, writer, ports, events});
    } catch (const RuntimeError& error) {
      state_.platform.message(error.what(), MessageIcon::Exclamation);
      return JobOutcome::Failed;
    }
  });
  state_.tideDatabase.LoadDatabaseIfNew(chosenDatabase, state_.platform);
  settings.localZoneOffset = localZone;
  if (hooks_.refreshDisplay) hooks_.refreshDisplay();
}

}  // namespace saltmark
