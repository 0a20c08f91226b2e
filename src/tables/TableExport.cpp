#include "tables/TableExport.h"

#include "common/AtomicFile.h"

namespace saltmark {

std::string TableFileContents(std::string_view text) {
  std::string contents(text);
  contents += "\r\n";
  return contents;
}

std::optional<std::string> SaveTableFile(const std::filesystem::path& path, std::string_view text) {
  return saveFileOrSayWhy(path, TableFileContents(text), "The table could not be saved as ");
}

}  // namespace saltmark
