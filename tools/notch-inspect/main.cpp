// notch-inspect: prints, as JSON, what the portable core decides for a given
// input, so that behaviour can be examined without Windows.
#include <iostream>
#include <string>
#include <vector>

#include "command.h"

namespace {

void PrintOverview(std::ostream& out) {
  out << "usage: notch-inspect COMMAND [ARGUMENTS...]\n"
         "       notch-inspect COMMAND --help\n\n"
         "Prints what Tembo Notch's portable core decides for an input, as JSON on\n"
         "standard output. Exit codes: 0 done, 1 the input could not be read,\n"
         "2 wrong arguments.\n\ncommands:\n";
  for (const auto& command : notch::inspect::Commands()) {
    out << "  " << command.name << std::string(14 - std::min<std::size_t>(13, std::string(command.name).size()), ' ')
        << command.summary << "\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
    PrintOverview(arguments.empty() ? std::cerr : std::cout);
    return arguments.empty() ? 2 : 0;
  }
  for (const auto& command : notch::inspect::Commands()) {
    if (arguments[0] != command.name) continue;
    const std::span<const std::string> rest(arguments.data() + 1, arguments.size() - 1);
    if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h")) {
      std::cout << command.help;
      return 0;
    }
    return command.run(rest, std::cout, std::cerr);
  }
  std::cerr << "notch-inspect: unknown command '" << arguments[0] << "'\n\n";
  PrintOverview(std::cerr);
  return 2;
}
