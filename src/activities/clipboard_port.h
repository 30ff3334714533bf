#pragma once
// The system clipboard as the clipboard history uses it. The Windows unit
// calls the clipboard functions with the island window as owner; tests fake
// it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace notch {

enum class ClipboardFormat {
  UnicodeText,
  // Registered formats by which password managers mark their content.
  ExcludeFromMonitoring,  // "ExcludeClipboardContentFromMonitorProcessing"
  CanIncludeInHistory,    // "CanIncludeInClipboardHistory"
};

class ClipboardPort {
 public:
  virtual ~ClipboardPort() = default;
  // Asks for an update message whenever the clipboard changes.
  virtual bool Listen() = 0;
  // Whether the clipboard's content offers `format`; needs no opening.
  virtual bool Offers(ClipboardFormat format) const = 0;
  virtual bool Open() = 0;
  virtual void Close() = 0;
  // Blocks the calling thread between opening attempts.
  virtual void Wait(unsigned ms) = 0;
  // While open: the first 32-bit value of the format's data, if it has one.
  virtual std::optional<std::uint32_t> ReadValue(ClipboardFormat format) = 0;
  // While open: the text, at most `max_length` units of it.
  virtual std::optional<std::wstring> ReadText(std::size_t max_length) = 0;
  // While open: empties the clipboard and puts `text` on it.
  virtual bool Replace(std::wstring_view text) = 0;
};

}  // namespace notch
