#include "host/tray_menu.h"

#include <array>

namespace notch {
namespace {

struct StyleItem {
  int id;
  const wchar_t* text;
  IslandStyle style;
};
constexpr std::array<StyleItem, 3> kStyleItems = {{
    {tray_item::kNotch, L"Notch", IslandStyle::Notch},
    {tray_item::kPill, L"Pill", IslandStyle::Pill},
    {tray_item::kActivityOnly, L"Activity only", IslandStyle::ActivityOnly},
}};

struct ThemeItem {
  int id;
  const wchar_t* text;
  Theme theme;
};
constexpr std::array<ThemeItem, 4> kThemeItems = {{
    {tray_item::kSequoia, L"Sequoia", Theme::Sequoia},
    {tray_item::kTahoe, L"Tahoe", Theme::Tahoe},
    {tray_item::kGoldenGate, L"Golden Gate", Theme::GoldenGate},
    {tray_item::kLeopard, L"Leopard", Theme::Leopard},
}};

// On/off items: checked only for exactly "1"; choosing one toggles the key
// with the same default it is read with.
struct SwitchItem {
  int id;
  const wchar_t* text;
  const wchar_t* key;
  const wchar_t* fallback;
};
constexpr SwitchItem kHoverItem = {tray_item::kOpenOnHover, L"Open on hover", setting::kHoverOpen, L"0"};
constexpr std::array<SwitchItem, 3> kShowItems = {{
    {tray_item::kShowVolume, L"Show volume", setting::kVolumeHud, L"1"},
    {tray_item::kShowNotifications, L"Show Windows notifications", setting::kNotifications, L"1"},
    {tray_item::kShowLyrics, L"Show lyrics", setting::kLyrics, L"1"},
}};

struct DelayItem {
  int id;
  const wchar_t* text;
  int seconds;
};
constexpr std::array<DelayItem, 3> kDelayItems = {{
    {tray_item::kAutoHideOff, L"&Off", 0},
    {tray_item::kAutoHide10, L"&10 seconds", 10},
    {tray_item::kAutoHide20, L"&20 seconds", 20},
}};

TrayMenuEntry Item(int id, std::wstring text, bool checked = false) {
  return {TrayMenuEntry::Kind::Item, id, std::move(text), checked, {}};
}

TrayMenuEntry Separator() { return {TrayMenuEntry::Kind::Separator, 0, {}, false, {}}; }

TrayMenuEntry SwitchEntry(const SwitchItem& item, const Settings& settings) {
  return Item(item.id, item.text, settings.Read(item.key, item.fallback) == L"1");
}

bool IsPresetDelay(int seconds) {
  for (const DelayItem& item : kDelayItems) {
    if (seconds == item.seconds) return true;
  }
  return false;
}

std::vector<TrayMenuEntry> DelayEntries(int seconds) {
  std::vector<TrayMenuEntry> entries;
  for (const DelayItem& item : kDelayItems) entries.push_back(Item(item.id, item.text, seconds == item.seconds));
  const bool custom = !IsPresetDelay(seconds);
  entries.push_back(Item(tray_item::kAutoHideCustom,
                         custom ? L"&Custom (" + std::to_wstring(seconds) + L" seconds)..." : L"&Custom...", custom));
  return entries;
}

void AppendThemeEntries(std::vector<TrayMenuEntry>& menu, const Settings& settings) {
  const Theme theme = settings.CurrentTheme();
  for (const ThemeItem& item : kThemeItems) menu.push_back(Item(item.id, item.text, theme == item.theme));
}

// A text with its shortcut after a tab, which Windows aligns on the right.
std::wstring WithShortcut(std::wstring text, const std::optional<std::wstring>& shortcut) {
  return shortcut ? text + L"\t" + *shortcut : text;
}

std::vector<TrayMenuEntry> FullMenu(const Settings& settings, const TrayMenuState& state) {
  std::vector<TrayMenuEntry> menu;
  const std::wstring style = settings.Read(setting::kIslandStyle);
  for (const StyleItem& item : kStyleItems) {
    menu.push_back(Item(item.id, item.text, style == IslandStyleText(item.style)));
  }
  menu.push_back(Separator());
  AppendThemeEntries(menu, settings);
  menu.push_back(Separator());
  menu.push_back(SwitchEntry(kHoverItem, settings));
  menu.push_back({TrayMenuEntry::Kind::Submenu, 0, L"&Auto-hide", false, DelayEntries(state.auto_hide_seconds)});
  for (const SwitchItem& item : kShowItems) menu.push_back(SwitchEntry(item, settings));
  menu.push_back(Item(tray_item::kStartWithWindows, L"Start with &Windows", state.start_with_windows));
  menu.push_back(Separator());
  menu.push_back(Item(tray_item::kQuickSearch, WithShortcut(L"Quick Search", state.search_hot_key_name)));
  menu.push_back(Item(tray_item::kQuickControls, L"Quick Controls"));
  const auto toggle_shortcut =
      state.toggle_hot_key_registered ? std::optional<std::wstring>(L"Ctrl+Alt+N") : std::nullopt;
  menu.push_back(Item(tray_item::kToggleIsland, WithShortcut(L"Show / hide notch", toggle_shortcut)));
  menu.push_back(Item(tray_item::kExit, L"Exit"));
  return menu;
}

void WriteDelay(Settings& settings, int seconds) {
  settings.Write(setting::kAutoHideSeconds, std::to_wstring(seconds));
}

// The items whose whole effect is a settings change; false for the others.
bool ChangeSettingFor(int id, Settings& settings) {
  for (const StyleItem& item : kStyleItems) {
    if (id == item.id) {
      settings.WriteStyle(item.style);
      return true;
    }
  }
  for (const ThemeItem& item : kThemeItems) {
    if (id == item.id) {
      settings.WriteTheme(item.theme);
      return true;
    }
  }
  if (id == kHoverItem.id) {
    settings.Toggle(kHoverItem.key, kHoverItem.fallback);
    return true;
  }
  for (const SwitchItem& item : kShowItems) {
    if (id == item.id) {
      settings.Toggle(item.key, item.fallback);
      return true;
    }
  }
  for (const DelayItem& item : kDelayItems) {
    if (id == item.id) {
      WriteDelay(settings, item.seconds);
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<TrayMenuEntry> BuildTrayMenu(TrayMenuVariant variant, const Settings& settings,
                                         const TrayMenuState& state) {
  switch (variant) {
    case TrayMenuVariant::Theme: {
      std::vector<TrayMenuEntry> menu;
      AppendThemeEntries(menu, settings);
      return menu;
    }
    case TrayMenuVariant::AutoHide:
      return DelayEntries(state.auto_hide_seconds);
    case TrayMenuVariant::Full:
      break;
  }
  return FullMenu(settings, state);
}

void PerformTrayItem(int id, Settings& settings, const TrayMenuState& state, TrayActions& actions) {
  if (ChangeSettingFor(id, settings)) {
    actions.ApplySettings();
    return;
  }
  switch (id) {
    case tray_item::kAutoHideCustom:
      if (const int seconds = actions.AskAutoHideSeconds(state.auto_hide_seconds); seconds >= 1) {
        WriteDelay(settings, seconds);
        actions.ApplySettings();
      }
      break;
    case tray_item::kStartWithWindows:
      if (!actions.SetStartWithWindows(!state.start_with_windows)) actions.ReportStartWithWindowsFailure();
      break;
    case tray_item::kQuickSearch:
      actions.OpenQuickSearch();
      break;
    case tray_item::kQuickControls:
      actions.OpenQuickControls();
      break;
    case tray_item::kToggleIsland:
      actions.ToggleIsland();
      break;
    case tray_item::kExit:
      actions.Exit();
      break;
    default:
      break;
  }
}

}  // namespace notch
