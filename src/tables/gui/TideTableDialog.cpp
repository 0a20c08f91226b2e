#include "tables/gui/TideTableDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/Settings.h"
#include "platform/Platform.h"
#include "platform/gui/NamedControls.h"
#include "platform/gui/QtText.h"
#include "tables/TableDialogRules.h"
#include "tables/gui/TableDialogParts.h"

namespace saltmark {
namespace {

QString indexed(const char* name, int index) { return QString("%1_%2").arg(name).arg(index); }

Qt::CheckState checkState(ClearanceBox box) {
  switch (box) {
    case ClearanceBox::Ticked: return Qt::Checked;
    case ClearanceBox::Greyed: return Qt::PartiallyChecked;
    case ClearanceBox::Unticked: break;
  }
  return Qt::Unchecked;
}

}  // namespace

TideTableDialog::TideTableDialog(Settings& settings, Platform& platform, QWidget* parent)
    : QDialog(parent), settings_(settings), platform_(platform) {
  setObjectName("Tableset");
  setWindowTitle("Tide Table Settings");
  setModal(true);

  QGroupBox* list = namedGroup("List", "LIST", this);
  auto* grid = new QGridLayout(list);
  options_ = listingOptions(
      "List_Option", [](int k) { return TideListingCaption(static_cast<TideListing>(k)); }, list, grid, this);
  const char* hiloCaptions[] = {"High", "Low"};
  auto* hilo = new QHBoxLayout;
  for (int k = 0; k < 2; ++k) {
    auto* box = new QCheckBox(hiloCaptions[k], list);
    box->setObjectName(indexed("chk_hilo", k));
    box->setChecked(true);
    chk_hilo_[static_cast<std::size_t>(k)] = box;
    hilo->addWidget(box);
  }
  chk_sunmoon_ = new QCheckBox("Sun and Moon", list);
  chk_sunmoon_->setObjectName("chk_sunmoon");
  hilo->addWidget(chk_sunmoon_);
  grid->addLayout(hilo, 0, 1);
  Mins_Box_ = new SelectingLineEdit("Mins_Box", "60", list);
  Highest_ = new SelectingLineEdit("Highest", "5", list);
  Lowest_ = new SelectingLineEdit("Lowest", "5", list);
  grid->addWidget(Mins_Box_, 1, 1);
  grid->addWidget(Highest_, 3, 1);
  grid->addWidget(Lowest_, 4, 1);
  grid->setColumnStretch(2, 1);

  Check1_ = new ClearanceCheckBox("Clearance Information", this);
  Check1_->setObjectName("Check1");
  Check1_->setTristate(true);
  depthLabel_ = namedLabel("t_depth_label", this, "Charted Depth");
  draughtLabel_ = namedLabel("t_draught_label", this, "Draught");
  t_depth_ = new SelectingLineEdit("t_depth", "", this);
  t_draught_ = new SelectingLineEdit("t_draught", "", this);
  auto* vessel = new QGridLayout;
  vessel->addWidget(Check1_, 0, 0, 1, 2);
  vessel->addWidget(depthLabel_, 1, 0);
  vessel->addWidget(t_depth_, 1, 1);
  vessel->addWidget(draughtLabel_, 2, 0);
  vessel->addWidget(t_draught_, 2, 1);
  vessel->setColumnStretch(2, 1);

  const DialogButtons buttons = calculateCancelHelp(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list);
  layout->addWidget(durationGroup(Days_Box_, this));
  layout->addLayout(vessel);
  layout->addLayout(buttons.row);

  connect(options_.group, &QButtonGroup::idClicked, this, &TideTableDialog::List_Option_Click);
  connect(Check1_, &QCheckBox::clicked, this, &TideTableDialog::Check1_Click);
  connect(buttons.OK, &QPushButton::clicked, this, &TideTableDialog::OK_Click);
  connect(buttons.Cancel, &QPushButton::clicked, this, &TideTableDialog::Cancel_Click);
  connect(buttons.Help, &QPushButton::clicked, this, &TideTableDialog::Help_Click);

  options_.buttons[0]->setChecked(true);
  List_Option_Click(0);
}

void TideTableDialog::Form_Activate(const QColor& background) {
  setDialogBackground(*this, background);
  const VesselHeightTexts texts = VesselHeightTextsFor(settings_);
  t_depth_->setText(toQt(texts.depth));
  t_draught_->setText(toQt(texts.draught));
}

TideListing TideTableDialog::listing() const {
  return static_cast<TideListing>(options_.chosen());
}

ClearanceBox TideTableDialog::clearance() const {
  switch (Check1_->checkState()) {
    case Qt::Checked: return ClearanceBox::Ticked;
    case Qt::PartiallyChecked: return ClearanceBox::Greyed;
    case Qt::Unchecked: break;
  }
  return ClearanceBox::Unticked;
}

void TideTableDialog::setClearance(ClearanceBox box) {
  Check1_->setCheckState(checkState(box));
  showDepthAndDraught();
}

void TideTableDialog::showDepthAndDraught() {
  const bool shown = DepthAndDraughtShown(listing(), clearance());
  for (QWidget* w : std::initializer_list<QWidget*>{t_depth_, t_draught_, depthLabel_, draughtLabel_})
    w->setVisible(shown);
}

TideTableRequest TideTableDialog::request() const {
  TideTableRequest request;
  request.daysText = fromQt(Days_Box_->text());
  request.listing = listing();
  request.high = chk_hilo_[0]->isChecked();
  request.low = chk_hilo_[1]->isChecked();
  request.minutesText = fromQt(Mins_Box_->text());
  request.highestText = fromQt(Highest_->text());
  request.lowestText = fromQt(Lowest_->text());
  request.clearance = clearance();
  return request;
}

bool TideTableDialog::sunMoon() const { return chk_sunmoon_->isChecked() && listing() == TideListing::HighLow; }

void TideTableDialog::List_Option_Click(int index) {
  const TideListing chosen = static_cast<TideListing>(index);
  const TideDialogView view = TideDialogViewFor(chosen);
  Mins_Box_->setVisible(view.minutesBox);
  Highest_->setVisible(view.highestBox);
  Lowest_->setVisible(view.lowestBox);
  for (QCheckBox* box : chk_hilo_) box->setVisible(view.highLowBoxes);
  chk_sunmoon_->setVisible(view.highLowBoxes);
  setClearance(ClearanceForListing(chosen));
}

void TideTableDialog::Check1_Click() {
  // The box's state before the click: nextCheckState leaves it alone.
  setClearance(ClearanceAfterClick(listing(), clearance()));
}

void TideTableDialog::OK_Click() {
  VesselHeightTexts texts{fromQt(t_depth_->text()), fromQt(t_draught_->text())};
  StoreVesselHeights(texts, settings_, platform_);
  t_depth_->setText(toQt(texts.depth));
  t_draught_->setText(toQt(texts.draught));
  // A table that cannot run is refused here, with the dialog still open.
  if (!requestAccepted(CheckTideTableRequest(request()), platform_)) return;
  hide();
  emit calculateRequested();
}

void TideTableDialog::Cancel_Click() { hide(); }

void TideTableDialog::Help_Click() { platform_.showHelpTopic(kTideTableHelpContext); }

}  // namespace saltmark
