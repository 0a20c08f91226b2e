#include "publisher/PublishProblems.h"

namespace saltmark {

void PublishProblems::writeFailed(const std::filesystem::path& file, std::string_view reason) {
  if (writeFailures_++ == 0)
    firstWrite_ = std::string(kPageWriteError) + " '" + file.string() + "': " + std::string(reason) + ".";
}

void PublishProblems::portFailed(std::string_view portName, std::string_view error) {
  if (portFailures_++ == 0) firstPort_ = "No page for " + std::string(portName) + ": " + std::string(error) + ".";
}

void PublishProblems::report(Platform& platform) {
  if (writeFailures_ > 0) {
    std::string text = firstWrite_;
    if (writeFailures_ > 1) text += "\r" + std::to_string(writeFailures_) + " files could not be written.";
    platform.message(text, MessageIcon::Critical, MessageButtons::Ok, kPublisherCaption);
  }
  if (portFailures_ > 0) {
    std::string text = firstPort_;
    if (portFailures_ > 1) text += "\r" + std::to_string(portFailures_) + " ports were skipped.";
    platform.message(text, MessageIcon::Exclamation, MessageButtons::Ok, kPublisherCaption);
  }
  *this = PublishProblems{};
}

}  // namespace saltmark
