#include "search/registry_win.h"

namespace notch::quick {
namespace {

// A key opened for reading, closed on scope exit.
class ReadKey {
 public:
  ReadKey(HKEY root, const std::wstring& path) {
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~ReadKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  ReadKey(const ReadKey&) = delete;
  ReadKey& operator=(const ReadKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

constexpr DWORD kMaxKeyNameChars = 256;  // the registry's own limit (255 and the terminator)

std::wstring Expanded(const std::wstring& text) {
  const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (needed == 0) return text;
  std::wstring expanded(needed, L'\0');
  const DWORD written = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), needed);
  if (written == 0 || written > needed) return text;
  expanded.resize(written - 1);
  return expanded;
}

}  // namespace

std::vector<std::wstring> RegistrySubkeys(HKEY root, const std::wstring& path) {
  std::vector<std::wstring> names;
  const ReadKey key(root, path);
  if (key.get() == nullptr) return names;
  for (DWORD index = 0;; ++index) {
    wchar_t name[kMaxKeyNameChars];
    DWORD length = kMaxKeyNameChars;
    const LSTATUS status = RegEnumKeyExW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status == ERROR_SUCCESS) names.emplace_back(name, length);
  }
  return names;
}

std::optional<std::wstring> RegistryDefaultString(HKEY root, const std::wstring& path) {
  const ReadKey key(root, path);
  if (key.get() == nullptr) return std::nullopt;
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(key.get(), nullptr, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  // The stored text need not end with a terminator; cut at the first one there is.
  value.resize(bytes / sizeof(wchar_t));
  value.resize(value.find(L'\0') == std::wstring::npos ? value.size() : value.find(L'\0'));
  return type == REG_EXPAND_SZ ? Expanded(value) : value;
}

}  // namespace notch::quick
