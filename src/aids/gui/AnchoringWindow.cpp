#include "aids/gui/AnchoringWindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "aids/gui/FormulaeDialog.h"
#include "graphs/gui/GraphWindowParts.h"
#include "graphs/gui/QtDrawingSurface.h"
#include "platform/gui/QtText.h"
#include "shell/AppState.h"
#include "shell/ColourScheme.h"
#include "tables/HeightText.h"

namespace saltmark {

namespace {

constexpr int kAnchoringHelpTopic = 3;

QLineEdit* lengthBox(const char* name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setMaximumWidth(90);
  return box;
}

}  // namespace

AnchoringWindow::AnchoringWindow(AppState& state, CursorSource cursor, QWidget* parent)
    : QWidget(parent), state_(state), cursor_(std::move(cursor)) {
  setObjectName("Anchorcalc");
  setWindowTitle("Anchoring & Mooring");
  setWindowFlag(Qt::Window);

  auto* grid = new QGridLayout;
  int row = 0;
  const auto heading = [&](const QString& text) {
    auto* label = new QLabel("<b>" + text + "</b>", this);
    grid->addWidget(label, row++, 0, 1, 3);
  };
  const auto line = [&](const QString& caption, QWidget* value, QWidget* second = nullptr) {
    grid->addWidget(new QLabel(caption, this), row, 0);
    grid->addWidget(value, row, 1);
    if (second) grid->addWidget(second, row, 2);
    ++row;
  };

  heading("CURSOR");
  Datenow_ = readoutLabel("Datenow", this, 130);
  Tidenow_ = readoutLabel("Tidenow", this);
  line("Date and time, height", Datenow_, Tidenow_);
  nexthighdat_ = readoutLabel("nexthighdat", this, 130);
  nexthighval_ = readoutLabel("nexthighval", this);
  line("Next High Tide", nexthighdat_, nexthighval_);
  nextlowdat_ = readoutLabel("nextlowdat", this, 130);
  nextlowval_ = readoutLabel("nextlowval", this);
  line("Next Low Tide", nextlowdat_, nextlowval_);

  heading("Grounding");
  offset_ = readoutLabel("offset", this);
  line("1  Echo Sounder Offset (reading for zero clearance)", offset_);
  Draught_ = readoutLabel("Draught", this);
  line("2  Draught", Draught_);
  fall_ = readoutLabel("fall", this);
  line("3  Fall in Tide", fall_);
  rise_ = readoutLabel("rise", this);
  line("4  Rise in Tide", rise_);
  esr_ = readoutLabel("esr", this);
  esr_->setToolTip("This is the value required NOW to avoid grounding at next low tide.");
  line("Echo Sounder Reading Required (1+3)", esr_);
  esn_ = lengthBox("esn", this);
  esn_->setText("0.00");
  line("5  Echo Sounder Reading Now", esn_);
  Depth_ = readoutLabel("Depth", this);
  line("Depth of Water at High Tide. (2+4+5-1)", Depth_);

  heading("Anchoring");
  grid->addWidget(new QLabel("Available", this), row, 1);
  grid->addWidget(new QLabel("Required", this), row++, 2);
  chain_ = lengthBox("chain", this);
  chainused_ = readoutLabel("chainused", this);
  line("Chain", chain_, chainused_);
  warp_ = lengthBox("warp", this);
  warpused_ = readoutLabel("warpused", this);
  line("Rope", warp_, warpused_);
  total_ = readoutLabel("total", this);
  grid->addWidget(new QLabel("Total Length *", this), row, 0);
  grid->addWidget(total_, row++, 2);
  grid->addWidget(new QLabel("* This length includes both chain and warp.", this), row++, 0, 1, 3);
  Warning_ = namedLabel("Warning", this, "Insufficient on Board");
  Warning_->setStyleSheet("color: red; font-weight: bold;");
  Warning_->setVisible(false);
  grid->addWidget(Warning_, row++, 0, 1, 3);
  Note_ = namedLabel("Note", this);
  Note_->setWordWrap(true);
  grid->addWidget(Note_, row++, 0, 1, 3);

  QPushButton* multipliers = namedButton("Command1", "Multipliers", this);
  QPushButton* help = namedButton("Help", "&Help", this);
  QPushButton* exit = namedButton("Exit", "E&xit", this);
  connect(multipliers, &QPushButton::clicked, this, &AnchoringWindow::Command1_Click);
  connect(help, &QPushButton::clicked, this, [this] { state_.platform.showHelpTopic(kAnchoringHelpTopic); });
  connect(exit, &QPushButton::clicked, this, &QWidget::hide);

  // A sunken panel's right and bottom edges are drawn in the light shade,
  // which vanishes on a light background: the readouts get a plain box, so
  // every one shows its whole border.
  for (QLabel* readout : findChildren<QLabel*>())
    if (readout->frameShape() == QFrame::Panel) readout->setFrameStyle(QFrame::Box | QFrame::Plain);

  auto* layout = new QVBoxLayout(this);
  // Never narrower than the boxes need, so none loses its right edge.
  layout->setSizeConstraint(QLayout::SetMinimumSize);
  layout->addLayout(grid);
  layout->addLayout(buttonRow({multipliers, help, exit}));

  // Only the user's own edits count: the refresh writes the boxes too.
  connect(chain_, &QLineEdit::textEdited, this, &AnchoringWindow::chain_Change);
  connect(warp_, &QLineEdit::textEdited, this, &AnchoringWindow::warp_Change);
  connect(esn_, &QLineEdit::textEdited, this, &AnchoringWindow::esn_Change);
  for (QLineEdit* box : {chain_, esn_, warp_}) box->installEventFilter(this);
}

AnchoringWindow::~AnchoringWindow() = default;

void AnchoringWindow::refresh() {
  const Settings& s = state_.settings;
  ApplyWindowScheme(*this, s);
  // The required reading stands out in the scheme's first drawing colour;
  // in monochrome that is white on white, so black is used there.
  const ColourScheme scheme = ColourSchemeFor(s);
  const QColor esrColour = isTrue(s.colourDisplay) ? toQColor(Colour{scheme.drawing1}) : QColor(Qt::black);
  QPalette palette = esr_->palette();
  palette.setColor(QPalette::WindowText, esrColour);
  palette.setColor(QPalette::Window, isTrue(s.colourDisplay) ? QColor(Qt::black) : QColor(Qt::white));
  esr_->setPalette(palette);

  display_.esn = fromQt(esn_->text());
  RefreshAnchoring(display_, cursor_(), s, state_.platform);
  showDisplay();
}

void AnchoringWindow::showDisplay() {
  const AnchoringDisplay& d = display_;
  const std::pair<QLabel*, const std::string*> labels[] = {
      {Datenow_, &d.Datenow},       {Tidenow_, &d.Tidenow},     {nexthighdat_, &d.nexthighdat},
      {nexthighval_, &d.nexthighval}, {nextlowdat_, &d.nextlowdat}, {nextlowval_, &d.nextlowval},
      {fall_, &d.fall},             {rise_, &d.rise},           {offset_, &d.offset},
      {Draught_, &d.Draught},       {esr_, &d.esr},             {Depth_, &d.Depth},
      {chainused_, &d.chainused},   {warpused_, &d.warpused},   {total_, &d.total},
      {Note_, &d.multiplierNote}};
  for (const auto& [label, text] : labels) label->setText(toQt(*text));
  for (const auto& [box, text] : {std::pair{chain_, &d.chain}, std::pair{warp_, &d.warp}})
    if (fromQt(box->text()) != *text) box->setText(toQt(*text));
  Warning_->setVisible(d.warningVisible);
}

void AnchoringWindow::chain_Change(const QString& text) {
  ChainTextChanged(display_, fromQt(text), state_.settings, state_.platform);
  showDisplay();
}

void AnchoringWindow::warp_Change(const QString& text) {
  WarpTextChanged(display_, fromQt(text), state_.settings, state_.platform);
  showDisplay();
}

void AnchoringWindow::esn_Change(const QString& text) {
  ReadingNowChanged(display_, fromQt(text), state_.settings, state_.platform);
  showDisplay();
}

void AnchoringWindow::Command1_Click() {
  if (!formulae_) {
    formulae_ = std::make_unique<FormulaeDialog>(state_, this);
    // Closing the dialog brings the calculator back with the new multipliers.
    connect(formulae_.get(), &QDialog::finished, this, [this] { refresh(); });
  }
  formulae_->open();
}

bool AnchoringWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) refresh();
  return QWidget::event(event);
}

bool AnchoringWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && (watched == chain_ || watched == esn_)) {
    auto* box = static_cast<QLineEdit*>(watched);
    QTimer::singleShot(0, box, [box] { box->selectAll(); });
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace saltmark
