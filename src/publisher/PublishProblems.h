#pragma once
// What went wrong in one publishing run, told once at its end: a run over
// hundreds of ports into a folder that cannot be written would otherwise
// stop the user at every page. Each message names the first file (with the
// system's reason) or the first port, and says how many there were.
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace saltmark {

inline constexpr std::string_view kPublisherCaption = "Saltmark Publisher";
inline constexpr std::string_view kPageWriteError = "Error in writing file";

class PublishProblems {
 public:
  void writeFailed(const std::filesystem::path& file, std::string_view reason);
  // A port whose month could not be predicted (the error's text).
  void portFailed(std::string_view portName, std::string_view error);

  int writeFailures() const { return writeFailures_; }
  int portFailures() const { return portFailures_; }

  // "Error in writing file '<file>': <reason>." (critical icon), then
  // "No page for <port>: <error>." (exclamation icon), each with
  // "\r<n> files could not be written." or "\r<n> ports were skipped." when
  // there were more than one; the caption is "Saltmark Publisher". Nothing
  // when all went well. The counts start again afterwards.
  void report(Platform& platform);

 private:
  int writeFailures_ = 0;
  std::string firstWrite_;
  int portFailures_ = 0;
  std::string firstPort_;
};

}  // namespace saltmark
