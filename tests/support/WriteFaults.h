#pragma once
// The ways a file write can go wrong, set up for tests of every writer:
//   DiskFullBeforeWriting  the write is refused before any byte (the
//                          AtomicFile fault hook, as a full disk would);
//   DiskFullPartWay        the disk fills after some bytes: a file size limit
//                          (RLIMIT_FSIZE) makes the write stop part way, as
//                          ENOSPC would, even for root;
//   FolderInPlaceOfFile    a folder stands where the file should be;
//   ReadOnlyFolder         the file's folder is read-only. Root may write
//                          there anyway, so under root this one cannot be
//                          set up and the test says so.
// Each fault holds for the life of the WriteFaultScope, and the writer under
// test is called inside that scope.
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

// Why the fault cannot be made for files in this folder (a read-only folder
// when running as root), or empty when it can.
std::string WriteFaultUnavailable(WriteFault fault, const std::filesystem::path& folder);

// Runs write (the writer under test, returning whether it succeeded) under
// the fault for target, and expects it to fail and to leave the target's
// folder as it was. False, with nothing run, when the fault cannot be made.
bool ExpectWriteRefused(WriteFault fault, const std::filesystem::path& target, const std::function<bool()>& write);

class WriteFaultScope {
 public:
  // target: the file about to be written (its previous version is already
  // there, except for FolderInPlaceOfFile, where the target must not exist
  // yet and becomes a folder holding one file). A part-way failure comes
  // after failAfterBytes bytes of a file, so every file the writer brings
  // must be longer.
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
  unsigned long long savedLimit_ = 0;
  unsigned long long savedMaximum_ = 0;
  void (*savedSignal_)(int) = nullptr;
};

}  // namespace saltmark::test
