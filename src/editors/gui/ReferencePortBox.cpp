#include "editors/gui/ReferencePortBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>

#include "platform/gui/QtText.h"

namespace saltmark {

ReferencePortBox::ReferencePortBox(const ReferencePortList& ports, QLabel* reflat, QLabel* reflon, QWidget* parent)
    : QComboBox(parent), ports_(ports), reflat_(reflat), reflon_(reflon) {
  setObjectName("ref");
  setToolTip("Reference port");
  connect(this, &QComboBox::activated, this, &ReferencePortBox::ref_Click);
  fill();
}

void ReferencePortBox::fill() {
  const QSignalBlocker quiet(this);
  clear();
  for (int i = 0; i < ports_.size(); ++i) addItem(toQt(ports_.name(i)), i);
  showPosition(count() > 0 ? 0 : -1);
}

void ReferencePortBox::showPosition(int position) {
  const QSignalBlocker quiet(this);
  setCurrentIndex(position);
  remembered_ = currentIndex();
  showLabels(remembered_);
}

void ReferencePortBox::ref_Click(int position) {
  remembered_ = position;
  showLabels(position);
}

void ReferencePortBox::showLabels(int position) {
  const ReferencePortList::PositionLabels labels = ports_.labels(position);
  reflat_->setText(toQt(labels.latitude));
  reflon_->setText(toQt(labels.longitude));
}

void ReferencePortBox::showPopup() {
  remembered_ = currentIndex();
  QComboBox::showPopup();
}

void ReferencePortBox::focusInEvent(QFocusEvent* event) {
  remembered_ = currentIndex();
  QComboBox::focusInEvent(event);
}

void ReferencePortBox::focusOutEvent(QFocusEvent* event) {
  // The drop-down itself takes the focus while it is open: that is no leaving.
  if (event->reason() != Qt::PopupFocusReason) showPosition(remembered_);
  QComboBox::focusOutEvent(event);
}

// Escape belongs to the list here: it must not close the editor as well.
void ReferencePortBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QComboBox::keyPressEvent(event);
}

void ReferencePortBox::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) showPosition(remembered_);
  QComboBox::keyReleaseEvent(event);
}

}  // namespace saltmark
