#pragma once
// The user-interface language: a process-wide flag, -1 until known.
#include <optional>
#include <string>
#include <string_view>

namespace notch {

inline constexpr int kLanguageUnknown = -1;
inline constexpr int kPortuguese = 0;
inline constexpr int kEnglish = 1;

int LanguageFlag();
void SetLanguageFlag(int language);

// The `idioma` setting: exactly "pt" is Portuguese, anything else English.
int LanguageFromSetting(std::wstring_view idioma);

// The fallback file \Shell\ajustes.txt: the last line starting "idioma="
// decides, English when "en" follows the '=', Portuguese otherwise. Lines are
// read as a 512-character line buffer reads them: longer lines arrive in
// pieces of 511 characters.
int LanguageFromAjustesText(std::wstring_view text);

// The fallback's path under the APPDATA value, or nothing when that value is
// missing or its length is outside 1..259.
std::optional<std::wstring> AjustesPath(const std::optional<std::wstring>& appdata);

// Sets the flag from the fallback file when it is still unknown; returns it.
int EnsureLanguageKnown();

}  // namespace notch
