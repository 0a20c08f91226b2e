#include "common/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace saltmark {

namespace {

std::function<bool(const std::filesystem::path&)>& writeFaultHook() {
  static std::function<bool(const std::filesystem::path&)> hook;
  return hook;
}

WriteResult failure(const std::string& what) { return WriteResult{false, what}; }

std::string systemReason() { return std::strerror(errno); }

}  // namespace

void setWriteFaultForTesting(std::function<bool(const std::filesystem::path&)> allowWrite) {
  writeFaultHook() = std::move(allowWrite);
}

WriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::is_directory(path, ec)) return failure("a folder stands in place of the file");
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

}  // namespace saltmark
