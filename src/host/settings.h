#pragma once
// The user's choices in settings.ini, section "Notch", read at the moment a
// value is needed (no cache), with each key's reading rule in one place.
#include <span>
#include <string>
#include <string_view>

#include "common/profile_store.h"

namespace notch {

inline constexpr wchar_t kSettingsSection[] = L"Notch";

namespace setting {
inline constexpr wchar_t kIsland[] = L"ilha";
inline constexpr wchar_t kIslandStyle[] = L"ilha_estilo";
inline constexpr wchar_t kNotifications[] = L"ilha_notificacoes";
inline constexpr wchar_t kVolumeHud[] = L"ilha_volume";
inline constexpr wchar_t kHoverOpen[] = L"ilha_passar";
inline constexpr wchar_t kAutoHideSeconds[] = L"auto_hide_seconds";
inline constexpr wchar_t kLyrics[] = L"lyrics";
inline constexpr wchar_t kLiquidGlass[] = L"liquid_glass";
inline constexpr wchar_t kGoldenGate[] = L"golden_gate";
inline constexpr wchar_t kLeopard[] = L"leopard";
inline constexpr wchar_t kAccent[] = L"destaque";
inline constexpr wchar_t kLanguage[] = L"idioma";
inline constexpr wchar_t kSearchHotKeyModifiers[] = L"search_hotkey_mod";
inline constexpr wchar_t kSearchHotKeyKey[] = L"search_hotkey_vk";
inline constexpr wchar_t kSearchBrowser[] = L"search_browser";
inline constexpr wchar_t kSearchBrowserName[] = L"search_browser_name";
inline constexpr wchar_t kSearchWebFallback[] = L"search_web_fallback";
inline constexpr wchar_t kButtonLayout[] = L"button_layout";
inline constexpr wchar_t kLyricsContactEmail[] = L"lyrics_contact_email";
// The host of a Genius lyrics proxy the user runs; empty: no Genius search.
inline constexpr wchar_t kGeniusProxy[] = L"genius_proxy";
}  // namespace setting

struct SettingKey {
  const wchar_t* name;
  const wchar_t* default_value;
};

// Every key of the file with its default, in the file's documented order.
std::span<const SettingKey> SettingKeys();
// The default of a known key; empty for any other.
std::wstring_view SettingDefault(std::wstring_view key);

enum class IslandStyle : int { Notch = 0, Pill = 1, ActivityOnly = 2 };

enum class Theme : unsigned { Sequoia = 0, Tahoe = 1, GoldenGate = 2, Leopard = 3 };

struct ThemeFlags {
  bool glass = false;    // liquid_glass
  bool golden = false;   // golden_gate, counted only with glass
  bool classic = false;  // leopard, counted only without glass
};

IslandStyle IslandStyleFromText(std::wstring_view value);
std::wstring_view IslandStyleText(IslandStyle style);
Theme ThemeFromFlags(ThemeFlags flags);
// Base-10 seconds 0..3600; anything else (trailing characters, negative,
// too large) means 0, off.
int ParseAutoHideSeconds(std::wstring_view value);

class Settings {
 public:
  explicit Settings(ProfileStore& store) : store_(store) {}

  // The key's value or `fallback`; the key "ilha" always defaults to "1".
  std::wstring Read(std::wstring_view key, std::wstring_view fallback) const;
  // The key's value or its documented default.
  std::wstring Read(std::wstring_view key) const { return Read(key, SettingDefault(key)); }
  bool Write(std::wstring_view key, std::wstring_view value);
  // Writes "0" when the value read (with `fallback`) is exactly "1", else "1".
  void Toggle(std::wstring_view key, std::wstring_view fallback = L"1");

  bool IslandEnabled() const;
  IslandStyle Style() const;
  bool NotificationsEnabled() const;
  bool VolumeHudEnabled() const;
  bool HoverOpen() const;
  int AutoHideSeconds() const;
  // Lyrics are on unless the value is exactly "0" ...
  bool LyricsOn() const;
  // ... while the tray item shows checked only for exactly "1".
  bool LyricsChecked() const;
  ThemeFlags ReadThemeFlags() const;
  Theme CurrentTheme() const { return ThemeFromFlags(ReadThemeFlags()); }

  void WriteStyle(IslandStyle style);
  // Always writes all three theme flags.
  void WriteTheme(Theme theme);

 private:
  bool IsExactly(std::wstring_view key, std::wstring_view expected) const { return Read(key) == expected; }

  ProfileStore& store_;
};

}  // namespace notch
