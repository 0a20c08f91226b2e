#pragma once
// The platform for the command line: every message goes to stderr, questions
// are answered with the cautious choice, and there are no dialogs.
#include <iostream>

#include "platform/Platform.h"

namespace saltmark::cli {

class ConsolePlatform : public Platform {
 public:
  MessageAnswer message(std::string_view text, MessageIcon, MessageButtons buttons,
                        std::string_view) override {
    std::cerr << text << '\n';
    ++messageCount;
    switch (buttons) {
      case MessageButtons::Ok: return MessageAnswer::Ok;
      case MessageButtons::YesNo: return MessageAnswer::No;
      default: return MessageAnswer::Cancel;
    }
  }
  std::optional<std::string> promptValue(std::string_view, std::string_view, std::string_view) override {
    return std::nullopt;
  }
  std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::filesystem::path> chooseDirectory(const std::filesystem::path&) override { return std::nullopt; }
  void setClipboardText(std::string_view) override {}
  void beep() override {}
  void showHelpTopic(int) override {}
  bool openUrl(std::string_view) override { return false; }
  void setBusy(bool) override {}
  void processEvents() override {}

  int messageCount = 0;
};

}  // namespace saltmark::cli
