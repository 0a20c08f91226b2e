#pragma once
// The services the program asks of the desktop: message boxes, small dialogs,
// clipboard, beep, help, browser, busy pointer and letting pending window
// events run during long jobs. Core code only ever talks to this interface;
// the desktop program supplies a Qt implementation and tests a scripted one.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/ScopedSwitch.h"
#include "common/Version.h"

namespace saltmark {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
  std::string title;
  std::string filter;  // e.g. "Difference Files (*.dif)"
  std::filesystem::path startPath;
  // Whether the save dialog itself asks before a file is replaced; callers
  // that ask their own question turn it off, so the user is asked once.
  bool dialogAsksBeforeReplacing = true;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // A message box; the caption defaults to the program's name.
  virtual MessageAnswer message(std::string_view text, MessageIcon icon = MessageIcon::None,
                                MessageButtons buttons = MessageButtons::Ok,
                                std::string_view caption = kAppTitle) = 0;

  // The small input dialog: a prompt, a second label and a preset value.
  // Returns the text left in the box, or nullopt when the dialog was cancelled.
  virtual std::optional<std::string> promptValue(std::string_view prompt, std::string_view label,
                                                 std::string_view preset) = 0;

  // File dialogs; nullopt means the user cancelled.
  virtual std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::filesystem::path> chooseDirectory(const std::filesystem::path& start) = 0;

  virtual void setClipboardText(std::string_view text) = 0;
  virtual void beep() = 0;
  virtual void showHelpTopic(int contextNumber) = 0;
  virtual bool openUrl(std::string_view url) = 0;
  virtual void setBusy(bool busy) = 0;
  virtual void processEvents() = 0;
};

// Shows the busy pointer for the life of the object, and restores the normal
// pointer on every way out, errors included.
using BusyPointer = ScopedSwitch<Platform, &Platform::setBusy>;

}  // namespace saltmark
