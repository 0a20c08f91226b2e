#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>

namespace saltmark::fuzz {

namespace {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::error_code ec;
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm")
                                                      : std::filesystem::temp_directory_path();
    path_ = base / ("saltmark-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

void checkFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "fuzz check failed: %s at %s:%d\n", condition, file, line);
  std::abort();
}

const std::filesystem::path& scratchFolder() {
  static ScratchFolder folder;
  return folder.path();
}

std::filesystem::path writeScratchFile(std::string_view name, std::string_view bytes) {
  const std::filesystem::path path = scratchFolder() / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) checkFailed("the scratch file was written", __FILE__, __LINE__);
  return path;
}

}  // namespace saltmark::fuzz
