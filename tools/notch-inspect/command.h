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

// Whether `path` can be read as a settings file: a missing one reads as every
// default, anything but a file is refused (with a message to `err`).
bool SettingsFileUsable(const Command& command, const std::string& path, std::ostream& err);

}  // namespace notch::inspect
