#include "common/clipboard_text_win.h"

#include <cstring>

namespace notch {

bool ReplaceOpenClipboardText(std::wstring_view text) {
  if (!EmptyClipboard()) return false;
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return false;
  bool copied = false;
  if (void* target = GlobalLock(memory)) {
    std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
    static_cast<wchar_t*>(target)[text.size()] = L'\0';
    GlobalUnlock(memory);
    copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  }
  if (!copied) GlobalFree(memory);  // the clipboard owns it only once set
  return copied;
}

bool PutClipboardText(HWND owner, std::wstring_view text) {
  if (owner == nullptr || !OpenClipboard(owner)) return false;
  const bool copied = ReplaceOpenClipboardText(text);
  CloseClipboard();
  return copied;
}

}  // namespace notch
