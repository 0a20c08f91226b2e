#include "tables/gui/StreamTableDialog.h"

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

StreamTableDialog::StreamTableDialog(const Settings& settings, Platform& platform, QWidget* parent)
    : QDialog(parent), settings_(settings), platform_(platform) {
  setObjectName("Tablestr");
  setWindowTitle("Stream Table Settings");
  setModal(true);

  QGroupBox* details = namedGroup("Stream_Details", "STREAM DETAILS", this);
  auto* grid = new QGridLayout(details);
  options_ = listingOptions(
      "Option", [](int k) { return StreamListingCaption(static_cast<StreamListing>(k)); }, details, grid, this);
  mins_box_ = new SelectingLineEdit("mins_box", "60", details);
  reg_units_ = namedLabel("reg_units", details, "mins");
  Below_ = new SelectingLineEdit("Below", "1", details);
  below_units_ = namedLabel("below_units", details);
  fastest_ = new SelectingLineEdit("fastest", "5", details);
  grid->addWidget(mins_box_, 2, 1);
  grid->addWidget(reg_units_, 2, 2);
  grid->addWidget(Below_, 3, 1);
  grid->addWidget(below_units_, 3, 2);
  grid->addWidget(fastest_, 4, 1);
  grid->setColumnStretch(3, 1);

  const DialogButtons buttons = calculateCancelHelp(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(details);
  layout->addWidget(durationGroup(Days_Box_, this));
  layout->addLayout(buttons.row);

  connect(options_.group, &QButtonGroup::idClicked, this, &StreamTableDialog::Option_Click);
  connect(buttons.OK, &QPushButton::clicked, this, &StreamTableDialog::OK_Click);
  connect(buttons.Cancel, &QPushButton::clicked, this, &StreamTableDialog::Cancel_Click);
  connect(buttons.Help, &QPushButton::clicked, this, &StreamTableDialog::Help_Click);

  options_.buttons[static_cast<std::size_t>(StreamListing::Peak)]->setChecked(true);
  Option_Click(static_cast<int>(StreamListing::Peak));
}

void StreamTableDialog::Form_Activate(const QColor& background) {
  setDialogBackground(*this, background);
  below_units_->setText(toQt(SpeedUnitMenuCaption(settings_.speedUnits)));
}

StreamListing StreamTableDialog::listing() const {
  return static_cast<StreamListing>(options_.chosen());
}

StreamTableRequest StreamTableDialog::request() const {
  StreamTableRequest request;
  request.daysText = fromQt(Days_Box_->text());
  request.listing = listing();
  request.minutesText = fromQt(mins_box_->text());
  request.regUnitsCaption = fromQt(reg_units_->text());
  request.belowText = fromQt(Below_->text());
  request.belowUnitsCaption = fromQt(below_units_->text());
  request.fastestText = fromQt(fastest_->text());
  return request;
}

void StreamTableDialog::Option_Click(int index) {
  const StreamDialogView view = StreamDialogViewFor(static_cast<StreamListing>(index));
  mins_box_->setVisible(view.minutesBox);
  reg_units_->setVisible(view.minutesBox);
  Below_->setVisible(view.belowBox);
  below_units_->setVisible(view.belowBox);
  fastest_->setVisible(view.fastestBox);
}

void StreamTableDialog::OK_Click() {
  if (!requestAccepted(CheckStreamTableRequest(request()), platform_)) return;
  hide();
  emit calculateRequested();
}

void StreamTableDialog::Cancel_Click() { hide(); }

void StreamTableDialog::Help_Click() { platform_.showHelpTopic(kStreamTableHelpContext); }

}  // namespace saltmark
