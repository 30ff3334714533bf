#include "lyrics/provider_requests.h"

#include <gtest/gtest.h>

#include "common/text.h"

namespace notch::lyrics {
namespace {

constexpr wchar_t kContact[] = L"me@example.org";
constexpr wchar_t kProxy[] = L"genius.example.org";
const ServiceSettings kServices{kContact, kProxy};

std::wstring PathFor(const LyricsQuery& query, ProviderId id) {
  const auto first = FirstRequest(query, id, kServices);
  return std::holds_alternative<ProviderRequest>(first) ? std::get<ProviderRequest>(first).path : L"(skipped)";
}

RequestSkip SkipFor(const LyricsQuery& query, ProviderId id = ProviderId::Lrclib, std::wstring_view contact = kContact,
                    std::wstring_view proxy = kProxy) {
  const auto first = FirstRequest(query, id, {std::wstring(contact), std::wstring(proxy)});
  return std::holds_alternative<RequestSkip>(first) ? std::get<RequestSkip>(first) : RequestSkip::UnknownProvider;
}

TEST(ProviderRequestsTest, AlbumAndDurationArePartsOnlyWhenKnown) {
  EXPECT_EQ(PathFor({L"T", L"A", L"", 0}, ProviderId::Lrclib), L"/api/get?track_name=T&artist_name=A");
  EXPECT_EQ(PathFor({L"T", L"A", L"B", 1}, ProviderId::Lrclib),
            L"/api/get?track_name=T&artist_name=A&album_name=B&duration=1");
  EXPECT_EQ(PathFor({L"T", L"A", L"", 3600}, ProviderId::BetterLyrics), L"/getLyrics?s=T&a=A&d=3600");
  EXPECT_EQ(PathFor({L"T", L"A", L"B", 3601}, ProviderId::Unison), L"/lyrics?song=T&artist=A&album=B");
  EXPECT_EQ(PathFor({L"T", L"A", L"", -4}, ProviderId::LyricsPlus), L"/v2/lyrics/get?title=T&artist=A");
  EXPECT_EQ(PathFor({L"T", L"A", L"B", 200}, ProviderId::Genius), L"/?title=T&artist=A");
}

TEST(ProviderRequestsTest, OnlyTheIsrcMatchServiceIsSentTheContact) {
  const LyricsQuery query{L"T", L"A", L"", 0};
  for (const ProviderInfo& provider : Providers()) {
    const auto first = FirstRequest(query, provider.id, kServices);
    ASSERT_TRUE(std::holds_alternative<ProviderRequest>(first)) << provider.name;
    const ProviderRequest& request = std::get<ProviderRequest>(first);
    EXPECT_EQ(request.host, provider.id == ProviderId::Genius ? kProxy : provider.host);
    EXPECT_EQ(request.timeout_ms, provider.timeout_ms);
    EXPECT_EQ(request.contact, provider.id == ProviderId::IsrcMatch ? kContact : L"") << provider.name;
  }
  EXPECT_EQ(SkipFor(query, ProviderId::IsrcMatch, L"me@example"), RequestSkip::NoValidContact);
  EXPECT_EQ(SkipFor(query, ProviderId::IsrcMatch, L""), RequestSkip::NoValidContact);
  EXPECT_EQ(SkipFor(query, static_cast<ProviderId>(7)), RequestSkip::UnknownProvider);
}

TEST(ProviderRequestsTest, GeniusIsAskedOnlyThroughAProxyTheUserNamed) {
  const LyricsQuery query{L"T", L"A", L"", 0};
  EXPECT_EQ(SkipFor(query, ProviderId::Genius, kContact, L""), RequestSkip::NoGeniusProxy);
  for (const wchar_t* proxy : {L"-proxy.example.org", L"proxy.example.org.", L"proxy example.org", L"proxy/x",
                               L"user@proxy.example.org", L"proxy.example.org:8443"}) {
    EXPECT_EQ(SkipFor(query, ProviderId::Genius, kContact, proxy), RequestSkip::NoGeniusProxy) << proxy;
  }
  EXPECT_EQ(SkipFor(query, ProviderId::Genius, kContact, std::wstring(254, L'a')), RequestSkip::NoGeniusProxy);
  const auto first = FirstRequest(query, ProviderId::Genius, {L"", L"my-proxy.example.org"});
  ASSERT_TRUE(std::holds_alternative<ProviderRequest>(first));
  EXPECT_EQ(std::get<ProviderRequest>(first).host, L"my-proxy.example.org");
  EXPECT_EQ(std::get<ProviderRequest>(first).contact, L"");
  // The proxy is nobody else's host.
  EXPECT_EQ(std::get<ProviderRequest>(FirstRequest(query, ProviderId::Lrclib, kServices)).host, L"lrclib.net");
}

TEST(ProviderRequestsTest, QueriesNoServiceCouldMatchAreNotSent) {
  EXPECT_EQ(SkipFor({L"", L"A", L"", 0}), RequestSkip::MissingTitleOrArtist);
  EXPECT_EQ(SkipFor({L"T", L"", L"B", 0}), RequestSkip::MissingTitleOrArtist);

  // 180 UTF-16 units are the most, counted as Windows counts them.
  std::wstring longest;
  for (int i = 0; i < 90; ++i) longest += Utf8ToWide("\xF0\x9F\x98\x80");
  EXPECT_NE(PathFor({longest, L"A", longest, 0}, ProviderId::Lrclib), L"(skipped)");
  EXPECT_EQ(SkipFor({longest + L"x", L"A", L"", 0}), RequestSkip::TextTooLong);
  EXPECT_EQ(SkipFor({L"T", L"A", longest + L"x", 0}), RequestSkip::TextTooLong);

  std::wstring lone = L"T";
  lone.push_back(static_cast<wchar_t>(0xD800));
  EXPECT_EQ(SkipFor({L"T", lone, L"", 0}), RequestSkip::NotEncodable);
}

TEST(ProviderRequestsTest, ContactAddressRule) {
  for (const std::wstring_view valid : {L"me@example.org", L"a.b+c_d-e@x.io", L"me@.", L"x@y.z"}) {
    EXPECT_TRUE(IsValidContact(valid)) << WideToUtf8(valid);
  }
  for (const std::wstring_view invalid :
       {L"", L"@example.org", L"me@example", L"me.too@example", L"me@exa mple.org", L"me@ex\u00E4mple.org"}) {
    EXPECT_FALSE(IsValidContact(invalid)) << WideToUtf8(invalid);
  }
  const std::wstring domain = L"@example.org";
  EXPECT_TRUE(IsValidContact(std::wstring(254 - domain.size(), L'a') + domain));
  EXPECT_FALSE(IsValidContact(std::wstring(255 - domain.size(), L'a') + domain));
}

TEST(ProviderRequestsTest, IsrcIsTwelveUpperCaseLettersOrDigits) {
  EXPECT_TRUE(IsValidIsrc(L"USRC17607839"));
  EXPECT_FALSE(IsValidIsrc(L"usrc17607839"));
  EXPECT_FALSE(IsValidIsrc(L"USRC1760783"));
  EXPECT_FALSE(IsValidIsrc(L"USRC176078390"));
  EXPECT_FALSE(IsValidIsrc(L"USRC-7607839"));
}

}  // namespace
}  // namespace notch::lyrics
