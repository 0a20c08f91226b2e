#include "cli/DataFolderOption.h"

#include <filesystem>
#include <system_error>

#include "cli/CommandRegistry.h"
#include "data/DataFolder.h"

namespace saltmark::cli {

void addDataFolderOption(CLI::App& app) {
  // Runs while the command line is read, before the command itself.
  app.add_option_function<std::string>(
         "--folder",
         [](const std::string& folder) {
           if (const auto problem = CheckGivenFolder(folder)) throw CliError(*problem);
           std::error_code error;
           std::filesystem::current_path(folder, error);
           if (error) throw CliError("cannot change to the data folder " + folder + ": " + error.message());
         },
         "Data folder: databases named without a folder are found in DIR")
      ->type_name("DIR");
}

}  // namespace saltmark::cli
