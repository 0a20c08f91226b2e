#pragma once
// The manual page saltmark-cli(1), written from the commands' own
// definitions, so that every command and option is described as it is parsed.
#include <CLI/CLI.hpp>

#include <ostream>
#include <string>

namespace saltmark::cli {

void writeManPage(const CLI::App& app, std::ostream& out);

// Text made safe for troff: backslashes and hyphens escaped, a leading
// period or apostrophe kept from being read as a request.
std::string troffText(const std::string& text);

}  // namespace saltmark::cli
