#pragma once
// Reads a TCD harmonics file (the format of the public NOAA constants) into
// TcdData through libtcd. This is the only part of the converter that knows
// libtcd; everything after it works on the plain structs.
#include <filesystem>
#include <stdexcept>

#include "TcdData.h"

namespace saltmark::tcd {

struct TcdReadError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Throws TcdReadError saying what went wrong when the file cannot be opened
// or holds no constituents.
TcdData ReadTcdFile(const std::filesystem::path& path);

}  // namespace saltmark::tcd
