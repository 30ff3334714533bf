#include "common/duration_text.h"

#include <algorithm>
#include <cwchar>

namespace notch {

std::wstring FormatWholeSeconds(long long seconds) {
  seconds = std::max(0LL, seconds);
  wchar_t text[32];
  if (seconds < 3600) {
    std::swprintf(text, 32, L"%lld:%02lld", seconds / 60, seconds % 60);
  } else {
    std::swprintf(text, 32, L"%lld:%02lld:%02lld", seconds / 3600, (seconds / 60) % 60, seconds % 60);
  }
  return text;
}

}  // namespace notch
