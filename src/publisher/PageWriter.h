#pragma once
// Where the publisher puts its files. The program and the command line write
// to disk (FilePageWriter: folders created as needed, every file written
// atomically, so a failed write never leaves half a page over a good one);
// tests may catch the files instead.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/AtomicFile.h"

namespace saltmark {

class PageWriter {
 public:
  virtual ~PageWriter() = default;
  virtual WriteResult createFolder(const std::filesystem::path& folder) = 0;
  virtual WriteResult writeFile(const std::filesystem::path& path, std::string_view bytes) = 0;
  virtual bool exists(const std::filesystem::path& path) = 0;
  // The file's bytes, or nothing when it cannot be read.
  virtual std::optional<std::string> read(const std::filesystem::path& path) = 0;
  // The subfolders of a folder (for the world index), in any order.
  virtual std::vector<std::filesystem::path> subfolders(const std::filesystem::path& folder) = 0;
};

class FilePageWriter : public PageWriter {
 public:
  WriteResult createFolder(const std::filesystem::path& folder) override;
  WriteResult writeFile(const std::filesystem::path& path, std::string_view bytes) override;
  bool exists(const std::filesystem::path& path) override;
  std::optional<std::string> read(const std::filesystem::path& path) override;
  std::vector<std::filesystem::path> subfolders(const std::filesystem::path& folder) override;
};

}  // namespace saltmark
