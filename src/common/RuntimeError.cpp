#include "common/RuntimeError.h"

namespace saltmark {

std::string runtimeErrorText(int code) {
  switch (code) {
    case errc::kOverflow: return "Overflow";
    case errc::kSubscript: return "Subscript out of range";
    case errc::kTypeMismatch: return "Type mismatch";
    case errc::kFileNotFound: return "File not found";
    case errc::kDiskFull: return "Disk full";
    case errc::kInputPastEnd: return "Input past end of file";
    case errc::kPathFileAccess: return "Path/File access error";
    case errc::kPathNotFound: return "Path not found";
    case errc::kInvalidFormat: return "Invalid file format";
    case errc::kBadDatabase: return "Not an Saltmark Database File";
    default: return "Application-defined or object-defined error";
  }
}

}  // namespace saltmark
