#include "editors/gui/RecordEditorWindow.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/gui/NamedControls.h"
#include "platform/gui/QtText.h"

namespace saltmark {

RecordEditorWindow::RecordEditorWindow(RecordListEditor& editor, const EditorControlNames& names, QWidget* parent)
    : QDialog(parent), editor_(editor) {
  setObjectName(names.window);
  setWindowTitle(names.title);
  setModal(true);

  auto* menuBar = new QMenuBar(this);
  QMenu* file = namedMenu(menuBar, names.fileMenu, "&File");
  connect(namedAction(file, names.newFile, "&New"), &QAction::triggered, this,
          [this] { runCommand([this] { editor_.newDatabase(); }); });
  connect(namedAction(file, names.open, "&Open"), &QAction::triggered, this,
          [this] { runCommand([this] { editor_.open(); }); });
  connect(namedAction(file, names.save, "&Save"), &QAction::triggered, this,
          [this] { runCommand([this] { editor_.save(); }); });
  connect(namedAction(file, names.saveAs, names.saveAsText), &QAction::triggered, this,
          [this] { runCommand([this] { editor_.saveAs(); }); });
  file->addSeparator();
  connect(namedAction(file, names.exit, "E&xit"), &QAction::triggered, this, &RecordEditorWindow::reject);
  connect(namedMenuBarAction(menuBar, names.help, "&Help"), &QAction::triggered, this, [this] { editor_.help(); });

  QLabel* heading = namedLabel("heading", this, names.heading);
  QFont bold = heading->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.3);
  heading->setFont(bold);
  QLabel* note = namedLabel("note", this, "You must reload Saltmark for any changes to take effect.");

  list_ = new QListWidget(this);
  list_->setObjectName(names.list);
  list_->setMinimumWidth(180);
  connect(list_, &QListWidget::currentRowChanged, this, &RecordEditorWindow::listRowChanged);

  record_ = namedGroup("Record", QString(), this);

  auto* buttons = new QHBoxLayout;
  const struct {
    const char* name;
    const char* text;
    std::function<void()> command;
  } commands[] = {
      {names.ok, "&OK", [this] { editor_.ok(); }},
      {names.cancel, "&Cancel", [this] { editor_.cancel(); }},
      {names.append, "&Append", [this] { editor_.append(); }},
      {names.insert, "&Insert", [this] { editor_.insert(); }},
      {names.remove, "&Delete", [this] { editor_.remove(); }},
  };
  for (const auto& c : commands) {
    QPushButton* button = namedButton(c.name, c.text, this);
    connect(button, &QPushButton::clicked, this, [this, command = c.command] { runCommand(command); });
    buttons->addWidget(button);
  }

  auto* right = new QVBoxLayout;
  right->addWidget(record_, 1);
  right->addLayout(buttons);
  auto* body = new QHBoxLayout;
  body->addWidget(list_);
  body->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->addWidget(heading);
  layout->addWidget(note);
  layout->addLayout(body, 1);
}

void RecordEditorWindow::openModal(const QColor& background) {
  for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(record_)}) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    w->setPalette(p);
    w->setAutoFillBackground(true);
  }
  editor_.startNewDatabase();
  showEditor();
  exec();
}

void RecordEditorWindow::reject() {
  bool mayClose = false;
  runCommand([this, &mayClose] { mayClose = editor_.exit(); });
  if (mayClose) QDialog::reject();
}

void RecordEditorWindow::watchBox(QLineEdit* box, std::function<std::string(std::string_view)> normalise) {
  boxes_[box] = std::move(normalise);
  box->installEventFilter(this);
}

void RecordEditorWindow::normaliseBox(QLineEdit* box) {
  const auto found = boxes_.find(box);
  if (found == boxes_.end() || !found->second || box->text().isEmpty()) return;
  box->setText(toQt(found->second(fromQt(box->text()))));
}

bool RecordEditorWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (box && boxes_.count(box)) {
    if (event->type() == QEvent::FocusOut && !inBoxCheck_) {
      inBoxCheck_ = true;
      normaliseBox(box);
      inBoxCheck_ = false;
    } else if (event->type() == QEvent::FocusIn) {
      // After the click that brought the focus, which would place the cursor.
      QTimer::singleShot(0, box, [box] { box->selectAll(); });
    }
  }
  return QDialog::eventFilter(watched, event);
}

void RecordEditorWindow::commitFocusedBox() {
  if (auto* box = qobject_cast<QLineEdit*>(focusWidget())) normaliseBox(box);
}

void RecordEditorWindow::runCommand(const std::function<void()>& command) {
  commitFocusedBox();
  pullForm();
  command();
  showEditor();
}

void RecordEditorWindow::listRowChanged(int row) {
  if (settingSelection_ || row < 0) return;
  runCommand([this, row] { editor_.listClick(row); });
}

void RecordEditorWindow::showList() {
  const QSignalBlocker quiet(list_);
  settingSelection_ = true;
  const auto& entries = editor_.entries();
  bool same = list_->count() == static_cast<int>(entries.size());
  for (int i = 0; same && i < list_->count(); ++i) same = fromQt(list_->item(i)->text()) == entries[i];
  if (!same) {
    list_->clear();
    for (const std::string& entry : entries) list_->addItem(toQt(entry));
  }
  list_->setCurrentRow(editor_.current(), QItemSelectionModel::ClearAndSelect);
  settingSelection_ = false;
}

void RecordEditorWindow::showEditor() {
  showList();
  record_->setTitle(toQt(editor_.recordCaption()));
  setWindowTitle(toQt(editor_.windowCaption()));
  pushForm();
  if (isVisible()) nameBox()->setFocus();
}

}  // namespace saltmark
