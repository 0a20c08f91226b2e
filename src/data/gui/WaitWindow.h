#pragma once
// The start-up window Wait: centred on the screen, it shows the version
// string while the settings and the location index load, then its OK button,
// which opens the main window.
#include <QDialog>

class QLabel;
class QPushButton;

namespace saltmark {

struct AppState;

class WaitWindow : public QDialog {
  Q_OBJECT
 public:
  explicit WaitWindow(AppState& state, QWidget* parent = nullptr);

  // Runs the loads once; the window does this itself when first shown.
  void loadStartupData();
  bool loaded() const { return loaded_; }

 signals:
  // OK: the main window takes over.
  void startRequested();
  // Closed without OK (the close box, Esc): the program ends.
  void abandoned();

 public slots:
  // Esc, or any other reject, ends the start as the close box does.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private slots:
  void OK_Click();

 private:
  void abandon();

  AppState& state_;
  QLabel* Label1_;
  QPushButton* OK_;
  bool loaded_ = false;
  bool started_ = false;
  bool abandoned_ = false;
};

// Left = (screen width - window width) / 2, Top likewise.
void CentreOnScreen(QWidget& window);

}  // namespace saltmark
