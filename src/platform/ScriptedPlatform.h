#pragma once
// A platform for tests: records every message and answers every question
// from a script given in advance. A question with no scripted answer is
// recorded as unanswered and gets the most cautious answer (Cancel or No).
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace saltmark {

struct RecordedMessage {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  MessageAnswer answer = MessageAnswer::Ok;
};

class ScriptedPlatform : public Platform {
 public:
  // Script the answers, consumed in order.
  void answerNext(MessageAnswer answer) { answers_.push_back(answer); }
  void promptNext(std::optional<std::string> value) { prompts_.push_back(std::move(value)); }
  void fileNext(std::optional<std::filesystem::path> path) { files_.push_back(std::move(path)); }

  MessageAnswer message(std::string_view text, MessageIcon icon, MessageButtons buttons,
                        std::string_view caption) override;
  std::optional<std::string> promptValue(std::string_view prompt, std::string_view label,
                                         std::string_view preset) override;
  std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> chooseDirectory(const std::filesystem::path& start) override;
  void setClipboardText(std::string_view text) override { clipboard = std::string(text); }
  void beep() override { ++beeps; }
  void showHelpTopic(int contextNumber) override { helpTopics.push_back(contextNumber); }
  bool openUrl(std::string_view url) override {
    urls.emplace_back(url);
    return true;
  }
  void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
  void processEvents() override { ++eventPumps; }

  // Texts of the messages shown so far, oldest first.
  std::vector<std::string> messageTexts() const;
  const RecordedMessage* lastMessage() const { return messages.empty() ? nullptr : &messages.back(); }
  void clear();

  std::vector<RecordedMessage> messages;
  std::vector<std::string> prompts;  // prompt texts asked
  std::vector<int> helpTopics;
  std::vector<std::string> urls;
  std::string clipboard;
  int beeps = 0;
  int busyDepth = 0;
  int eventPumps = 0;
  int unansweredQuestions = 0;

 private:
  std::deque<MessageAnswer> answers_;
  std::deque<std::optional<std::string>> prompts_;
  std::deque<std::optional<std::filesystem::path>> files_;
  std::optional<std::filesystem::path> nextFile();
};

}  // namespace saltmark
