#pragma once
// The small input dialog behind PromptValue: a prompt, a second label that
// explains what the value is for, and a box holding the present value.
#include <QDialog>

class QLabel;
class QLineEdit;

namespace saltmark {

class PromptDialog : public QDialog {
  Q_OBJECT
 public:
  PromptDialog(const QString& prompt, const QString& label, const QString& preset, QWidget* parent = nullptr);
  QString value() const;
  QLineEdit* valueBox() const { return box_; }

 private:
  QLineEdit* box_;
};

}  // namespace saltmark
