#pragma once
// The first request each lyrics provider sends for a track, or the reason it
// sends none. The workers and notch-inspect's request plan both come here.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "lyrics/lyrics_query.h"
#include "lyrics/provider_table.h"

namespace notch::lyrics {

inline constexpr std::size_t kMaxQueryTextUnits = 180;  // UTF-16 units of a title, artist or album
inline constexpr std::int32_t kMaxQueryDurationS = 3600;

struct ProviderRequest {
  std::wstring host;
  std::wstring path;  // percent-encoded
  std::uint32_t timeout_ms = 0;
  std::wstring contact;  // for the user agent; empty except towards the ISRC match service
};

// What the user set up for the services: the contact address the ISRC match
// service asks for, and the host of a Genius proxy the user runs. No public
// service answers the Genius search, so without a proxy that step finds
// nothing and sends nothing.
struct ServiceSettings {
  std::wstring contact;
  std::wstring genius_proxy;
};

enum class RequestSkip {
  UnknownProvider,
  MissingTitleOrArtist,
  TextTooLong,
  NotEncodable,
  NoValidContact,  // the ISRC match service is asked only with a contact address
  NoGeniusProxy,   // the Genius step is asked only through a proxy the user named
};

// The host a provider is asked at: the table's, or for Genius the proxy.
std::wstring_view ServiceHost(ProviderId id, const ServiceSettings& services);

std::variant<ProviderRequest, RequestSkip> FirstRequest(const LyricsQuery& query, ProviderId id,
                                                        const ServiceSettings& services);

// At most 254 characters of letters, digits and "@._+-", an "@" after the
// first character and a "." at or after it.
bool IsValidContact(std::wstring_view contact);

// A host name: at most 253 characters of letters, digits, "." and "-",
// neither first nor last a "." or "-".
bool IsValidHostName(std::wstring_view host);

// Exactly 12 characters, each an upper-case letter or a digit.
bool IsValidIsrc(std::wstring_view text);

}  // namespace notch::lyrics
