#pragma once
// saltmark-cli --folder DIR, given before the command: DIR becomes the
// current folder, so databases named without a folder are found there, as
// in the program. A folder that is missing or cannot be written to ends the
// run with status 2.
#include <CLI/CLI.hpp>

namespace saltmark::cli {

void addDataFolderOption(CLI::App& app);

}  // namespace saltmark::cli
