#include "lyrics/providers.h"

#include <cmath>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>

#include "lyrics/json_members.h"
#include "lyrics/lyricsplus_reader.h"
#include "lyrics/service_envelopes.h"
#include "lyrics/ttml_reader.h"
#include "lyrics/unison_reader.h"

namespace notch::lyrics {
namespace {

// A match whose length is further from the track's than this is another
// recording.
constexpr double kDurationToleranceS = 3.0;
constexpr std::size_t kMaxLinkLength = 512;
constexpr std::wstring_view kHttps = L"https://";
constexpr std::wstring_view kIsrcDocumentStart = L"/s/";
constexpr std::wstring_view kIsrcDocumentEnd = L".ttml";

ProviderResult NothingFound() { return {nullptr, 0, true}; }

ProviderResult FromAnswer(const HttpResult& answer, std::optional<Sheet> sheet) {
  SharedSheet shared = sheet ? std::make_shared<const Sheet>(std::move(*sheet)) : nullptr;
  return {std::move(shared), answer.retry_after, answer.answered};
}

std::optional<Sheet> ReadAnswer(ProviderId id, std::string_view body) {
  switch (id) {
    case ProviderId::Lrclib:
      return ReadLrclib(body);
    case ProviderId::BetterLyrics:
      return ReadBetterLyrics(body);
    case ProviderId::Unison:
      return ReadUnison(body);
    case ProviderId::LyricsPlus:
      return ReadLyricsPlus(body);
    case ProviderId::Genius:
      return ReadGenius(body);
    default:
      return std::nullopt;
  }
}

// The first element of the answer's array `key`, when that is an object; it
// lives as long as `answer`.
const nlohmann::json* FirstObjectIn(const std::optional<nlohmann::json>& answer, std::string_view key) {
  const nlohmann::json* list = answer ? ArrayMember(*answer, key) : nullptr;
  if (list == nullptr || list->empty() || !list->front().is_object()) return nullptr;
  return &list->front();
}

double SecondsMember(const nlohmann::json& object, std::string_view key) {
  const auto found = object.find(key);
  return found != object.end() && found->is_number() ? found->get<double>() : 0.0;
}

Credit CreditWithLink(ProviderId source, std::wstring link) {
  const ProviderInfo* provider = FindProvider(source);
  return Credit{std::wstring(provider->name.begin(), provider->name.end()), std::move(link), {}, {}};
}

std::wstring IsrcDocumentLink(std::wstring_view isrc) {
  return std::wstring(ProviderSite(ProviderId::IsrcMatch)) + std::wstring(kIsrcDocumentStart) + std::wstring(isrc);
}

// The ISRC match service's TTML for a recording, credited to whoever found it.
ProviderResult FetchIsrcDocument(const HttpClient& http, std::wstring_view isrc, std::wstring_view contact,
                                 const Credit& credit) {
  const ProviderInfo* service = FindProvider(ProviderId::IsrcMatch);
  const std::wstring path = std::wstring(kIsrcDocumentStart) + std::wstring(isrc) + std::wstring(kIsrcDocumentEnd);
  const HttpResult answer = http.Get({std::wstring(service->host), path, service->timeout_ms, std::wstring(contact)});
  return FromAnswer(answer, ReadTtml(answer.body, credit));
}

ProviderResult FinishIsrcMatch(const HttpClient& http, const HttpResult& answer, const LyricsQuery& query,
                               std::wstring_view contact) {
  const std::optional<nlohmann::json> search = ParseJsonObject(answer.body);
  const nlohmann::json* hit = FirstObjectIn(search, "hits");
  if (hit == nullptr) return {nullptr, answer.retry_after, answer.answered};
  const std::wstring isrc = StringMember(*hit, "isrc");
  const double hit_duration = SecondsMember(*hit, "duration");
  if (!IsValidIsrc(isrc)) return NothingFound();
  if (query.duration_s > 0 && hit_duration > 0 && std::abs(query.duration_s - hit_duration) > kDurationToleranceS) {
    return NothingFound();
  }
  return FetchIsrcDocument(http, isrc, contact, CreditWithLink(ProviderId::IsrcMatch, IsrcDocumentLink(isrc)));
}

// The ISRC of a link to the ISRC match service's TTML document, if it is one.
std::optional<std::wstring_view> IsrcOfDocumentLink(std::wstring_view link) {
  const std::wstring start =
      std::wstring(kHttps) + std::wstring(FindProvider(ProviderId::IsrcMatch)->host) + std::wstring(kIsrcDocumentStart);
  if (link.size() < start.size() + kIsrcDocumentEnd.size() || !link.starts_with(start) ||
      !link.ends_with(kIsrcDocumentEnd)) {
    return std::nullopt;
  }
  const std::wstring_view isrc = link.substr(start.size(), link.size() - start.size() - kIsrcDocumentEnd.size());
  if (!IsValidIsrc(isrc)) return std::nullopt;
  return isrc;
}

// The path of a link on `host`, if the link is one that may be followed there.
std::optional<std::wstring> PathOnHost(std::wstring_view link, std::wstring_view host) {
  const std::wstring start = std::wstring(kHttps) + std::wstring(host) + L"/";
  if (!link.starts_with(start) || link.size() > kMaxLinkLength ||
      link.find_first_of(L"\\\r\n\t ") != std::wstring_view::npos) {
    return std::nullopt;
  }
  return std::wstring(link.substr(start.size() - 1));
}

ProviderResult FinishBiniLyrics(const HttpClient& http, const HttpResult& answer, std::wstring_view contact) {
  const std::optional<nlohmann::json> search = ParseJsonObject(answer.body);
  const nlohmann::json* result = FirstObjectIn(search, "results");
  if (result == nullptr) return {nullptr, answer.retry_after, answer.answered};
  const std::wstring link = StringMember(*result, "lyricsUrl");
  const std::optional<std::wstring_view> isrc = IsrcOfDocumentLink(link);
  if (isrc && IsValidContact(contact)) {
    return FetchIsrcDocument(http, *isrc, contact, CreditWithLink(ProviderId::BiniLyrics, IsrcDocumentLink(*isrc)));
  }
  const ProviderInfo* bini = FindProvider(ProviderId::BiniLyrics);
  const Credit credit = CreditWithLink(ProviderId::BiniLyrics, std::wstring(bini->site));
  for (const std::wstring_view host : {bini->host, ProviderSiteHost(ProviderId::BiniLyrics)}) {
    if (const std::optional<std::wstring> path = PathOnHost(link, host)) {
      const HttpResult document = http.Get({std::wstring(host), *path, bini->timeout_ms, {}});
      return FromAnswer(document, ReadTtml(document.body, credit));
    }
  }
  return NothingFound();
}

ProviderResult Run(const HttpClient& http, const LyricsQuery& query, ProviderId id, const ServiceSettings& services) {
  const std::wstring_view contact = services.contact;
  const std::variant<ProviderRequest, RequestSkip> first = FirstRequest(query, id, services);
  if (const RequestSkip* skip = std::get_if<RequestSkip>(&first)) {
    if (*skip == RequestSkip::UnknownProvider) return {};
    return NothingFound();
  }
  const HttpResult answer = http.Get(std::get<ProviderRequest>(first));
  switch (id) {
    case ProviderId::IsrcMatch:
      return FinishIsrcMatch(http, answer, query, contact);
    case ProviderId::BiniLyrics:
      return FinishBiniLyrics(http, answer, contact);
    default:
      return FromAnswer(answer, ReadAnswer(id, answer.body));
  }
}

}  // namespace

HttpResult HttpClient::Get(const ProviderRequest& request) const {
  return HttpsGet(transport, clock, request.host, request.path, request.timeout_ms, request.contact);
}

ProviderResult RunProvider(const HttpClient& http, const LyricsQuery& query, ProviderId id,
                           const ServiceSettings& services) {
  // A worker thread must outlive any answer; an unexpected failure (memory,
  // a transport's own error) is a try-again-later like any other.
  try {
    return Run(http, query, id, services);
  } catch (...) {
    return {};
  }
}

}  // namespace notch::lyrics
