#include "search/browsers.h"

#include <algorithm>
#include <array>

#include "search/search_text.h"

namespace notch::quick {
namespace {

struct KnownBrowser {
  const wchar_t* name;
  const wchar_t* relative_path;
};

constexpr std::array<KnownBrowser, 7> kKnownBrowsers = {{
    {L"Brave Browser", L"BraveSoftware\\Brave-Browser\\Application\\brave.exe"},
    {L"Google Chrome", L"Google\\Chrome\\Application\\chrome.exe"},
    {L"Microsoft Edge", L"Microsoft\\Edge\\Application\\msedge.exe"},
    {L"Mozilla Firefox", L"Mozilla Firefox\\firefox.exe"},
    {L"Zen Browser", L"Zen Browser\\zen.exe"},
    {L"Opera", L"Programs\\Opera\\opera.exe"},
    {L"Vivaldi", L"Vivaldi\\Application\\vivaldi.exe"},
}};

constexpr wchar_t kSystemDefault[] = L"System default";
constexpr wchar_t kDefaultLabel[] = L"Default";
constexpr wchar_t kCustomLabel[] = L"Custom";
constexpr std::wstring_view kExe = L".exe";

class BrowserList {
 public:
  explicit BrowserList(const LaunchPlatform& platform) : platform_(platform) {
    choices_.push_back({kSystemDefault, {}});
  }

  bool Contains(std::wstring_view path) const {
    const std::wstring lower = ToLower(path);
    return std::any_of(choices_.begin(), choices_.end(),
                       [&](const BrowserChoice& choice) { return ToLower(choice.path) == lower; });
  }

  // Adds an installed program not listed yet; an empty name becomes the
  // program's own description, else its file stem.
  void AddInstalled(std::wstring name, std::wstring path) {
    if (path.empty() || platform_.Disk().Probe(path) != PathKind::File || Contains(path)) return;
    if (name.empty()) name = platform_.FileDescription(path);
    if (name.empty()) name = FileStem(path);
    choices_.push_back({std::move(name), std::move(path)});
  }

  void Add(BrowserChoice choice) { choices_.push_back(std::move(choice)); }
  std::vector<BrowserChoice> Take() { return std::move(choices_); }

 private:
  const LaunchPlatform& platform_;
  std::vector<BrowserChoice> choices_;
};

}  // namespace

std::wstring BrowserExecutableFromCommand(std::wstring_view command) {
  const std::wstring_view text = Trim(command);
  if (text.starts_with(L'"')) {
    const std::size_t close = text.find(L'"', 1);
    return std::wstring(text.substr(1, close == std::wstring_view::npos ? std::wstring_view::npos : close - 1));
  }
  const std::size_t exe = ToLower(text).find(kExe);
  if (exe != std::wstring::npos) return std::wstring(text.substr(0, exe + kExe.size()));
  return std::wstring(text.substr(0, text.find(L' ')));
}

std::vector<BrowserChoice> ListBrowsers(std::wstring_view configured_path, std::wstring_view configured_name,
                                        const LaunchPlatform& platform) {
  BrowserList list(platform);
  for (const RegisteredBrowser& browser : platform.RegisteredBrowsers()) {
    list.AddInstalled(std::wstring(Trim(browser.name)), BrowserExecutableFromCommand(browser.command));
  }
  const InstallFolders folders = platform.Folders();
  for (const KnownBrowser& browser : kKnownBrowsers) {
    for (const std::wstring* base : {&folders.local_app_data, &folders.program_files, &folders.program_files_x86}) {
      if (!base->empty()) list.AddInstalled(browser.name, JoinPath(*base, browser.relative_path));
    }
  }
  if (!configured_path.empty() && !list.Contains(configured_path)) {
    list.Add({BrowserLabel(configured_path, configured_name, platform), std::wstring(configured_path)});
  }
  return list.Take();
}

std::wstring BrowserLabel(std::wstring_view path, std::wstring_view configured_name, const LaunchPlatform& platform) {
  if (path.empty()) return kDefaultLabel;
  if (!configured_name.empty()) return std::wstring(configured_name);
  const std::wstring_view stem = FileStem(path);
  if (platform.Disk().Probe(path) != PathKind::File) return stem.empty() ? kCustomLabel : std::wstring(stem);
  std::wstring description = platform.FileDescription(path);
  return description.empty() ? std::wstring(stem) : description;
}

}  // namespace notch::quick
