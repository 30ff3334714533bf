#include "lyrics/provider_table.h"

#include <algorithm>
#include <array>

namespace notch::lyrics {
namespace {

constexpr std::wstring_view kHttps = L"https://";

// No public service answers the Genius search: its host is the proxy the
// user names (ServiceSettings), so the table has none.
// clang-format off
constexpr std::array kProviders = {
    ProviderInfo{ProviderId::Lrclib, "LRCLIB", L"lrclib.net", L"",
                 {L"/api/get?track_name=", L"&artist_name=", L"&album_name=", L"&duration="}, 2200},
    ProviderInfo{ProviderId::BetterLyrics, "Better Lyrics", L"lyrics-api.boidu.dev", L"https://better-lyrics.boidu.dev",
                 {L"/getLyrics?s=", L"&a=", L"&al=", L"&d="}, 1800},
    ProviderInfo{ProviderId::Unison, "Unison", L"unison.boidu.dev", L"https://unison.boidu.dev",
                 {L"/lyrics?song=", L"&artist=", L"&album=", L"&duration="}, 1800},
    ProviderInfo{ProviderId::IsrcMatch, "lrc.red", L"lrc.red", L"https://lrc.red",
                 {L"/match.json?track=", L"&artist=", L"&album=", L"&duration="}, 1700},
    ProviderInfo{ProviderId::BiniLyrics, "BiniLyrics", L"lyrics-api.binimum.org", L"https://lyrics.binimum.org",
                 {L"/?track=", L"&artist=", L"&album=", L"&duration="}, 1700},
    ProviderInfo{ProviderId::LyricsPlus, "LyricsPlus", L"lyricsplus.prjktla.workers.dev",
                 L"https://github.com/ibratabian17/LyricsPlus",
                 {L"/v2/lyrics/get?title=", L"&artist=", L"&album=", L"&duration="}, 1800},
    ProviderInfo{ProviderId::Genius, "Genius", L"", L"https://genius.com",
                 {L"/?title=", L"&artist=", L"", L""}, 1800},
};
// clang-format on

}  // namespace

std::span<const ProviderInfo> Providers() { return kProviders; }

const ProviderInfo* FindProvider(ProviderId id) {
  const auto found = std::find_if(kProviders.begin(), kProviders.end(),
                                  [id](const ProviderInfo& provider) { return provider.id == id; });
  return found == kProviders.end() ? nullptr : &*found;
}

std::wstring_view ProviderSite(ProviderId id) {
  const ProviderInfo* provider = FindProvider(id);
  return provider != nullptr ? provider->site : std::wstring_view();
}

std::wstring_view ProviderSiteHost(ProviderId id) {
  std::wstring_view site = ProviderSite(id);
  if (site.starts_with(kHttps)) site.remove_prefix(kHttps.size());
  return site;
}

}  // namespace notch::lyrics
