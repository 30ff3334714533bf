#pragma once
// Putting text on the clipboard.
#include <windows.h>

#include <string_view>

namespace notch {

// Replaces the clipboard's content with `text` as CF_UNICODETEXT, owned by
// `owner`. Without an owner window EmptyClipboard leaves the clipboard
// ownerless and SetClipboardData fails, so nothing is tried without one.
bool PutClipboardText(HWND owner, std::wstring_view text);

}  // namespace notch
