// Texts copied by other programs: whatever the clipboard holds, the history
// keeps trimmed, distinct, non-empty entries within its caps.
#include "activities/clipboard_history.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/text.h"

namespace {

bool IsTrimmed(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Each piece between unit separators (0x1F) is one copy; the whole input
  // is one more.
  const std::wstring text = notch::Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));
  notch::ClipboardHistory history;
  std::size_t start = 0;
  for (std::size_t end = text.find(L'\x1F'); end != std::wstring::npos; end = text.find(L'\x1F', start)) {
    history.Add(std::wstring_view(text).substr(start, end - start));
    start = end + 1;
  }
  history.Add(text);
  if (history.size() > notch::kClipboardHistoryCap) std::abort();
  for (std::size_t i = 0; i < history.size(); ++i) {
    const std::wstring& entry = history[i].text;
    if (entry.empty() || entry.size() > notch::kClipboardTextLimit) std::abort();
    if (IsTrimmed(entry.front()) || IsTrimmed(entry.back())) std::abort();
    if (history[i].row.size() > notch::kClipboardRowLimit) std::abort();
    if (history.Find(entry) != static_cast<int>(i)) std::abort();
  }
  return 0;
}
