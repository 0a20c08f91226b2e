#include "cli/CommandRegistry.h"

namespace saltmark::cli {

namespace {
std::vector<CommandFactory>& commands() {
  static std::vector<CommandFactory> list;
  return list;
}
}  // namespace

bool registerCommand(CommandFactory factory) {
  commands().push_back(factory);
  return true;
}

const std::vector<CommandFactory>& registeredCommands() { return commands(); }

}  // namespace saltmark::cli
