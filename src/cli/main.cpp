// saltmark-cli: the command-line companion. Prints predictions in plain text
// so that other programs (and our tests) can check the engine exactly.
#include <CLI/CLI.hpp>

#include <iostream>

#include "common/Version.h"

int main(int argc, char** argv) {
  CLI::App app{std::string(saltmark::kVersionString) + " command-line companion (not for navigation)"};
  app.require_subcommand(1);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? 0 : 2;
  }
  return 0;
}
