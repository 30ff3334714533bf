#pragma once
// One subcommand of notch-inspect. Its output format is an interface: keep it
// stable and described in `help`.
#include <iosfwd>
#include <span>
#include <string>

namespace notch::inspect {

struct Command {
  const char* name;
  const char* summary;  // one line for the command list
  const char* help;     // the full text of `notch-inspect NAME --help`
  int (*run)(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);
};

std::span<const Command> Commands();

// Exit code for wrong arguments, after printing the command's help to `err`.
int UsageError(const Command& command, std::ostream& err, const std::string& problem);

}  // namespace notch::inspect
