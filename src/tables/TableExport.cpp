#include "tables/TableExport.h"

#include "common/AtomicFile.h"

namespace saltmark {

std::string TableFileContents(std::string_view text) {
  std::string contents(text);
  contents += "\r\n";
  return contents;
}

std::optional<std::string> SaveTableFile(const std::filesystem::path& path, std::string_view text) {
  const WriteResult result = writeFileAtomically(path, TableFileContents(text));
  if (result) return std::nullopt;
  std::string message = "The table could not be saved as " + path.string() + ".";
  if (!result.error.empty()) message += "\r\n" + result.error;
  message += "\r\nA file of that name that was there before is unchanged.";
  return message;
}

}  // namespace saltmark
