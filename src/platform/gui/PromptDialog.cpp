#include "platform/gui/PromptDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common/Version.h"
#include "platform/gui/QtText.h"

namespace saltmark {

PromptDialog::PromptDialog(const QString& prompt, const QString& label, const QString& preset, QWidget* parent)
    : QDialog(parent), box_(new QLineEdit(preset, this)) {
  setObjectName("PromptValue");
  setWindowTitle(toQt(kAppTitle));
  auto* layout = new QVBoxLayout(this);
  auto* promptLabel = new QLabel(prompt, this);
  promptLabel->setObjectName("prompt");
  layout->addWidget(promptLabel);
  if (!label.isEmpty()) {
    auto* second = new QLabel(label, this);
    second->setObjectName("label");
    second->setWordWrap(true);
    layout->addWidget(second);
  }
  box_->setObjectName("value");
  box_->selectAll();
  layout->addWidget(box_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

QString PromptDialog::value() const { return box_->text(); }

}  // namespace saltmark
