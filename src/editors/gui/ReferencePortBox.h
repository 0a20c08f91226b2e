#pragma once
// The editors' reference-port list `ref`: a drop-down of every location of
// the location index. A port counts as chosen when the user picks it; the
// position is also remembered when the list drops down or takes the focus,
// and Escape or leaving the list goes back to the remembered position, so a
// port only scrolled past is never taken.
#include <QComboBox>

#include "editors/ReferencePortList.h"

class QLabel;

namespace saltmark {

class ReferencePortBox : public QComboBox {
  Q_OBJECT
 public:
  // reflat and reflon show the chosen port's position.
  ReferencePortBox(const ReferencePortList& ports, QLabel* reflat, QLabel* reflon, QWidget* parent);

  // Fills the list from the location index (its entries may have changed since).
  void fill();
  // Shows a position chosen by the editor and remembers it.
  void showPosition(int position);
  int rememberedPosition() const { return remembered_; }

  void showPopup() override;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void ref_Click(int position);
  void showLabels(int position);

  const ReferencePortList& ports_;
  QLabel* reflat_;
  QLabel* reflon_;
  int remembered_ = -1;
};

}  // namespace saltmark
