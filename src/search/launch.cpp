#include "search/launch.h"

#include <optional>

#include "search/link_rule.h"
#include "search/search_text.h"

namespace notch::quick {
namespace {

constexpr wchar_t kInvalidLink[] = L"Enter a valid HTTP or HTTPS link.";
constexpr wchar_t kBrowserMissing[] = L"Selected browser app was not found: ";
constexpr wchar_t kBrowserFailed[] = L"Windows could not launch the selected browser.";
constexpr wchar_t kLinkFailed[] = L"Windows could not open the web link.";
constexpr wchar_t kCopyFailed[] = L"Could not copy result to clipboard.";
constexpr wchar_t kOpenFailed[] = L"Windows could not open ";
constexpr wchar_t kNotAFolder[] = L"Selected item is not a valid folder.";
constexpr wchar_t kTerminalFailed[] = L"Windows could not open Terminal for this folder.";

constexpr wchar_t kWindowsTerminalAlias[] = L"Microsoft\\WindowsApps\\wt.exe";
constexpr wchar_t kWindowsTerminal[] = L"wt.exe";
constexpr wchar_t kPowerShell[] = L"powershell.exe";

LaunchOutcome Done() { return {true, {}}; }
LaunchOutcome Failed(std::wstring message) { return {false, std::move(message)}; }

LaunchOutcome OpenLink(const std::wstring& target, std::wstring_view browser_path, LaunchPlatform& platform) {
  const std::optional<std::wstring> link = LinkFromText(target);
  if (!link) return Failed(kInvalidLink);
  if (browser_path.empty()) return platform.ShellOpen(*link, {}, {}) ? Done() : Failed(kLinkFailed);
  if (platform.Disk().Probe(browser_path) != PathKind::File)
    return Failed(kBrowserMissing + std::wstring(browser_path));
  return platform.ShellOpen(browser_path, Quoted(*link), {}) ? Done() : Failed(kBrowserFailed);
}

std::wstring WindowsTerminalPath(const LaunchPlatform& platform) {
  const std::wstring local = platform.Folders().local_app_data;
  if (!local.empty()) {
    std::wstring alias = JoinPath(local, kWindowsTerminalAlias);
    if (platform.Disk().Probe(alias) == PathKind::File) return alias;
  }
  return platform.FindOnSearchPath(kWindowsTerminal);
}

}  // namespace

LaunchOutcome OpenResult(const SearchResult& result, std::wstring_view browser_path, LaunchPlatform& platform) {
  switch (result.kind) {
    case ResultKind::Web:
    case ResultKind::Link:
      return OpenLink(result.target, browser_path, platform);
    case ResultKind::Calc:
      return platform.CopyText(result.target) ? Done() : Failed(kCopyFailed);
    default:
      return platform.ShellOpen(result.target, result.arguments, {}) ? Done() : Failed(kOpenFailed + result.title);
  }
}

std::wstring TerminalFolderArgument(std::wstring_view folder) {
  while (folder.size() > 3 && IsPathSeparator(folder.back())) folder.remove_suffix(1);
  std::wstring argument;
  for (const wchar_t c : folder) {
    if (c == L';') argument.push_back(L'\\');
    argument.push_back(c);
  }
  if (argument.ends_with(L'\\')) argument.push_back(L'.');
  return argument;
}

LaunchOutcome OpenTerminalHere(std::wstring_view path, LaunchPlatform& platform) {
  const std::optional<PathKind> kind = path.empty() ? std::nullopt : platform.Disk().Probe(path);
  std::optional<std::wstring_view> folder;
  if (kind == PathKind::Folder) folder = path;
  if (kind == PathKind::File) folder = ParentFolder(path);
  // No Windows folder name holds a quote; one in the text would end the
  // quoted argument and let the rest of the name be read as options.
  if (!folder || folder->find(L'"') != std::wstring_view::npos) return Failed(kNotAFolder);

  const std::wstring terminal = WindowsTerminalPath(platform);
  const bool has_terminal = !terminal.empty();
  const std::wstring arguments = has_terminal ? L"-d " + Quoted(TerminalFolderArgument(*folder)) : L"-NoExit";
  const bool started = platform.ShellOpen(has_terminal ? terminal : kPowerShell, arguments, *folder);
  return started ? Done() : Failed(kTerminalFailed);
}

}  // namespace notch::quick
