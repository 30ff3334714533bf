#pragma once
// The system clipboard for the clipboard history, with a window as the
// clipboard's owner and listener.
#include <windows.h>

#include <functional>

#include "activities/clipboard_port.h"

namespace notch {

class WindowsClipboard final : public ClipboardPort {
 public:
  // `window` names the owner when it is needed (the island window, which
  // may not exist yet when this is made).
  explicit WindowsClipboard(std::function<HWND()> window);

  bool Listen() override;
  bool Offers(ClipboardFormat format) const override;
  bool Open() override;
  void Close() override;
  void Wait(unsigned ms) override;
  std::optional<std::uint32_t> ReadValue(ClipboardFormat format) override;
  std::optional<std::wstring> ReadText(std::size_t max_length) override;
  bool Replace(std::wstring_view text) override;

 private:
  std::function<HWND()> window_;
};

// The ids of the private marks, registered once by name.
UINT ExcludeFromMonitoringFormat();
UINT CanIncludeInHistoryFormat();

}  // namespace notch
