#pragma once
// The Formulae dialog ("Formula"): the two scope multipliers of the
// anchoring calculator, chain and warp (rope) lengths per metre of maximum
// depth. Exit stores both texts as typed; Cancel keeps the old ones.
#include <QDialog>

class QLineEdit;

namespace saltmark {

struct AppState;

class FormulaeDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FormulaeDialog(AppState& state, QWidget* parent = nullptr);

  // Loads the multipliers and shows the dialog (window-modal, not blocking).
  void open() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Exit_Click();

  AppState& state_;
  QLineEdit *chain_, *warp_;
};

}  // namespace saltmark
