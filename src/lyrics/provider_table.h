#pragma once
// The lyrics services: where each one is, how a search for a track is written
// for it, and the web addresses its credits link to. The one place that names
// hosts and addresses.
#include <cstdint>
#include <span>
#include <string_view>

namespace notch {

// The program's own address, in the user agent of every request.
inline constexpr std::wstring_view kProjectAddress = L"https://github.com/tembo-notch/tembo-notch";

namespace lyrics {

enum class ProviderId : int {
  Lrclib = 0,
  BetterLyrics = 1,
  Unison = 2,
  IsrcMatch = 3,  // lrc.red: matches a track to its ISRC, then serves TTML by ISRC
  BiniLyrics = 4,
  LyricsPlus = 5,
  Genius = 6,
};

// A search written as the path up to the title, then one key per further
// part ("&artist=" ...). An empty key leaves its part out of every search.
struct SearchPath {
  std::wstring_view title;
  std::wstring_view artist;
  std::wstring_view album;
  std::wstring_view duration;
};

struct ProviderInfo {
  ProviderId id;
  std::string_view name;
  std::wstring_view host;
  std::wstring_view site;  // what credits link to; empty for a service without credit
  SearchPath search;
  std::uint32_t timeout_ms;
};

std::span<const ProviderInfo> Providers();

// Nothing for an id outside the table.
const ProviderInfo* FindProvider(ProviderId id);

// The provider's site (web address without a trailing slash).
std::wstring_view ProviderSite(ProviderId id);

// The host part of the provider's site, which may serve what its API links to.
std::wstring_view ProviderSiteHost(ProviderId id);

}  // namespace lyrics
}  // namespace notch
