#include "activities/clipboard_port_win.h"

#include <cstring>
#include <cwchar>

#include "common/clipboard_text_win.h"

namespace notch {
namespace {

UINT FormatId(ClipboardFormat format) {
  switch (format) {
    case ClipboardFormat::UnicodeText:
      return CF_UNICODETEXT;
    case ClipboardFormat::ExcludeFromMonitoring:
      return ExcludeFromMonitoringFormat();
    case ClipboardFormat::CanIncludeInHistory:
      return CanIncludeInHistoryFormat();
  }
  return 0;
}

// Locks a clipboard block for reading and unlocks it when done.
class LockedBlock {
 public:
  explicit LockedBlock(HANDLE block)
      : block_(block), data_(block ? GlobalLock(block) : nullptr), size_(data_ ? GlobalSize(block) : 0) {}
  ~LockedBlock() {
    if (data_) GlobalUnlock(block_);
  }
  LockedBlock(const LockedBlock&) = delete;
  LockedBlock& operator=(const LockedBlock&) = delete;

  const void* data() const { return data_; }
  SIZE_T size() const { return size_; }

 private:
  HANDLE block_;
  void* data_;
  SIZE_T size_;
};

}  // namespace

UINT ExcludeFromMonitoringFormat() {
  static const UINT format = RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing");
  return format;
}

UINT CanIncludeInHistoryFormat() {
  static const UINT format = RegisterClipboardFormatW(L"CanIncludeInClipboardHistory");
  return format;
}

WindowsClipboard::WindowsClipboard(std::function<HWND()> window) : window_(std::move(window)) {}

bool WindowsClipboard::Listen() {
  const HWND window = window_();
  return window != nullptr && AddClipboardFormatListener(window) != FALSE;
}

bool WindowsClipboard::Offers(ClipboardFormat format) const {
  const UINT id = FormatId(format);
  return id != 0 && IsClipboardFormatAvailable(id) != FALSE;
}

bool WindowsClipboard::Open() { return OpenClipboard(window_()) != FALSE; }

void WindowsClipboard::Close() { CloseClipboard(); }

void WindowsClipboard::Wait(unsigned ms) { Sleep(ms); }

std::optional<std::uint32_t> WindowsClipboard::ReadValue(ClipboardFormat format) {
  const UINT id = FormatId(format);
  if (id == 0) return std::nullopt;
  const LockedBlock block(GetClipboardData(id));
  if (!block.data() || block.size() < sizeof(std::uint32_t)) return std::nullopt;
  std::uint32_t value = 0;
  std::memcpy(&value, block.data(), sizeof value);
  return value;
}

// The text ends at its terminating zero, the block's end or the limit,
// whichever comes first: a block without a zero is not read past its end.
std::optional<std::wstring> WindowsClipboard::ReadText(std::size_t max_length) {
  const LockedBlock block(GetClipboardData(CF_UNICODETEXT));
  if (!block.data()) return std::nullopt;
  const auto* text = static_cast<const wchar_t*>(block.data());
  const std::size_t units = block.size() / sizeof(wchar_t);
  return std::wstring(text, wcsnlen(text, units < max_length ? units : max_length));
}

bool WindowsClipboard::Replace(std::wstring_view text) { return ReplaceOpenClipboardText(text); }

}  // namespace notch
