#pragma once
// Helpers shared by the tests: a temporary folder removed at the end of the
// test, and small file utilities.
#include <filesystem>
#include <string>
#include <string_view>

namespace saltmark::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

void writeFile(const std::filesystem::path& path, std::string_view bytes);
std::string readFile(const std::filesystem::path& path);

// The built program folder (executables, bundled databases), or empty when
// the tests run outside the build.
std::filesystem::path programDir();

}  // namespace saltmark::test
