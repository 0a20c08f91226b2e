// The main window's controls: the always-visible panel and the four mode panels.
#include <utility>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/gui/NamedControls.h"
#include "shell/AppState.h"
#include "shell/gui/MainWindow.h"
#include "shell/gui/WindowSet.h"

namespace saltmark {
namespace {

QLineEdit* namedBox(const char* name, const QString& tooltip, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setToolTip(tooltip);
  return box;
}

// A label that shows a value: sunken, so that a blank one still shows its place.
QLabel* valueLabel(const char* name, QWidget* parent) {
  QLabel* label = namedLabel(name, parent);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMinimumWidth(80);
  return label;
}

// A mode panel: its frame and the grid inside it.
std::pair<QGroupBox*, QGridLayout*> modePanel(const char* name, const QString& title, QWidget* parent) {
  QGroupBox* panel = namedGroup(name, title, parent);
  return {panel, new QGridLayout(panel)};
}

// A mode panel's first column: the database drop-down, then the list of its
// locations, each under a caption that is also its tool tip. Choosing a
// database runs `chosen`.
QComboBox* addDatabaseBox(QGridLayout* grid, const char* name, const QString& caption, MainWindow* window,
                          void (MainWindow::*chosen)()) {
  QWidget* panel = grid->parentWidget();
  grid->addWidget(new QLabel(caption, panel), 0, 0);
  auto* box = new QComboBox(panel);
  box->setObjectName(name);
  box->setToolTip(caption);
  QObject::connect(box, &QComboBox::activated, window, chosen);
  grid->addWidget(box, 1, 0);
  return box;
}

QListWidget* addLocationList(QGridLayout* grid, const char* name, const QString& caption,
                             QAbstractItemView::SelectionMode mode, int rowSpan) {
  QWidget* panel = grid->parentWidget();
  grid->addWidget(new QLabel(caption, panel), 2, 0);
  auto* list = new QListWidget(panel);
  list->setObjectName(name);
  list->setToolTip(caption);
  list->setSelectionMode(mode);
  grid->addWidget(list, 3, 0, rowSpan, 1);
  return list;
}

}  // namespace

void MainWindow::buildLayout() {
  auto* central = new QWidget(this);
  central->setObjectName("centralPanel");
  auto* column = new QVBoxLayout(central);
  column->addWidget(buildTimePanel());
  modePanels_[0] = buildHeightsPanel();
  modePanels_[1] = buildStreamsPanel();
  modePanels_[2] = buildDifferencesPanel();
  QGroupBox* publisher = namedGroup("Frame_Publisher", " Web Page Publisher", central);
  auto* publisherLayout = new QVBoxLayout(publisher);
  publisherLayout->addWidget(buildPublisherPanel());
  modePanels_[3] = publisher;
  for (QGroupBox* panel : modePanels_) {
    column->addWidget(panel);
    backgroundWidgets_.push_back(panel);
  }
  column->addStretch(1);
  setCentralWidget(central);

  Clock_Tick_ = new QTimer(this);
  Clock_Tick_->setObjectName("Clock_Tick");
  Clock_Tick_->setInterval(1000);
  connect(Clock_Tick_, &QTimer::timeout, this, &MainWindow::Clock_Tick);
}

QWidget* MainWindow::buildTimePanel() {
  auto* panel = new QGroupBox(this);
  panel->setObjectName("Frame_Time");
  backgroundWidgets_.push_back(panel);
  auto* grid = new QGridLayout(panel);

  grid->addWidget(new QLabel("Start Date", panel), 0, 0);
  pdatebox_ = namedBox("pdatebox", "Enter date in short, medium or long date format.", panel);
  grid->addWidget(pdatebox_, 0, 1);
  grid->addWidget(new QLabel("Start Time", panel), 1, 0);
  ptimebox_ = namedBox("ptimebox", "Start time of graph / table in hours:mins", panel);
  ptimebox_->setText("00:00");
  grid->addWidget(ptimebox_, 1, 1);
  for (QLineEdit* box : {pdatebox_, ptimebox_}) box->installEventFilter(this);

  Usenow_ = new QCheckBox("Use Clock", panel);
  Usenow_->setObjectName("Usenow");
  Usenow_->setToolTip("Check to use the current clock time and date.");
  connect(Usenow_, &QCheckBox::clicked, this, &MainWindow::Usenow_Click);
  grid->addWidget(Usenow_, 2, 1);
  backgroundWidgets_.push_back(Usenow_);

  gmtcheck_ = new QButtonGroup(panel);
  gmtcheck_->setObjectName("gmtcheck");
  auto* bases = new QHBoxLayout;
  const char* baseCaptions[] = {"GMT", "Local", "System"};
  for (int i = 0; i < 3; ++i) {
    auto* option = new QRadioButton(baseCaptions[i], panel);
    option->setObjectName(QString("gmtcheck_%1").arg(i));
    gmtcheck_->addButton(option, i);
    bases->addWidget(option);
    backgroundWidgets_.push_back(option);
  }
  connect(gmtcheck_, &QButtonGroup::idClicked, this, &MainWindow::gmtcheck_Click);
  grid->addLayout(bases, 0, 2, 1, 2);

  grid->addWidget(new QLabel("Zone", panel), 1, 2, Qt::AlignRight);
  DZone_ = valueLabel("DZone", panel);
  DZone_->setAutoFillBackground(true);
  grid->addWidget(DZone_, 1, 3);

  table_ = new QPushButton("&Table", panel);
  table_->setObjectName("table");
  connect(table_, &QPushButton::clicked, this, &MainWindow::table_Click);
  graph_ = new QPushButton("&Graph", panel);
  graph_->setObjectName("graph");
  connect(graph_, &QPushButton::clicked, this, &MainWindow::graph_Click);
  grid->addWidget(table_, 0, 4);
  grid->addWidget(graph_, 1, 4);

  auto* image = namedLabel("Image2", panel, "<a href=\"#\">Saltmark</a>");
  image->setToolTip("Visit the Saltmark web site");
  image->setCursor(Qt::PointingHandCursor);
  connect(image, &QLabel::linkActivated, this, &MainWindow::Image2_Click);
  grid->addWidget(image, 2, 4, Qt::AlignRight);
  return panel;
}

QGroupBox* MainWindow::buildHeightsPanel() {
  const auto [panel, grid] = modePanel("Frame_Heights", " Height Predictions at Saltmark Locations", this);

  Tfile_ = addDatabaseBox(grid, "Tfile", "Select Tidal Database", this, &MainWindow::Tfile_Click);

  tloc_ = addLocationList(grid, "tloc", "Select Tidal Location", QAbstractItemView::SingleSelection, 4);
  connect(tloc_, &QListWidget::itemClicked, this, &MainWindow::tloc_Click);
  connect(tloc_, &QListWidget::itemActivated, this, &MainWindow::tloc_Click);
  // Arrow keys choose as a click does.
  connect(tloc_, &QListWidget::currentRowChanged, this, [this] {
    if (tloc_->hasFocus()) tloc_Click();
  });

  auto* position = new QHBoxLayout;
  latbox_ = valueLabel("latbox", panel);
  Lonbox_ = valueLabel("Lonbox", panel);
  position->addWidget(latbox_);
  position->addWidget(Lonbox_);
  grid->addLayout(position, 7, 0);

  Sort_By_ = new QButtonGroup(panel);
  Sort_By_->setObjectName("Sort_By");
  const char* captions[] = {"Alphabetically", "In Coastal Order", "By Distance"};
  const char* tooltips[] = {"Lists tidal locations in alphabetic order",
                            "Lists tidal locations in approximate coastal order.",
                            "Click to list in range order from the given location."};
  for (int i = 0; i < 3; ++i) {
    auto* option = new QRadioButton(captions[i], panel);
    option->setObjectName(QString("Sort_By_%1").arg(i));
    option->setToolTip(tooltips[i]);
    Sort_By_->addButton(option, i);
    grid->addWidget(option, i, 1);
    backgroundWidgets_.push_back(option);
  }
  Sort_By_->button(0)->setChecked(true);
  connect(Sort_By_, &QButtonGroup::idClicked, this, &MainWindow::Sort_By_Click);

  finder_ = new QFrame(panel);
  finder_->setObjectName("Finder");
  finder_->setFrameStyle(QFrame::Box);
  auto* finderGrid = new QGridLayout(finder_);
  finderGrid->addWidget(new QLabel("Latitude", finder_), 0, 0);
  Findlat_ = namedBox("Findlat", "Latitude of the position, e.g. 50 45.3N", finder_);
  finderGrid->addWidget(Findlat_, 0, 1);
  finderGrid->addWidget(new QLabel("Longitude", finder_), 1, 0);
  Findlon_ = namedBox("Findlon", "Longitude of the position, e.g. 1 12.0W", finder_);
  finderGrid->addWidget(Findlon_, 1, 1);
  finderGrid->addWidget(new QLabel("Distance", finder_), 2, 0);
  Finddist_ = namedBox("Finddist", "Distance of the chosen location from the position", finder_);
  finderGrid->addWidget(Finddist_, 2, 1);
  Find_ = new QPushButton("&Find", finder_);
  Find_->setObjectName("Find");
  Find_->setToolTip("Lists the nearest locations to the given position.");
  connect(Find_, &QPushButton::clicked, this, &MainWindow::Find_Click);
  finderGrid->addWidget(Find_, 3, 1);
  for (QLineEdit* box : {Findlat_, Findlon_, Finddist_}) {
    connect(box, &QLineEdit::textEdited, this, &MainWindow::FinderBox_Change);
    box->installEventFilter(this);
  }
  grid->addWidget(finder_, 3, 1, 4, 1);
  distlab_ = namedLabel("distlab", panel);
  grid->addWidget(distlab_, 7, 1);
  backgroundWidgets_.push_back(finder_);
  return panel;
}

QGroupBox* MainWindow::buildStreamsPanel() {
  const auto [panel, grid] = modePanel("Frame_Streams", " Stream Predictions at User Locations", this);
  Sfile_ = addDatabaseBox(grid, "Sfile", "Select Stream Database", this, &MainWindow::Sfile_Click);
  // Ctrl-click adds a station to the choice; a plain click chooses one.
  Sloc_ = addLocationList(grid, "Sloc", "Select Stream", QAbstractItemView::ExtendedSelection, 3);
  connect(Sloc_, &QListWidget::itemSelectionChanged, this, &MainWindow::Sloc_Click);
  auto* note = namedLabel("Snote", panel, "Use Ctrl - Click to interpolate between more than one.");
  note->setWordWrap(true);
  grid->addWidget(note, 6, 0);

  auto* rows = new QGridLayout;
  rows->addWidget(new QLabel("Station", panel), 0, 0);
  rows->addWidget(new QLabel("Latitude", panel), 0, 1);
  rows->addWidget(new QLabel("Longitude", panel), 0, 2);
  dlab_ = namedLabel("dlab", panel, "Distance");
  plab_ = namedLabel("plab", panel, "Value");
  rows->addWidget(dlab_, 0, 3);
  rows->addWidget(plab_, 0, 4);
  for (int k = 0; k < kMaxChosenStations; ++k) {
    StationRowLabels& row = stationRows_[static_cast<std::size_t>(k)];
    row.srecname = valueLabel(QString("srecname_%1").arg(k).toLatin1().constData(), panel);
    row.slats = valueLabel(QString("slats_%1").arg(k).toLatin1().constData(), panel);
    row.slons = valueLabel(QString("slons_%1").arg(k).toLatin1().constData(), panel);
    row.srans = valueLabel(QString("srans_%1").arg(k).toLatin1().constData(), panel);
    row.spercent = valueLabel(QString("spercent_%1").arg(k).toLatin1().constData(), panel);
    int c = 0;
    for (QLabel* label : {row.srecname, row.slats, row.slons, row.srans, row.spercent}) {
      rows->addWidget(label, k + 1, c++);
      label->hide();
    }
  }
  grid->addLayout(rows, 0, 1, 3, 2);

  grid->addWidget(new QLabel("Latitude", panel), 3, 1);
  Slat_ = namedBox("Slat", "Latitude of your position, e.g. 50 45.3N", panel);
  grid->addWidget(Slat_, 3, 2);
  grid->addWidget(new QLabel("Longitude", panel), 4, 1);
  Slon_ = namedBox("Slon", "Longitude of your position, e.g. 1 12.0W", panel);
  grid->addWidget(Slon_, 4, 2);
  for (QLineEdit* box : {Slat_, Slon_}) box->installEventFilter(this);
  SFind_ = new QPushButton("&Interpolate", panel);
  SFind_->setObjectName("SFind");
  connect(SFind_, &QPushButton::clicked, this, &MainWindow::SFind_Click);
  grid->addWidget(SFind_, 5, 2);
  for (QWidget* w : std::initializer_list<QWidget*>{Slat_, Slon_, SFind_, dlab_, plab_}) w->hide();
  return panel;
}

QGroupBox* MainWindow::buildDifferencesPanel() {
  const auto [panel, grid] = modePanel("Frame_Differences", " Height Prediction at User Difference Locations", this);
  Dfile_ = addDatabaseBox(grid, "Dfile", "Select User Difference Database", this, &MainWindow::Dfile_Click);
  Dloc_ = addLocationList(grid, "Dloc", "Select Difference Location", QAbstractItemView::SingleSelection, 4);
  connect(Dloc_, &QListWidget::currentRowChanged, this, &MainWindow::Dloc_Click);

  grid->addWidget(new QLabel("Position", panel), 0, 1);
  dlat_ = valueLabel("dlat", panel);
  dlon_ = valueLabel("dlon", panel);
  grid->addWidget(dlat_, 1, 1);
  grid->addWidget(dlon_, 1, 2);
  grid->addWidget(new QLabel("Reference Port", panel), 2, 1);
  rfp_ = valueLabel("rfp", panel);
  grid->addWidget(rfp_, 3, 1, 1, 2);
  Rlat_ = valueLabel("Rlat", panel);
  Rlon_ = valueLabel("Rlon", panel);
  grid->addWidget(Rlat_, 4, 1);
  grid->addWidget(Rlon_, 4, 2);
  return panel;
}

QWidget* MainWindow::buildPublisherPanel() {
  QWidget* panel = windows().createPublisherPanel(this);
  // The save-folder box belongs to the publisher's panel; its double-click
  // opens the directory chooser.
  savedir_ = panel->findChild<QLineEdit*>("savedir");
  if (savedir_) savedir_->installEventFilter(this);
  return panel;
}

}  // namespace saltmark
