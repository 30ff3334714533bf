#include "common/profile_store_win.h"

#include <windows.h>

namespace notch {
namespace {

void CreateUnicodeFileIfMissing(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;  // it exists already, or the write below reports the failure
  const unsigned char mark[] = {0xFF, 0xFE};
  DWORD written = 0;
  WriteFile(file, mark, sizeof mark, &written, nullptr);
  CloseHandle(file);
}

}  // namespace

std::wstring WindowsProfileStore::Read(std::wstring_view section, std::wstring_view key,
                                       std::wstring_view fallback) const {
  wchar_t buffer[kProfileValueChars] = {};
  const std::wstring section_text(section), key_text(key), fallback_text(fallback);
  const DWORD length = GetPrivateProfileStringW(section_text.c_str(), key_text.c_str(), fallback_text.c_str(), buffer,
                                                static_cast<DWORD>(kProfileValueChars), path_.c_str());
  return std::wstring(buffer, length);
}

bool WindowsProfileStore::Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  CreateUnicodeFileIfMissing(path_);
  const std::wstring section_text(section), key_text(key), value_text(value);
  return WritePrivateProfileStringW(section_text.c_str(), key_text.c_str(), value_text.c_str(), path_.c_str()) != 0;
}

}  // namespace notch
