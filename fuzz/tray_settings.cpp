// settings.ini as the tray menu and the hot keys read it: any file gives a
// menu with one theme and one auto-hide delay checked, and start-up hot-key
// registration never uses a combination without a modifier or a key.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/ini_document.h"
#include "common/text_file.h"
#include "host/custom_delay.h"
#include "host/hot_keys.h"
#include "host/settings.h"
#include "host/tray_menu.h"

namespace {

using namespace notch;

class AcceptingRegistrar final : public HotKeyRegistrar {
 public:
  bool HasWindow() const override { return true; }
  bool Register(int, int modifiers, int key) override {
    if ((modifiers & ~kModNoRepeat) == 0 || key == 0) std::abort();
    return true;
  }
  void Unregister(int) override {}
  unsigned long LastError() const override { return 0; }
  std::wstring KeyName(int) const override { return {}; }
};

int CheckedCount(const std::vector<TrayMenuEntry>& entries) {
  int checked = 0;
  for (const TrayMenuEntry& entry : entries) checked += entry.checked ? 1 : 0;
  return checked;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::wstring text = DecodeTextFile(bytes).text;
  IniDocument file = IniDocument::Parse(text);
  const Settings settings(file);

  AcceptingRegistrar registrar;
  HotKeyState hot_keys;
  RegisterHotKeysAtStartup(hot_keys, settings, registrar);
  HotKeyDisplayName(hot_keys.search_modifiers, hot_keys.search_key, registrar);

  TrayMenuState state;
  state.auto_hide_seconds = settings.AutoHideSeconds();
  state.search_hot_key_name = RegisteredSearchHotKeyName(hot_keys, registrar);
  BuildTrayMenu(TrayMenuVariant::Full, settings, state);
  if (CheckedCount(BuildTrayMenu(TrayMenuVariant::Theme, settings, state)) != 1) std::abort();
  if (CheckedCount(BuildTrayMenu(TrayMenuVariant::AutoHide, settings, state)) != 1) std::abort();

  const auto delay = ParseCustomDelay(text);
  if (delay && (*delay < 1 || *delay > 3600)) std::abort();
  return 0;
}
