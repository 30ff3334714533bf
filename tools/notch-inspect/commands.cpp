#include <array>
#include <ostream>

#include "command.h"

namespace notch::inspect {

extern const Command kSettingsCommand;
extern const Command kSearchCommand;

std::span<const Command> Commands() {
  static const std::array commands = {kSettingsCommand, kSearchCommand};
  return commands;
}

int UsageError(const Command& command, std::ostream& err, const std::string& problem) {
  err << "notch-inspect " << command.name << ": " << problem << "\n\n" << command.help;
  return 2;
}

}  // namespace notch::inspect
