#include "host/settings.h"

#include <array>
#include <charconv>
#include <string>

#include "common/text.h"

namespace notch {
namespace {

constexpr std::array<SettingKey, 20> kKeys = {{
    {setting::kIsland, L"1"},
    {setting::kIslandStyle, L"notch"},
    {setting::kNotifications, L"1"},
    {setting::kVolumeHud, L"1"},
    {setting::kHoverOpen, L"0"},
    {setting::kAutoHideSeconds, L"0"},
    {setting::kLyrics, L"1"},
    {setting::kLiquidGlass, L"0"},
    {setting::kGoldenGate, L"0"},
    {setting::kLeopard, L"0"},
    {setting::kAccent, L"azul"},
    {setting::kLanguage, L"en"},
    {setting::kSearchHotKeyModifiers, L""},
    {setting::kSearchHotKeyKey, L""},
    {setting::kSearchBrowser, L""},
    {setting::kSearchBrowserName, L""},
    {setting::kSearchWebFallback, L"g"},
    {setting::kButtonLayout, L""},
    {setting::kLyricsContactEmail, L""},
    {setting::kGeniusProxy, L""},
}};

constexpr int kLongestAutoHideSeconds = 3600;

}  // namespace

std::span<const SettingKey> SettingKeys() { return kKeys; }

std::wstring_view SettingDefault(std::wstring_view key) {
  for (const SettingKey& entry : kKeys) {
    if (key == entry.name) return entry.default_value;
  }
  return {};
}

IslandStyle IslandStyleFromText(std::wstring_view value) {
  if (value == L"ilha") return IslandStyle::Pill;
  if (value == L"notificacao") return IslandStyle::ActivityOnly;
  return IslandStyle::Notch;
}

std::wstring_view IslandStyleText(IslandStyle style) {
  switch (style) {
    case IslandStyle::Pill:
      return L"ilha";
    case IslandStyle::ActivityOnly:
      return L"notificacao";
    case IslandStyle::Notch:
      break;
  }
  return L"notch";
}

Theme ThemeFromFlags(ThemeFlags flags) {
  if (flags.classic) return Theme::Leopard;
  if (flags.golden) return Theme::GoldenGate;
  if (flags.glass) return Theme::Tahoe;
  return Theme::Sequoia;
}

int ParseAutoHideSeconds(std::wstring_view value) {
  // std::from_chars has no wide form; the digits are ASCII by definition.
  std::string narrow;
  for (const wchar_t c : value) {
    if (c > 0x7F) return 0;
    narrow.push_back(static_cast<char>(c));
  }
  long long seconds = 0;
  const char* begin = narrow.data();
  const char* end = narrow.data() + narrow.size();
  if (begin != end && *begin == '+') ++begin;  // strtol accepts a plus sign
  const auto [stop, error] = std::from_chars(begin, end, seconds);
  if (error != std::errc() || stop != end || begin == end) return 0;
  if (seconds < 0 || seconds > kLongestAutoHideSeconds) return 0;
  return static_cast<int>(seconds);
}

std::wstring Settings::Read(std::wstring_view key, std::wstring_view fallback) const {
  if (key == setting::kIsland) fallback = L"1";
  return store_.Read(kSettingsSection, key, fallback);
}

bool Settings::Write(std::wstring_view key, std::wstring_view value) {
  return store_.Write(kSettingsSection, key, value);
}

void Settings::Toggle(std::wstring_view key, std::wstring_view fallback) {
  Write(key, Read(key, fallback) == L"1" ? L"0" : L"1");
}

bool Settings::IslandEnabled() const { return IsExactly(setting::kIsland, L"1"); }
IslandStyle Settings::Style() const { return IslandStyleFromText(Read(setting::kIslandStyle)); }
bool Settings::NotificationsEnabled() const { return !IsExactly(setting::kNotifications, L"0"); }
bool Settings::VolumeHudEnabled() const { return !IsExactly(setting::kVolumeHud, L"0"); }
bool Settings::HoverOpen() const { return IsExactly(setting::kHoverOpen, L"1"); }
int Settings::AutoHideSeconds() const { return ParseAutoHideSeconds(Read(setting::kAutoHideSeconds)); }
bool Settings::LyricsOn() const { return !IsExactly(setting::kLyrics, L"0"); }
bool Settings::LyricsChecked() const { return IsExactly(setting::kLyrics, L"1"); }

ThemeFlags Settings::ReadThemeFlags() const {
  ThemeFlags flags;
  flags.glass = IsExactly(setting::kLiquidGlass, L"1");
  flags.golden = flags.glass && IsExactly(setting::kGoldenGate, L"1");
  flags.classic = !flags.glass && IsExactly(setting::kLeopard, L"1");
  return flags;
}

void Settings::WriteStyle(IslandStyle style) { Write(setting::kIslandStyle, IslandStyleText(style)); }

void Settings::WriteTheme(Theme theme) {
  const bool glass = theme == Theme::Tahoe || theme == Theme::GoldenGate;
  Write(setting::kLiquidGlass, glass ? L"1" : L"0");
  Write(setting::kGoldenGate, theme == Theme::GoldenGate ? L"1" : L"0");
  Write(setting::kLeopard, theme == Theme::Leopard ? L"1" : L"0");
}

}  // namespace notch
