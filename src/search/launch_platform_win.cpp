#include "search/launch_platform_win.h"

#include <windows.h>

#include <knownfolders.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "common/clipboard_text_win.h"
#include "common/known_folder_win.h"
#include "search/registry_win.h"

namespace notch::quick {
namespace {

constexpr wchar_t kStartMenuInternetKey[] = L"SOFTWARE\\Clients\\StartMenuInternet";
constexpr DWORD kSearchPathChars = 32768;

// Null for an empty text, as the shell wants for "none".
const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

InstallFolders WindowsLaunchPlatform::Folders() const {
  return {KnownFolderPath(FOLDERID_LocalAppData), KnownFolderPath(FOLDERID_ProgramFiles),
          KnownFolderPath(FOLDERID_ProgramFilesX86)};
}

std::wstring WindowsLaunchPlatform::FindOnSearchPath(std::wstring_view file) const {
  const std::wstring name(file);
  std::wstring found(kSearchPathChars, L'\0');
  const DWORD length = SearchPathW(nullptr, name.c_str(), nullptr, kSearchPathChars, found.data(), nullptr);
  if (length == 0 || length >= kSearchPathChars) return {};
  found.resize(length);
  return found;
}

std::vector<RegisteredBrowser> WindowsLaunchPlatform::RegisteredBrowsers() const {
  std::vector<RegisteredBrowser> browsers;
  for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    for (const std::wstring& subkey : RegistrySubkeys(root, kStartMenuInternetKey)) {
      const std::wstring key = std::wstring(kStartMenuInternetKey) + L"\\" + subkey;
      const std::optional<std::wstring> command = RegistryDefaultString(root, key + L"\\shell\\open\\command");
      if (command) browsers.push_back({RegistryDefaultString(root, key).value_or(L""), *command});
    }
  }
  return browsers;
}

std::wstring WindowsLaunchPlatform::FileDescription(std::wstring_view path) const {
  const std::wstring file(path);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<unsigned char> block(size);
  if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data())) return {};
  struct Translation {
    WORD language;
    WORD code_page;
  };
  void* translations = nullptr;
  UINT translations_bytes = 0;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &translations, &translations_bytes) ||
      translations_bytes < sizeof(Translation)) {
    return {};
  }
  Translation first{};
  std::memcpy(&first, translations, sizeof first);
  wchar_t query[64];
  std::swprintf(query, 64, L"\\StringFileInfo\\%04x%04x\\FileDescription", first.language, first.code_page);
  void* text = nullptr;
  UINT chars = 0;
  if (!VerQueryValueW(block.data(), query, &text, &chars) || chars == 0) return {};
  std::wstring description(static_cast<const wchar_t*>(text), chars);
  description.resize(description.find(L'\0') == std::wstring::npos ? description.size() : description.find(L'\0'));
  return description;
}

bool WindowsLaunchPlatform::ShellOpen(std::wstring_view file, std::wstring_view parameters,
                                      std::wstring_view directory) {
  const std::wstring file_text(file), parameters_text(parameters), directory_text(directory);
  const HINSTANCE result = ShellExecuteW(nullptr, L"open", file_text.c_str(), OrNull(parameters_text),
                                         OrNull(directory_text), SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

bool WindowsLaunchPlatform::CopyText(std::wstring_view text) { return PutClipboardText(clipboard_owner_(), text); }

}  // namespace notch::quick
