// saltmark-cli: the command-line companion. Prints predictions in plain text
// so that other programs (and our tests) can check the engine exactly.
#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>
#include <string_view>

#include "cli/CommandRegistry.h"
#include "cli/DataFolderOption.h"
#include "cli/ManPage.h"
#include "common/RuntimeError.h"
#include "common/Version.h"

int main(int argc, char** argv) {
  CLI::App app{std::string(saltmark::kVersionString) + " command-line companion (not for navigation)"};
  app.require_subcommand(1);
  saltmark::cli::addDataFolderOption(app);
  for (auto factory : saltmark::cli::registeredCommands()) factory(app);
  // The build writes the manual page from these same definitions.
  if (argc == 2 && std::string_view(argv[1]) == "--manual-page") {
    saltmark::cli::writeManPage(app, std::cout);
    return 0;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? 0 : 2;
  } catch (const saltmark::cli::CliError& e) {
    std::cerr << "saltmark-cli: " << e.what() << '\n';
    return 2;
  } catch (const saltmark::RuntimeError& e) {
    std::cerr << "saltmark-cli: " << e.what() << '\n';
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "saltmark-cli: " << e.what() << '\n';
    return 2;
  }
  return 0;
}
