#pragma once
// Shared by the fuzz targets: a check that stops the run with a report (so
// libFuzzer saves the input), a scratch folder for loaders that read from a
// path, and the silent, recording platform the loaders talk to.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "common/RuntimeError.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark::fuzz {

// Prints what failed and aborts; libFuzzer then writes the crashing input.
[[noreturn]] void checkFailed(const char* condition, const char* file, int line);

#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::saltmark::fuzz::checkFailed(#condition, __FILE__, __LINE__))

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Runs decodeAndCheck, which decodes the input and checks what it read, and
// says whether the input was taken; a refusal must carry one of the codes a
// damaged file may give.
template <typename DecodeAndCheck>
bool takenOrRefusedAs(DecodeAndCheck decodeAndCheck, std::initializer_list<int> refusals) {
  try {
    decodeAndCheck();
    return true;
  } catch (const RuntimeError& refused) {
    FUZZ_CHECK(std::find(refusals.begin(), refusals.end(), refused.code()) != refusals.end());
    return false;
  }
}

// A folder of the process's own, in memory when /dev/shm is there, removed
// at exit. Files written here are plain writes (no flushing to disk), since
// a fuzzer runs thousands of inputs a second.
const std::filesystem::path& scratchFolder();
std::filesystem::path writeScratchFile(std::string_view name, std::string_view bytes);

}  // namespace saltmark::fuzz
