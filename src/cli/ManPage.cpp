#include "cli/ManPage.h"

#include <algorithm>
#include <cctype>

#include "common/Version.h"

namespace saltmark::cli {
namespace {

std::string bold(const std::string& text) { return "\\fB" + troffText(text) + "\\fR"; }
std::string italic(const std::string& text) { return "\\fI" + troffText(text) + "\\fR"; }

bool isFlag(const CLI::Option& option) { return option.get_expected_max() == 0; }

// The value's placeholder: a named type as given, else the option's own name
// in capitals (--days DAYS), which reads better than CLI11's TEXT or INT.
std::string placeholder(const CLI::Option& option) {
  std::string type = option.get_type_name();
  type = type.substr(0, type.find(':'));
  if (!type.empty() && type != "TEXT" && type != "INT" && type != "UINT" && type != "FLOAT") return type;
  std::string name = option.get_lnames().empty() ? option.get_name() : option.get_lnames().front();
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) {
    return c == '-' ? '_' : static_cast<char>(std::toupper(c));
  });
  return name;
}

std::string optionTerm(const CLI::Option& option) {
  std::string term;
  for (const auto& name : option.get_snames()) term += (term.empty() ? "" : ", ") + bold("-" + name);
  for (const auto& name : option.get_lnames()) term += (term.empty() ? "" : ", ") + bold("--" + name);
  if (!isFlag(option)) term += " " + italic(placeholder(option));
  return term;
}

void writeOptions(const CLI::App& app, bool positionals, bool skipHelp, std::ostream& out) {
  for (const CLI::Option* option : app.get_options()) {
    if (option->get_positional() != positionals || option->get_group().empty()) continue;
    if (skipHelp && option == app.get_help_ptr()) continue;
    out << ".TP\n" << (positionals ? italic(option->get_name()) : optionTerm(*option)) << '\n';
    std::string text = option->get_description();
    if (option->get_required() && !positionals) text += " (required)";
    out << troffText(text) << '\n';
  }
}

std::string usage(const CLI::App& command) {
  std::string line = bold("saltmark-cli") + " " + bold(command.get_name());
  for (const CLI::Option* option : command.get_options())
    if (option->get_positional()) line += " " + italic(option->get_name());
  for (const CLI::Option* option : command.get_options())
    if (!option->get_positional() && option->get_required()) line += " " + optionTerm(*option);
  return line + " [" + italic("OPTIONS") + "]";
}

}  // namespace

std::string troffText(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += "\\e";
    else if (c == '-') out += "\\-";
    else out += c;
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

void writeManPage(const CLI::App& app, std::ostream& out) {
  out << ".TH SALTMARK\\-CLI 1 \"\" \"" << kVersionString << "\" \"User Commands\"\n"
      << ".SH NAME\nsaltmark\\-cli \\- tidal predictions for mariners, as plain text\n"
      << ".SH SYNOPSIS\n" << bold("saltmark-cli") << " [" << bold("--folder") << " " << italic("DIR") << "] "
      << italic("COMMAND") << " [" << italic("ARGUMENTS") << "]\n"
      << ".SH DESCRIPTION\n" << troffText(app.get_description()) << ".\n"
      << ".PP\nThe companion of the desktop program " << bold("saltmark")
      << ": it prints the same predictions, tables and pages from the same tide, difference and stream "
         "databases. Start times are GMT. The tidal data and predictions are not for navigation.\n"
      << ".SH OPTIONS\n";
  writeOptions(app, false, false, out);
  out << ".SH COMMANDS\nEvery command also takes " << bold("-h") << ", " << bold("--help") << ".\n";
  for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
    out << ".SS \"" << command->get_name() << "\"\n" << usage(*command) << "\n.PP\n"
        << troffText(command->get_description()) << ".\n";
    writeOptions(*command, true, true, out);
    writeOptions(*command, false, true, out);
  }
  out << ".SH EXIT STATUS\n0 when the command succeeded; 2 for a mistake in the command line, a data folder that "
         "is missing or cannot be written to, or a database that cannot be read (the reason goes to the standard "
         "error).\n"
      << ".SH SEE ALSO\n" << bold("saltmark") << " (the desktop program), whose help pages lie in "
      << italic("/usr/share/saltmark/help") << ".\n";
}

}  // namespace saltmark::cli
