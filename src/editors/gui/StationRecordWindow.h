#pragma once
// An editor window whose records are stations: each record starts with the
// name, the position and the reference port with that port's position
// (Nam, lat, lon, ref, reflat, reflon). The windows place these boxes in
// their own grids and add their own values after them.
#include <QLineEdit>

#include "editors/ReferencePortList.h"
#include "editors/gui/RecordEditorWindow.h"
#include "editors/gui/ReferencePortBox.h"
#include "platform/gui/QtText.h"

class QLabel;

namespace saltmark {

class StationRecordWindow : public RecordEditorWindow {
  Q_OBJECT
 protected:
  using RecordEditorWindow::RecordEditorWindow;

  // Creates the station boxes in the record frame; the name is kept as
  // typed, the position boxes are normalised when they lose the focus.
  void buildStationBoxes(const ReferencePortList& ports);

  // The station boxes into, or out of, a form with name, latitude,
  // longitude and reference.
  template <class Form>
  void pullStation(Form& form) const {
    form.name = fromQt(Nam_->text());
    form.latitude = fromQt(lat_->text());
    form.longitude = fromQt(lon_->text());
    form.reference = ref_->currentIndex();
  }
  template <class Form>
  void pushStation(const Form& form, const ReferencePortList& ports) {
    Nam_->setText(toQt(form.name));
    lat_->setText(toQt(form.latitude));
    lon_->setText(toQt(form.longitude));
    // The location index may have gained or lost entries since the list was filled.
    if (ref_->count() != ports.size()) ref_->fill();
    ref_->showPosition(form.reference);
  }

  QLineEdit* nameBox() const override { return Nam_; }

  QLineEdit* Nam_ = nullptr;
  QLineEdit* lat_ = nullptr;
  QLineEdit* lon_ = nullptr;
  ReferencePortBox* ref_ = nullptr;
  QLabel* reflat_ = nullptr;
  QLabel* reflon_ = nullptr;
};

}  // namespace saltmark
