#include "shell/gui/HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/gui/QtText.h"
#include "shell/HelpTopics.h"

namespace saltmark {

HelpWindow::HelpWindow(std::filesystem::path helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(std::move(helpFolder)) {
  setObjectName("HelpWindow");
  setWindowTitle("Saltmark Help");
  resize(720, 560);
  auto* layout = new QVBoxLayout(this);

  auto* navigation = new QHBoxLayout;
  auto* back = new QPushButton("&Back", this);
  auto* forward = new QPushButton("F&orward", this);
  auto* contents = new QPushButton("&Contents", this);
  auto* index = new QPushButton("&Index", this);
  auto* find = new QPushButton("&Search", this);
  back->setObjectName("HelpBack");
  forward->setObjectName("HelpForward");
  for (QPushButton* b : {back, forward, contents, index, find}) navigation->addWidget(b);
  navigation->addStretch(1);
  layout->addLayout(navigation);

  searchBar_ = new QWidget(this);
  auto* searchLayout = new QVBoxLayout(searchBar_);
  searchLayout->setContentsMargins(0, 0, 0, 0);
  auto* queryRow = new QHBoxLayout;
  queryRow->addWidget(new QLabel("Words to find:", searchBar_));
  query_ = new QLineEdit(searchBar_);
  query_->setObjectName("HelpQuery");
  queryRow->addWidget(query_);
  auto* go = new QPushButton("&Find", searchBar_);
  go->setObjectName("HelpFind");
  queryRow->addWidget(go);
  searchLayout->addLayout(queryRow);
  results_ = new QListWidget(searchBar_);
  results_->setObjectName("HelpResults");
  results_->setMaximumHeight(120);
  searchLayout->addWidget(results_);
  searchBar_->hide();
  layout->addWidget(searchBar_);

  browser_ = new QTextBrowser(this);
  browser_->setObjectName("HelpBrowser");
  browser_->setSearchPaths({pathToQt(folder_)});
  browser_->setOpenExternalLinks(true);
  layout->addWidget(browser_, 1);

  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
  connect(index, &QPushButton::clicked, this, &HelpWindow::showIndex);
  connect(find, &QPushButton::clicked, this, &HelpWindow::showSearch);
  connect(go, &QPushButton::clicked, this, &HelpWindow::runSearch);
  connect(query_, &QLineEdit::returnPressed, this, &HelpWindow::runSearch);
  connect(results_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
  connect(results_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
}

void HelpWindow::showContents() {
  searchBar_->hide();
  showPage(kHelpContentsPage);
}

void HelpWindow::showIndex() {
  searchBar_->hide();
  showPage(kHelpIndexPage);
}

void HelpWindow::showSearch() {
  searchBar_->show();
  showPage(kHelpSearchPage);
  query_->setFocus();
}

void HelpWindow::showTopic(int contextNumber) {
  searchBar_->hide();
  showPage(QString::fromStdString(HelpTopicPage(contextNumber)));
}

QString HelpWindow::currentPage() const { return browser_->source().fileName(); }

void HelpWindow::showPage(const QString& page) {
  const QString path = QDir(pathToQt(folder_)).filePath(page);
  if (QFile::exists(path)) {
    browser_->setSource(QUrl::fromLocalFile(path));
  } else {
    browser_->setHtml("<h2>Help is not available</h2><p>The help page <b>" + page.toHtmlEscaped() +
                      "</b> was not found in the folder " + pathToQt(folder_).toHtmlEscaped() +
                      ". Reinstall the program to restore its help pages.</p>");
  }
  stayUsableOverModalWindow();
  show();
  raise();
  activateWindow();
}

// A modal window (table settings, an editor) blocks every window that is not
// its own; help asked for from it must not be blocked, so the help window
// becomes that modal window's companion until help is next opened from
// elsewhere.
void HelpWindow::stayUsableOverModalWindow() {
  QWidget* modal = QApplication::activeModalWidget();
  QWindow* owner = modal && modal->window() != this ? modal->window()->windowHandle() : nullptr;
  create();
  QWindow* own = windowHandle();
  if (!own || own->transientParent() == owner) return;
  // The blocked state is decided when the window is shown.
  const bool wasVisible = isVisible();
  if (wasVisible) hide();
  own->setTransientParent(owner);
  if (wasVisible) show();
}

QStringList HelpWindow::search(const QString& query) const {
  const QStringList words = query.simplified().toLower().split(' ', Qt::SkipEmptyParts);
  QStringList found;
  if (words.isEmpty()) return found;
  const QDir dir(pathToQt(folder_));
  for (const QString& name : dir.entryList({"*.html"}, QDir::Files, QDir::Name)) {
    if (name == kHelpSearchPage || name == kHelpIndexPage) continue;
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) continue;
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    const QString text = document.toPlainText().toLower();
    bool all = true;
    for (const QString& word : words) all = all && text.contains(word);
    if (all) found << name;
  }
  return found;
}

void HelpWindow::runSearch() {
  results_->clear();
  const QStringList pages = search(query_->text());
  if (pages.isEmpty()) {
    results_->addItem("No help page holds all of these words.");
    return;
  }
  const QDir dir(pathToQt(folder_));
  for (const QString& page : pages) {
    QFile file(dir.filePath(page));
    QString title = page;
    if (file.open(QIODevice::ReadOnly)) {
      const auto match = QRegularExpression("<title>(.*?)</title>").match(QString::fromUtf8(file.readAll()));
      if (match.hasMatch()) title = match.captured(1);
    }
    auto* item = new QListWidgetItem(title, results_);
    item->setData(Qt::UserRole, page);
  }
}

}  // namespace saltmark
