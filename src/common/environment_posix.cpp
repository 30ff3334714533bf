#include <cstdlib>

#include "common/environment.h"
#include "common/text.h"

namespace notch {

std::optional<std::wstring> ReadEnvironmentVariable(std::wstring_view name) {
  const char* value = std::getenv(WideToUtf8(name).c_str());
  if (value == nullptr) return std::nullopt;
  return Utf8ToWide(value);
}

}  // namespace notch
