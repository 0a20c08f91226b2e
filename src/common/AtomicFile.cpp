#include "common/AtomicFile.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>

namespace saltmark {

namespace {

std::function<bool(const std::filesystem::path&)>& writeFaultHook() {
  static std::function<bool(const std::filesystem::path&)> hook;
  return hook;
}

WriteResult failure(const std::string& what) { return WriteResult{false, what}; }

std::string systemReason() { return std::strerror(errno); }

// "<name>.tmp<pid>_<n>": the temporary files this code makes.
std::optional<pid_t> temporaryFileOwner(const std::string& name) {
  const std::size_t mark = name.rfind(".tmp");
  if (mark == std::string::npos) return std::nullopt;
  const std::string tail = name.substr(mark + 4);
  const std::size_t underscore = tail.find('_');
  if (underscore == 0 || underscore == std::string::npos || underscore + 1 == tail.size()) return std::nullopt;
  const auto digits = [](std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  const std::string pid = tail.substr(0, underscore);
  if (!digits(pid) || !digits(std::string_view(tail).substr(underscore + 1)) || pid.size() > 9) return std::nullopt;
  return static_cast<pid_t>(std::stol(pid));
}

bool processRuns(pid_t pid) { return pid == ::getpid() || ::kill(pid, 0) == 0 || errno == EPERM; }

// A run that was killed between writing its temporary file and the rename
// leaves the file behind; the next run that writes into the folder removes
// those of processes that no longer run. Each folder is looked at once.
void removeStaleTemporaryFiles(const std::filesystem::path& folder) {
  static std::mutex guard;
  static std::set<std::filesystem::path> cleaned;
  {
    std::lock_guard<std::mutex> lock(guard);
    if (!cleaned.insert(folder).second) return;
  }
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code kind;
    if (!it->is_regular_file(kind)) continue;
    const auto owner = temporaryFileOwner(it->path().filename().string());
    if (owner && !processRuns(*owner)) std::filesystem::remove(it->path(), kind);
  }
}

}  // namespace

void setWriteFaultForTesting(std::function<bool(const std::filesystem::path&)> allowWrite) {
  writeFaultHook() = std::move(allowWrite);
}

WriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::is_directory(path, ec)) return failure("a folder stands in place of the file");
  removeStaleTemporaryFiles(path.parent_path());
  static std::atomic<unsigned> counter{0};
  fs::path temp = path;
  temp += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);

  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return failure(systemReason());
  auto abandon = [&](const std::string& why) {
    ::close(fd);
    fs::remove(temp, ec);
    return failure(why);
  };
  if (writeFaultHook() && !writeFaultHook()(path)) return abandon("No space left on device");
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return abandon(systemReason());
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) return abandon(systemReason());
  if (::close(fd) != 0) {
    fs::remove(temp, ec);
    return failure(systemReason());
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const std::string why = systemReason();
    fs::remove(temp, ec);
    return failure(why);
  }
  return {};
}

std::optional<std::string> saveFileOrSayWhy(const std::filesystem::path& path, std::string_view bytes,
                                            std::string_view failed) {
  const WriteResult result = writeFileAtomically(path, bytes);
  if (result) return std::nullopt;
  std::string message = std::string(failed) + path.string() + ".";
  if (!result.error.empty()) message += "\r\n" + result.error;
  message += "\r\nA file of that name that was there before is unchanged.";
  return message;
}

}  // namespace saltmark
