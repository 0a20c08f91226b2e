#pragma once
// The anchoring and grounding calculator Anchorcalc ("Anchoring & Mooring"),
// modeless over the tide graph: the fall and rise still to come from the
// graph's cursor to the next low and high water, the echo-sounder reading
// needed now, the depth at the next high water and the chain and rope to pay
// out for it. It follows the cursor while it is open. The figures come from
// the calculator in aids/AnchoringCalculator; this window shows them.
#include <functional>
#include <memory>

#include <QWidget>

#include "aids/AnchoringCalculator.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace saltmark {

struct AppState;
class FormulaeDialog;

class AnchoringWindow : public QWidget {
  Q_OBJECT
 public:
  // cursor: what the tide graph's cursor shows now, with its high/low list.
  using CursorSource = std::function<AnchoringCursor()>;
  AnchoringWindow(AppState& state, CursorSource cursor, QWidget* parent = nullptr);
  ~AnchoringWindow() override;

  // The refresh of activation: everything from the cursor and the settings.
  void refresh();
  const AnchoringDisplay& display() const { return display_; }
  FormulaeDialog* formulae() const { return formulae_.get(); }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showDisplay();
  void chain_Change(const QString& text);
  void warp_Change(const QString& text);
  void esn_Change(const QString& text);
  void Command1_Click();

  AppState& state_;
  CursorSource cursor_;
  AnchoringDisplay display_;
  std::unique_ptr<FormulaeDialog> formulae_;

  QLabel *Datenow_, *Tidenow_, *nexthighdat_, *nexthighval_, *nextlowdat_, *nextlowval_;
  QLabel *fall_, *rise_, *offset_, *Draught_, *esr_, *Depth_, *chainused_, *warpused_, *total_;
  QLabel *Warning_, *Note_;
  QLineEdit *esn_, *chain_, *warp_;
};

}  // namespace saltmark
