#pragma once
// A run-time error with the classic numbered codes, so that loaders can tell
// a missing file (76) from a bad signature (3049) and show the error's text.
#include <stdexcept>
#include <string>

namespace saltmark {

namespace errc {
inline constexpr int kOverflow = 6;
inline constexpr int kSubscript = 9;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kFileNotFound = 53;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kInvalidFormat = 321;
inline constexpr int kBadDatabase = 3049;
}  // namespace errc

// The error's own text for a code ("Subscript out of range" for 9).
std::string runtimeErrorText(int code);

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(int code) : std::runtime_error(runtimeErrorText(code)), code_(code) {}
  RuntimeError(int code, const std::string& text) : std::runtime_error(text), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

}  // namespace saltmark
