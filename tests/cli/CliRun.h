#pragma once
// Running saltmark-cli from the program folder, and the small data folder
// the command-line tests run it on.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "data/DifferenceFile.h"
#include "data/LocationIndexFile.h"
#include "data/StreamFile.h"
#include "data/TideDatabaseFile.h"
#include "support/TestSupport.h"

namespace saltmark::test {

// A port of the English Channel with every constituent and no seasonal levels.
inline constexpr const char* kTestPortLine =
    "Test Harbour,1,50,48,N,1,7,W,2.9,112.4,1.62,151.0,0.55,322.7,0.09,310.2,0.08,230.0,0.021,40.0,0.004"
    ",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";

struct CliRun {
  int status;  // the exit code, -1 when the command did not end normally
  std::string out;
};

// The shell command's standard output (and its errors where the command
// redirects them) with its exit code.
inline CliRun runShell(const std::string& command) {
  CliRun result{-1, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 4096> buffer;
  while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) result.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

enum class CliErrors { Dropped, Kept };

// saltmark-cli with the arguments (a shell word list), its error output
// dropped or kept in `out` after the standard output.
inline CliRun runCli(const std::string& arguments, CliErrors errors = CliErrors::Dropped) {
  const char* redirect = errors == CliErrors::Kept ? " 2>&1" : " 2>/dev/null";
  return runShell((programDir() / "saltmark-cli").string() + " " + arguments + redirect);
}

// The data folder the command tests run on: TEST.tid holds the test port and
// a port whose name has a letter beyond ASCII (as "Mayag\xFC" "ez" in the
// bundled data), SALTMARK.IND indexes the first, TEST.dif holds a secondary
// port of it and TEST.vel a stream station.
inline void writeTestFolder(const TempDir& dir) {
  std::string accented = kTestPortLine;
  accented.replace(0, std::string("Test Harbour").size(), "Mayag\xFC" "ez");
  ASSERT_TRUE(WriteTideDatabaseFile(dir / "TEST.tid", "Saltmark 100", {}, {kTestPortLine, accented}));
  LocationIndexContents index;
  index.databaseNames = {"TEST.tid"};
  index.entries = {{0, 0, "Test Harbour", 0.886, -0.0195}};
  ASSERT_TRUE(WriteLocationIndexFile(dir / "SALTMARK.IND", index));
  const DifferenceRecord secondary{"Up River", "", "", 0, 0,
                                   {"", "", "", "", "+0030", "+0100", "0.20", "0.20", "0.10", "0.10"}};
  ASSERT_TRUE(DifferenceFile::write(dir / "TEST.dif", std::vector<DifferenceRecord>{secondary}));
  StreamRecord station{"Sample Diamond A", "50 48N", "1 07W", 0, 0, {}, {}, {}};  // east at 2.5 knots at every hour
  station.direction.fill(90), station.springRate.fill(250), station.neapRate.fill(250);
  ASSERT_TRUE(StreamFile::write(dir / "TEST.vel", std::vector<StreamRecord>{station}));
}

// The arguments with the first TEST.tid, TEST.vel, TEST.dif and OUT each made
// a quoted path into the folder.
inline std::string inFolder(std::string arguments, const TempDir& dir) {
  for (const char* name : {"TEST.tid", "TEST.vel", "TEST.dif", "OUT"})
    if (const auto at = arguments.find(name); at != std::string::npos)
      arguments.replace(at, std::string(name).size(), "'" + (dir / name).string() + "'");
  return arguments;
}

// A test of saltmark-cli over the folder above.
class CliFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { writeTestFolder(dir); }
  CliRun cli(const std::string& arguments) const { return runCli(inFolder(arguments, dir)); }
  TempDir dir;
};

}  // namespace saltmark::test
