#include "support/WriteFaults.h"

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <stdexcept>

#include <gtest/gtest.h>

#include "common/AtomicFile.h"
#include "support/TestSupport.h"

namespace saltmark::test {

std::string WriteFaultName(WriteFault fault) {
  static const char* const kNames[] = {"DiskFullBeforeWriting", "DiskFullPartWay", "FolderInPlaceOfFile",
                                       "ReadOnlyFolder"};
  return kNames[static_cast<int>(fault)];
}

std::map<std::string, std::string> FolderSnapshot(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string name = std::filesystem::relative(entry.path(), folder).string();
    files[name] = entry.is_directory() ? std::string("<folder>") : readFile(entry.path());
  }
  return files;
}

std::string WriteFaultUnavailable(WriteFault fault, const std::filesystem::path& folder) {
  if (fault != WriteFault::ReadOnlyFolder) return {};
  WriteFaultScope probe(fault, folder / "probe");
  return probe.whyNot();
}

bool ExpectWriteRefused(WriteFault fault, const std::filesystem::path& target, const std::function<bool()>& write) {
  WriteFaultScope scope(fault, target);
  if (!scope.active()) return false;
  const auto before = FolderSnapshot(target.parent_path());
  EXPECT_FALSE(write());
  EXPECT_EQ(FolderSnapshot(target.parent_path()), before);
  return true;
}

WriteFaultScope::WriteFaultScope(WriteFault fault, const std::filesystem::path& target, std::size_t failAfterBytes)
    : fault_(fault), folder_(target.parent_path()) {
  switch (fault) {
    case WriteFault::DiskFullBeforeWriting:
      setWriteFaultForTesting([](const std::filesystem::path&) { return false; });
      break;
    case WriteFault::DiskFullPartWay: {
      rlimit limit{};
      ::getrlimit(RLIMIT_FSIZE, &limit);
      savedLimit_ = limit.rlim_cur;
      savedMaximum_ = limit.rlim_max;
      savedSignal_ = std::signal(SIGXFSZ, SIG_IGN);  // the write then fails with EFBIG
      limit.rlim_cur = failAfterBytes;
      limitSet_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
      if (!limitSet_) {
        whyNot_ = "the file size limit cannot be set";
        std::signal(SIGXFSZ, savedSignal_);
      }
      break;
    }
    case WriteFault::FolderInPlaceOfFile:
      std::filesystem::create_directories(target);
      std::ofstream(target / "inside.txt") << "kept";
      break;
    case WriteFault::ReadOnlyFolder:
      std::filesystem::permissions(folder_, std::filesystem::perms(0555));  // read and enter only
      if (std::ofstream(folder_ / ".write-probe")) {  // the file can still be made: as root
        std::filesystem::remove(folder_ / ".write-probe");
        whyNot_ = "this process may write into a read-only folder (it runs as root), so the fault cannot be made";
      }
      break;
  }
}

WriteFaultScope::~WriteFaultScope() {
  switch (fault_) {
    case WriteFault::DiskFullBeforeWriting: setWriteFaultForTesting({}); break;
    case WriteFault::DiskFullPartWay:
      if (limitSet_) {
        rlimit limit{static_cast<rlim_t>(savedLimit_), static_cast<rlim_t>(savedMaximum_)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, savedSignal_);
      }
      break;
    case WriteFault::FolderInPlaceOfFile: break;
    case WriteFault::ReadOnlyFolder: {
      std::error_code ec;
      std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
      break;
    }
  }
}

}  // namespace saltmark::test
