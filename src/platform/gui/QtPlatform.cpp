#include "platform/gui/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "platform/gui/PromptDialog.h"
#include "platform/gui/QtText.h"

namespace saltmark {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
  }
  return QMessageBox::Ok;
}

// Closing the box with its close button or Escape counts as the cautious answer.
MessageAnswer answerOf(int clicked, MessageButtons buttons) {
  switch (clicked) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: break;
  }
  switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
  }
}

}  // namespace

QtPlatform::~QtPlatform() {
  while (busyDepth_ > 0) setBusy(false);
}

MessageAnswer QtPlatform::message(std::string_view text, MessageIcon icon, MessageButtons buttons,
                                  std::string_view caption) {
  // A busy pointer over a question would hide that the program waits for the user.
  const bool wasBusy = busyDepth_ > 0;
  if (wasBusy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  // Messages break their lines with a carriage return.
  QString shown = toQt(text);
  shown.replace("\r\n", "\n").replace('\r', '\n');
  QMessageBox box(qtIcon(icon), toQt(caption), shown, qtButtons(buttons), owner_);
  box.setObjectName("MessageBox");
  const int clicked = box.exec();
  if (wasBusy) QApplication::restoreOverrideCursor();
  return answerOf(clicked, buttons);
}

std::optional<std::string> QtPlatform::promptValue(std::string_view prompt, std::string_view label,
                                                   std::string_view preset) {
  PromptDialog dialog(toQt(prompt), toQt(label), toQt(preset), owner_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return fromQt(dialog.value());
}

std::optional<std::filesystem::path> QtPlatform::chooseOpenFile(const FileDialogRequest& request) {
  const QString chosen =
      QFileDialog::getOpenFileName(owner_, toQt(request.title), pathToQt(request.startPath), toQt(request.filter));
  if (chosen.isEmpty()) return std::nullopt;
  return pathFromQt(chosen);
}

std::optional<std::filesystem::path> QtPlatform::chooseSaveFile(const FileDialogRequest& request) {
  const QString chosen =
      QFileDialog::getSaveFileName(owner_, toQt(request.title), pathToQt(request.startPath), toQt(request.filter),
                                   nullptr,
                                   request.dialogAsksBeforeReplacing ? QFileDialog::Options()
                                                                     : QFileDialog::DontConfirmOverwrite);
  if (chosen.isEmpty()) return std::nullopt;
  return pathFromQt(chosen);
}

std::optional<std::filesystem::path> QtPlatform::chooseDirectory(const std::filesystem::path& start) {
  const QString chosen = QFileDialog::getExistingDirectory(owner_, "Select Save Directory", pathToQt(start));
  if (chosen.isEmpty()) return std::nullopt;
  return pathFromQt(chosen);
}

void QtPlatform::setClipboardText(std::string_view text) {
  if (QClipboard* clipboard = QApplication::clipboard()) clipboard->setText(toQt(text));
}

void QtPlatform::beep() { QApplication::beep(); }

void QtPlatform::showHelpTopic(int contextNumber) {
  if (helpHandler_) helpHandler_(contextNumber);
}

bool QtPlatform::openUrl(std::string_view url) { return QDesktopServices::openUrl(QUrl(toQt(url))); }

void QtPlatform::setBusy(bool busy) {
  if (busy) {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyDepth_ > 0) {
    if (--busyDepth_ == 0) QApplication::restoreOverrideCursor();
  }
}

void QtPlatform::processEvents() { QApplication::processEvents(); }

}  // namespace saltmark
