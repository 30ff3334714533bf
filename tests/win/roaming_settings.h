#pragma once
// The settings file TemboNotch.exe uses in the test prefix, held in a known
// state for one test and put back afterwards.
#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <optional>
#include <string>

#include "common/file_io.h"

namespace notch::testing {

inline std::wstring RoamingSettingsFolder() {
  PWSTR roaming = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming))) folder = roaming;
  CoTaskMemFree(roaming);
  return folder + L"\\StandaloneTemboNotch";
}

inline std::wstring RoamingSettingsPath() { return RoamingSettingsFolder() + L"\\settings.ini"; }

class ScopedSettingsFile {
 public:
  // Replaces the file with `text` (UTF-8, without a byte order mark), or
  // removes it when `text` is empty.
  explicit ScopedSettingsFile(const std::string& text = {}) : path_(PathFromWide(RoamingSettingsPath())) {
    saved_ = ReadFileBytes(path_);
    Put(text);
  }
  ~ScopedSettingsFile() {
    if (saved_) {
      ReplaceFileBytes(path_, *saved_);
    } else {
      DeleteFileW(path_.c_str());
    }
  }
  ScopedSettingsFile(const ScopedSettingsFile&) = delete;
  ScopedSettingsFile& operator=(const ScopedSettingsFile&) = delete;

 private:
  void Put(const std::string& text) {
    if (text.empty()) {
      DeleteFileW(path_.c_str());
      return;
    }
    CreateDirectoryW(RoamingSettingsFolder().c_str(), nullptr);
    ReplaceFileBytes(path_, text);
  }

  std::filesystem::path path_;
  std::optional<std::string> saved_;
};

}  // namespace notch::testing
