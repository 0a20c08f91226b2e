#include "data/FileError.h"

namespace saltmark {

std::string FileErrorText(const RuntimeError& error, std::string_view path) {
  if (error.code() == errc::kBadDatabase) return runtimeErrorText(errc::kBadDatabase);
  std::string text = error.what();
  if (!path.empty()) {
    text += " : ";
    text += path;
  }
  return text;
}

void ShowFileError(Platform& platform, const RuntimeError& error, std::string_view path) {
  platform.message(FileErrorText(error, path), MessageIcon::Exclamation, MessageButtons::Ok, kAppTitle);
}

}  // namespace saltmark
