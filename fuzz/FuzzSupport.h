#pragma once
// Shared by the fuzz targets: a check that stops the run with a report (so
// libFuzzer saves the input), a scratch folder for loaders that read from a
// path, and the silent, recording platform the loaders talk to.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/ScriptedPlatform.h"

namespace saltmark::fuzz {

// Prints what failed and aborts; libFuzzer then writes the crashing input.
[[noreturn]] void checkFailed(const char* condition, const char* file, int line);

#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::saltmark::fuzz::checkFailed(#condition, __FILE__, __LINE__))

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A folder of the process's own, in memory when /dev/shm is there, removed
// at exit. Files written here are plain writes (no flushing to disk), since
// a fuzzer runs thousands of inputs a second.
const std::filesystem::path& scratchFolder();
std::filesystem::path writeScratchFile(std::string_view name, std::string_view bytes);

}  // namespace saltmark::fuzz
