#include "platform/ScriptedPlatform.h"

namespace saltmark {

namespace {

// The next scripted answer; with none left the question counts as unanswered.
template <typename Answer>
std::optional<Answer> takeNext(std::deque<std::optional<Answer>>& script, int& unanswered) {
  if (script.empty()) {
    ++unanswered;
    return std::nullopt;
  }
  std::optional<Answer> next = std::move(script.front());
  script.pop_front();
  return next;
}

}  // namespace

MessageAnswer ScriptedPlatform::message(std::string_view text, MessageIcon icon,
                                        MessageButtons buttons, std::string_view caption) {
  RecordedMessage m{std::string(text), std::string(caption), icon, buttons, MessageAnswer::Ok};
  if (buttons != MessageButtons::Ok) {
    if (!answers_.empty()) {
      m.answer = answers_.front();
      answers_.pop_front();
    } else {
      ++unansweredQuestions;
      m.answer = buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }
  }
  messages.push_back(m);
  return m.answer;
}

std::optional<std::string> ScriptedPlatform::promptValue(std::string_view prompt, std::string_view,
                                                         std::string_view) {
  prompts.emplace_back(prompt);
  return takeNext(prompts_, unansweredQuestions);
}

std::optional<std::filesystem::path> ScriptedPlatform::nextFile() { return takeNext(files_, unansweredQuestions); }

std::optional<std::filesystem::path> ScriptedPlatform::chooseOpenFile(const FileDialogRequest&) { return nextFile(); }
std::optional<std::filesystem::path> ScriptedPlatform::chooseSaveFile(const FileDialogRequest&) { return nextFile(); }
std::optional<std::filesystem::path> ScriptedPlatform::chooseDirectory(const std::filesystem::path&) { return nextFile(); }

std::vector<std::string> ScriptedPlatform::messageTexts() const {
  std::vector<std::string> texts;
  for (const auto& m : messages) texts.push_back(m.text);
  return texts;
}

void ScriptedPlatform::clear() {
  messages.clear();
  prompts.clear();
  helpTopics.clear();
  urls.clear();
  clipboard.clear();
  beeps = busyDepth = eventPumps = unansweredQuestions = 0;
}

}  // namespace saltmark
