#include "host/startup_rules.h"

namespace notch {

std::wstring ExecutableFolderFromPath(std::wstring_view path) {
  if (path.empty() || path.size() > kStartupPathChars - 1) return {};
  const std::size_t slash = path.rfind(L'\\');
  if (slash == std::wstring_view::npos) return std::wstring(path);
  return std::wstring(path.substr(0, slash));
}

std::wstring SymbolsFolderFromVariable(const std::optional<std::wstring>& value) {
  if (!value || value->empty() || value->size() > kStartupPathChars - 1) return {};
  return *value;
}

bool ApplySessionChange(unsigned code, bool& locked) {
  if (code == kSessionLock) locked = true;
  if (code == kSessionUnlock) locked = false;
  return locked;
}

}  // namespace notch
