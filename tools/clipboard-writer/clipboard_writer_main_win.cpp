// notch_clipboard_writer [--exclude | --private] TEXT: puts TEXT on the
// clipboard from a process of its own, as any other program would, for the
// clipboard history's tests and for trying the island by hand. --exclude
// adds the "ExcludeClipboardContentFromMonitorProcessing" mark, --private
// "CanIncludeInClipboardHistory" with the value 0, as password managers do.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

HGLOBAL BlockOf(const void* data, SIZE_T bytes) {
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!block) return nullptr;
  void* target = GlobalLock(block);
  if (!target) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(target, data, bytes);
  GlobalUnlock(block);
  return block;
}

bool Put(UINT format, const void* data, SIZE_T bytes) {
  const HGLOBAL block = BlockOf(data, bytes);
  if (block && SetClipboardData(format, block)) return true;
  if (block) GlobalFree(block);
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mark = argc == 3 ? argv[1] : L"";
  if (argc < 2 || argc > 3 || (argc == 3 && mark != L"--exclude" && mark != L"--private")) {
    std::fwprintf(stderr, L"usage: notch_clipboard_writer [--exclude | --private] TEXT\n");
    return 2;
  }
  const std::wstring text = argv[argc - 1];
  // The clipboard needs an owner window for SetClipboardData to succeed.
  const HWND owner = CreateWindowExW(0, L"STATIC", L"notch_clipboard_writer", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
  bool opened = false;
  for (int attempt = 0; attempt < 50 && !(opened = OpenClipboard(owner) != FALSE); ++attempt) Sleep(20);
  if (!opened) return 1;
  bool written = EmptyClipboard() != FALSE;
  written = written && Put(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  if (mark == L"--exclude") {
    const std::uint32_t any = 1;
    written = written && Put(RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing"), &any, 4);
  } else if (mark == L"--private") {
    const std::uint32_t never = 0;
    written = written && Put(RegisterClipboardFormatW(L"CanIncludeInClipboardHistory"), &never, 4);
  }
  CloseClipboard();
  if (owner) DestroyWindow(owner);
  return written ? 0 : 1;
}
