#pragma once
// The web addresses the program names: its own, in the user agent of every
// request, and the services' pages that lyrics credits link to.
#include <string_view>

namespace notch {

inline constexpr std::wstring_view kProjectAddress = L"https://github.com/tembo-notch/tembo-notch";

namespace lyrics {

inline constexpr std::wstring_view kBetterLyricsPage = L"https://better-lyrics.boidu.dev";
inline constexpr std::wstring_view kUnisonSite = L"https://unison.boidu.dev";
inline constexpr std::wstring_view kLyricsPlusPage = L"https://lyricsplus.prjktla.workers.dev";
inline constexpr std::wstring_view kGeniusPage = L"https://genius.com";

}  // namespace lyrics
}  // namespace notch
