#include "lyrics/provider_requests.h"

#include "common/text.h"
#include "lyrics/percent_encode.h"

namespace notch::lyrics {
namespace {

constexpr std::size_t kMaxContactLength = 254;
constexpr std::wstring_view kContactCharacters = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789@._+-";
constexpr std::size_t kMaxHostLength = 253;
constexpr std::wstring_view kHostCharacters = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.-";
constexpr std::size_t kIsrcLength = 12;
constexpr std::wstring_view kIsrcCharacters = L"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

void AppendPart(std::wstring& path, std::wstring_view key, std::wstring_view value) {
  if (key.empty() || value.empty()) return;
  path += key;
  path += value;
}

}  // namespace

std::wstring_view ServiceHost(ProviderId id, const ServiceSettings& services) {
  if (id == ProviderId::Genius) return services.genius_proxy;
  const ProviderInfo* provider = FindProvider(id);
  return provider != nullptr ? provider->host : std::wstring_view();
}

std::variant<ProviderRequest, RequestSkip> FirstRequest(const LyricsQuery& query, ProviderId id,
                                                        const ServiceSettings& services) {
  const ProviderInfo* provider = FindProvider(id);
  if (provider == nullptr) return RequestSkip::UnknownProvider;
  if (query.title.empty() || query.artist.empty()) return RequestSkip::MissingTitleOrArtist;
  for (const std::wstring* text : {&query.title, &query.artist, &query.album}) {
    if (Utf16Length(*text) > kMaxQueryTextUnits) return RequestSkip::TextTooLong;
  }
  const std::wstring title = PercentEncode(query.title);
  const std::wstring artist = PercentEncode(query.artist);
  if (title.empty() || artist.empty()) return RequestSkip::NotEncodable;
  const bool with_contact = id == ProviderId::IsrcMatch;
  if (with_contact && !IsValidContact(services.contact)) return RequestSkip::NoValidContact;
  const std::wstring_view host = ServiceHost(id, services);
  if (id == ProviderId::Genius && !IsValidHostName(host)) return RequestSkip::NoGeniusProxy;

  const SearchPath& search = provider->search;
  std::wstring path(search.title);
  path += title;
  AppendPart(path, search.artist, artist);
  AppendPart(path, search.album, PercentEncode(query.album));
  if (query.duration_s >= 1 && query.duration_s <= kMaxQueryDurationS) {
    AppendPart(path, search.duration, std::to_wstring(query.duration_s));
  }
  return ProviderRequest{std::wstring(host), std::move(path), provider->timeout_ms,
                         with_contact ? services.contact : std::wstring()};
}

bool IsValidContact(std::wstring_view contact) {
  if (contact.empty() || contact.size() > kMaxContactLength) return false;
  if (contact.find_first_not_of(kContactCharacters) != std::wstring_view::npos) return false;
  const std::size_t at = contact.find(L'@');
  return at != std::wstring_view::npos && at > 0 && contact.find(L'.', at) != std::wstring_view::npos;
}

bool IsValidHostName(std::wstring_view host) {
  if (host.empty() || host.size() > kMaxHostLength) return false;
  if (host.find_first_not_of(kHostCharacters) != std::wstring_view::npos) return false;
  return host.front() != L'.' && host.front() != L'-' && host.back() != L'.' && host.back() != L'-';
}

bool IsValidIsrc(std::wstring_view text) {
  return text.size() == kIsrcLength && text.find_first_not_of(kIsrcCharacters) == std::wstring_view::npos;
}

}  // namespace notch::lyrics
