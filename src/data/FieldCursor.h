#pragma once
// Reads the comma-separated fields of a location line one after another.
// Restarting on a line appends one "," to it, so the last field needs no
// trailing comma of its own; asking for a field when no "," is left fails
// with RuntimeError(errc::kInvalidFormat), the classic error 321.
#include <string>
#include <string_view>

namespace saltmark {

class FieldCursor {
 public:
  // Starts over on a line and returns its first field.
  std::string restart(std::string_view line);
  // The field up to the next ",", leaving the cursor after that ",".
  std::string next();
  // What is left to read.
  const std::string& rest() const { return rest_; }

 private:
  std::string rest_;
};

}  // namespace saltmark
