#pragma once
// Each subcommand of saltmark-cli lives in a file of its own and registers a
// function that adds it to the application:
//
//   namespace { const bool registered = registerCommand(&addPortsCommand); }
//
// The command's callback throws CliError for anything the user got wrong; the
// program prints the message to stderr and ends with status 2.
#include <CLI/CLI.hpp>

#include <stdexcept>
#include <string>
#include <vector>

namespace saltmark::cli {

using CommandFactory = void (*)(CLI::App& app);

bool registerCommand(CommandFactory factory);
const std::vector<CommandFactory>& registeredCommands();

class CliError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace saltmark::cli
