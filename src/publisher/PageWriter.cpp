#include "publisher/PageWriter.h"

#include <system_error>

#include "common/ByteIO.h"

namespace saltmark {

WriteResult FilePageWriter::createFolder(const std::filesystem::path& folder) {
  std::error_code error;
  if (folder.empty() || std::filesystem::is_directory(folder, error)) return {};
  std::filesystem::create_directories(folder, error);
  if (error) return {false, error.message()};
  return {};
}

WriteResult FilePageWriter::writeFile(const std::filesystem::path& path, std::string_view bytes) {
  return writeFileAtomically(path, bytes);
}

bool FilePageWriter::exists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

std::optional<std::string> FilePageWriter::read(const std::filesystem::path& path) {
  try {
    return readWholeFile(path);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::vector<std::filesystem::path> FilePageWriter::subfolders(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> found;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code kind;
    if (it->is_directory(kind)) found.push_back(it->path());
  }
  return found;
}

}  // namespace saltmark
