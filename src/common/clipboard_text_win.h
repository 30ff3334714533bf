#pragma once
// Putting text on the clipboard.
#include <windows.h>

#include <string_view>

namespace notch {

// With the clipboard open: replaces its content with `text` as
// CF_UNICODETEXT.
bool ReplaceOpenClipboardText(std::wstring_view text);

// Opens the clipboard for `owner`, replaces its content and closes it.
// Without an owner window EmptyClipboard leaves the clipboard ownerless and
// SetClipboardData fails, so nothing is tried without one.
bool PutClipboardText(HWND owner, std::wstring_view text);

}  // namespace notch
