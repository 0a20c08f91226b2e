#pragma once
// The desktop's services for the program: Qt message boxes, the small input
// dialog, file and folder dialogs, the clipboard, the beep, the browser, the
// busy pointer and the running of pending window events. Help topics go to
// whatever the program's shell installs (its help window).
#include <functional>

#include <QPointer>
#include <QWidget>

#include "platform/Platform.h"

namespace saltmark {

class QtPlatform : public Platform {
 public:
  explicit QtPlatform(QWidget* owner = nullptr) : owner_(owner) {}
  ~QtPlatform() override;

  // The window that dialogs are centred on and belong to.
  void setOwner(QWidget* owner) { owner_ = owner; }
  using HelpHandler = std::function<void(int contextNumber)>;
  void setHelpHandler(HelpHandler handler) { helpHandler_ = std::move(handler); }

  MessageAnswer message(std::string_view text, MessageIcon icon, MessageButtons buttons,
                        std::string_view caption) override;
  std::optional<std::string> promptValue(std::string_view prompt, std::string_view label,
                                         std::string_view preset) override;
  std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> chooseDirectory(const std::filesystem::path& start) override;
  void setClipboardText(std::string_view text) override;
  void beep() override;
  void showHelpTopic(int contextNumber) override;
  bool openUrl(std::string_view url) override;
  void setBusy(bool busy) override;
  void processEvents() override;

 private:
  QPointer<QWidget> owner_;
  HelpHandler helpHandler_;
  int busyDepth_ = 0;  // nested busy periods share one override cursor
};

}  // namespace saltmark
