#include <array>
#include <filesystem>
#include <ostream>

#include "command.h"

namespace notch::inspect {

extern const Command kSettingsCommand;
extern const Command kTrayMenuCommand;
extern const Command kLyricsCommand;
extern const Command kIslandCommand;
extern const Command kGeometryCommand;
extern const Command kSearchCommand;
extern const Command kLyricsPlanCommand;
extern const Command kWlanProfileCommand;
extern const Command kDownloadsCommand;
extern const Command kPanelPageCommand;
extern const Command kLayoutCommand;

std::span<const Command> Commands() {
  static const std::array commands = {kSettingsCommand,  kTrayMenuCommand,  kLyricsCommand, kLyricsPlanCommand,
                                      kIslandCommand,    kGeometryCommand,  kSearchCommand, kWlanProfileCommand,
                                      kDownloadsCommand, kPanelPageCommand, kLayoutCommand};
  return commands;
}

int UsageError(const Command& command, std::ostream& err, const std::string& problem) {
  err << "notch-inspect " << command.name << ": " << problem << "\n\n" << command.help;
  return 2;
}

bool SettingsFileUsable(const Command& command, const std::string& path, std::ostream& err) {
  std::error_code error;
  const std::filesystem::path file(path);
  if (!std::filesystem::exists(file, error) || std::filesystem::is_regular_file(file, error)) return true;
  err << "notch-inspect " << command.name << ": " << path << " is not a file\n";
  return false;
}

}  // namespace notch::inspect
