#pragma once
// Writes a whole file so that a failure part way never damages the file that
// was there before: the bytes go to a temporary file in the same folder, are
// flushed to disk, and only then replace the target by a rename. The first
// write into a folder also removes the temporary files that runs killed part
// way left there ("<name>.tmp<pid>_<n>" of a process that no longer runs).
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace saltmark {

struct WriteResult {
  bool ok = true;
  std::string error;  // the system's reason when !ok
  explicit operator bool() const { return ok; }
};

WriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Writes the file as above. On failure returns what the user is told:
// "<failed><path>." (failed such as "The table could not be saved as "),
// the system's reason, and that the file there before is unchanged.
std::optional<std::string> saveFileOrSayWhy(const std::filesystem::path& path, std::string_view bytes,
                                            std::string_view failed);

// Tests simulate a disk that fills up: when set, the hook is asked before the
// temporary file is written and a false answer fails the write at that point.
void setWriteFaultForTesting(std::function<bool(const std::filesystem::path&)> allowWrite);

}  // namespace saltmark
