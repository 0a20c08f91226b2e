#pragma once
// The help window: the program's own help pages (HTML in the program
// folder's "help" folder) in a browser with back and forward, opened at the
// contents, the index, the search page or one window's topic. The search page
// looks for words in every page and lists the pages that hold all of them.
// Help opened from a modal window stays usable while that window is open.
#include <filesystem>

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace saltmark {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(std::filesystem::path helpFolder, QWidget* parent = nullptr);

  void showContents();
  void showIndex();
  void showSearch();
  void showTopic(int contextNumber);

  // The pages holding every word of the query, as file names.
  QStringList search(const QString& query) const;

  QTextBrowser* browser() const { return browser_; }
  QString currentPage() const;

 private slots:
  void runSearch();

 private:
  void showPage(const QString& page);
  void stayUsableOverModalWindow();

  std::filesystem::path folder_;
  QTextBrowser* browser_;
  QWidget* searchBar_;
  QLineEdit* query_;
  QListWidget* results_;
};

}  // namespace saltmark
