#include "aids/gui/FormulaeDialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "graphs/gui/GraphWindowParts.h"
#include "platform/gui/QtText.h"
#include "shell/AppState.h"

namespace saltmark {

namespace {
constexpr int kFormulaeHelpTopic = 6;
}

FormulaeDialog::FormulaeDialog(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName("Formulae");
  setWindowTitle("Formula");
  setWindowModality(Qt::WindowModal);

  auto* grid = new QGridLayout;
  chain_ = new QLineEdit(this);
  chain_->setObjectName("chain");
  warp_ = new QLineEdit(this);
  warp_->setObjectName("warp");
  grid->addWidget(new QLabel("Length of Chain Required  =", this), 0, 0);
  grid->addWidget(chain_, 0, 1);
  grid->addWidget(new QLabel("x  Maximum Depth", this), 0, 2);
  grid->addWidget(new QLabel("Length of Warp Required  =", this), 1, 0);
  grid->addWidget(warp_, 1, 1);
  grid->addWidget(new QLabel("x  Maximum Depth", this), 1, 2);
  for (QLineEdit* box : {chain_, warp_}) {
    box->setMaximumWidth(60);
    box->installEventFilter(this);
  }

  QPushButton* exit = namedButton("Exit", "E&xit", this);
  QPushButton* cancel = namedButton("Cancel", "&Cancel", this);
  QPushButton* help = namedButton("Help", "&Help", this);
  connect(exit, &QPushButton::clicked, this, &FormulaeDialog::Exit_Click);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { state_.platform.showHelpTopic(kFormulaeHelpTopic); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttonRow({exit, cancel, help}));
}

void FormulaeDialog::open() {
  ApplyWindowScheme(*this, state_.settings);
  chain_->setText(toQt(state_.settings.chainMultiplier));
  warp_->setText(toQt(state_.settings.ropeMultiplier));
  QDialog::open();
}

void FormulaeDialog::Exit_Click() {
  state_.settings.chainMultiplier = fromQt(chain_->text());
  state_.settings.ropeMultiplier = fromQt(warp_->text());
  accept();
}

bool FormulaeDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    auto* box = static_cast<QLineEdit*>(watched);
    QTimer::singleShot(0, box, [box] { box->selectAll(); });
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace saltmark
