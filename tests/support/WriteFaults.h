#pragma once
// The ways a file write can go wrong, for the tests of every writer. Each
// fault holds while its WriteFaultScope lives; the writer runs inside it.
//   DiskFullBeforeWriting  refused before any byte (AtomicFile's fault hook);
//   DiskFullPartWay        the write stops part way, as on a full disk: a file
//                          size limit (RLIMIT_FSIZE), which holds for root too;
//   FolderInPlaceOfFile    a folder stands where the file should be;
//   ReadOnlyFolder         the file's folder is read-only (not for root, who
//                          may write there anyway: the test says so).
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace saltmark::test {

enum class WriteFault { DiskFullBeforeWriting, DiskFullPartWay, FolderInPlaceOfFile, ReadOnlyFolder };
inline constexpr WriteFault kAllWriteFaults[] = {WriteFault::DiskFullBeforeWriting, WriteFault::DiskFullPartWay,
                                                 WriteFault::FolderInPlaceOfFile, WriteFault::ReadOnlyFolder};

std::string WriteFaultName(WriteFault fault);

// Every file below a folder with its bytes, to tell that nothing changed
// (and that no temporary file was left behind).
std::map<std::string, std::string> FolderSnapshot(const std::filesystem::path& folder);

// Why the fault cannot be made for files in this folder, or empty when it can.
std::string WriteFaultUnavailable(WriteFault fault, const std::filesystem::path& folder);

// Runs write (the writer under test, true when it succeeded) under the fault
// for target, and expects it to fail and to leave the target's folder as it
// was. False, with nothing run, when the fault cannot be made.
bool ExpectWriteRefused(WriteFault fault, const std::filesystem::path& target, const std::function<bool()>& write);

class WriteFaultScope {
 public:
  // target: the file about to be written (its previous version is already
  // there, except for FolderInPlaceOfFile, where it becomes a folder holding
  // one file). A part-way failure comes after failAfterBytes bytes of a file,
  // so every file the writer brings must be longer.
  explicit WriteFaultScope(WriteFault fault, const std::filesystem::path& target, std::size_t failAfterBytes = 16);
  ~WriteFaultScope();
  WriteFaultScope(const WriteFaultScope&) = delete;
  WriteFaultScope& operator=(const WriteFaultScope&) = delete;

  // False when this fault cannot be made here; whyNot() says why.
  bool active() const { return whyNot_.empty(); }
  const std::string& whyNot() const { return whyNot_; }

 private:
  WriteFault fault_;
  std::filesystem::path folder_;
  std::string whyNot_;
  bool limitSet_ = false;
  unsigned long long savedLimit_ = 0, savedMaximum_ = 0;
  void (*savedSignal_)(int) = nullptr;
};

}  // namespace saltmark::test
