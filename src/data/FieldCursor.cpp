#include "data/FieldCursor.h"

#include "common/RuntimeError.h"

namespace saltmark {

std::string FieldCursor::restart(std::string_view line) {
  rest_.assign(line);
  rest_ += ',';
  return next();
}

std::string FieldCursor::next() {
  const std::size_t comma = rest_.find(',');
  if (comma == std::string::npos) throw RuntimeError(errc::kInvalidFormat);
  std::string field = rest_.substr(0, comma);
  rest_.erase(0, comma + 1);
  return field;
}

}  // namespace saltmark
