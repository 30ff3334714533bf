#include "lyrics/providers.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "lyrics/json_members.h"
#include "support/fake_http_transport.h"
#include "support/lyrics_answers.h"
#include "support/test_data.h"

namespace notch::lyrics {
namespace {

using testing::FakeHttpAnswer;
using testing::HitsAnswer;
using testing::Ok;
using testing::ResultsAnswer;
using testing::WithStatus;

using testing::kTestContact;
constexpr wchar_t kIsrcDocument[] = L"/s/USRC17607839.ttml";
constexpr wchar_t kIsrcLink[] = L"https://lrc.red/s/USRC17607839";

std::wstring HostOf(ProviderId id) { return std::wstring(FindProvider(id)->host); }

class ProvidersTest : public ::testing::Test {
 protected:
  void AnswerFirst(ProviderId id, FakeHttpAnswer answer) {
    testing::AnswerFirstRequest(transport_, id, query_, std::move(answer));
  }
  ProviderResult Run(ProviderId id, std::wstring_view contact = kTestContact) {
    return RunProvider(http_, query_, id, {std::wstring(contact), testing::kTestGeniusProxy});
  }
  std::size_t RequestCount() const { return transport_.requests().size(); }

  LyricsQuery query_{L"Song", L"Artist", L"", 200};
  ManualClock clock_;
  testing::FakeHttpTransport transport_;
  HttpClient http_{transport_, clock_};
};

TEST_F(ProvidersTest, SimpleProvidersReadTheirOwnAnswer) {
  struct Case {
    ProviderId id;
    std::string body;
    SheetKind kind;
    std::wstring credit;
  };
  const Case cases[] = {
      {ProviderId::Lrclib, testing::ReadTestData(L"lyrics\\lrclib.json"), SheetKind::LineSynced, L""},
      {ProviderId::BetterLyrics, testing::BetterLyricsAnswer(testing::WordTimedTtml()), SheetKind::WordSynced,
       L"Better Lyrics"},
      {ProviderId::Unison, testing::ReadTestData(L"lyrics\\unison.json"), SheetKind::LineSynced, L"Lyrics from Unison"},
      {ProviderId::LyricsPlus, testing::ReadTestData(L"lyrics\\lyricsplus.json"), SheetKind::WordSynced, L"LyricsPlus"},
      {ProviderId::Genius, testing::ReadTestData(L"lyrics\\genius.json"), SheetKind::Plain, L"Genius"},
  };
  for (const Case& c : cases) {
    AnswerFirst(c.id, Ok(c.body));
    const ProviderResult result = Run(c.id);
    EXPECT_TRUE(result.answered);
    EXPECT_EQ(KindOf(result.sheet.get()), c.kind) << FindProvider(c.id)->name;
    EXPECT_EQ(result.sheet && result.sheet->credit ? result.sheet->credit->source_name : L"", c.credit);
    EXPECT_EQ(transport_.requests().back().user_agent, HttpUserAgent(L""));
  }
}

TEST_F(ProvidersTest, SimpleProvidersPassOnTheHttpVerdict) {
  AnswerFirst(ProviderId::Unison, WithStatus(404));
  ProviderResult result = Run(ProviderId::Unison);
  EXPECT_TRUE(result.answered);
  EXPECT_FALSE(result.sheet);

  AnswerFirst(ProviderId::Unison, Ok("<html>busy</html>"));
  EXPECT_TRUE(Run(ProviderId::Unison).answered);

  AnswerFirst(ProviderId::Unison, WithStatus(429, L"7"));
  result = Run(ProviderId::Unison);
  EXPECT_FALSE(result.answered);
  EXPECT_EQ(result.retry_after, 7u);

  AnswerFirst(ProviderId::Unison, WithStatus(500));
  EXPECT_FALSE(Run(ProviderId::Unison).answered);
}

TEST_F(ProvidersTest, IsrcMatchFetchesTheFirstHitsDocumentWithTheContact) {
  AnswerFirst(ProviderId::IsrcMatch, Ok(HitsAnswer({{"isrc", "USRC17607839"}, {"duration", 203}})));
  transport_.Script(L"lrc.red", kIsrcDocument, Ok(testing::WordTimedTtml()));
  const ProviderResult result = Run(ProviderId::IsrcMatch);
  ASSERT_EQ(KindOf(result.sheet.get()), SheetKind::WordSynced);
  EXPECT_EQ(result.sheet->credit, (Credit{L"lrc.red", kIsrcLink, L"", L""}));
  ASSERT_EQ(RequestCount(), 2u);
  for (const HttpRequest& request : transport_.requests()) EXPECT_EQ(request.user_agent, HttpUserAgent(kTestContact));
}

TEST_F(ProvidersTest, IsrcMatchRejectsHitsThatAreAnotherRecording) {
  transport_.Script(L"lrc.red", kIsrcDocument, WithStatus(500));
  const auto second_request_sent = [&](nlohmann::json hit, std::int32_t track_duration) {
    query_.duration_s = track_duration;
    const std::size_t before = RequestCount();
    AnswerFirst(ProviderId::IsrcMatch, Ok(HitsAnswer(std::move(hit))));
    const ProviderResult result = Run(ProviderId::IsrcMatch);
    // A rejected hit is a final answer; the failing document is not.
    EXPECT_EQ(result.answered, RequestCount() - before == 1);
    return RequestCount() - before == 2;
  };
  EXPECT_TRUE(second_request_sent({{"isrc", "USRC17607839"}, {"duration", 197}}, 200));
  EXPECT_FALSE(second_request_sent({{"isrc", "USRC17607839"}, {"duration", 203.5}}, 200));
  EXPECT_FALSE(second_request_sent({{"isrc", "USRC17607839"}, {"duration", 196.5}}, 200));
  EXPECT_TRUE(second_request_sent({{"isrc", "USRC17607839"}}, 200));
  EXPECT_TRUE(second_request_sent({{"isrc", "USRC17607839"}, {"duration", 900}}, 0));
  EXPECT_FALSE(second_request_sent({{"isrc", "usrc17607839"}}, 200));
  EXPECT_FALSE(second_request_sent({{"isrc", "../../x.ttml"}}, 200));
  EXPECT_FALSE(second_request_sent({{"isrc", 5}}, 200));
}

TEST_F(ProvidersTest, IsrcMatchWithoutHitsGivesTheSearchVerdict) {
  AnswerFirst(ProviderId::IsrcMatch, WithStatus(429));
  ProviderResult result = Run(ProviderId::IsrcMatch);
  EXPECT_FALSE(result.answered);
  EXPECT_EQ(result.retry_after, 60u);

  for (const char* body : {R"({"hits":[]})", R"({"hits":["USRC17607839"]})", R"({"hits":{}})"}) {
    AnswerFirst(ProviderId::IsrcMatch, Ok(body));
    result = Run(ProviderId::IsrcMatch);
    EXPECT_TRUE(result.answered) << body;
    EXPECT_FALSE(result.sheet) << body;
  }
}

// Copying a JSON value recurses once per level, and a worker thread's stack
// is small: an answer nested deeper than any real one is refused whole.
std::string NestedAnswer(std::string_view list, int depth) {
  return "{\"" + std::string(list) + "\":[{\"isrc\":\"USRC17607839\",\"lyricsUrl\":\"x\",\"a\":" +
         std::string(static_cast<std::size_t>(depth), '[') + std::string(static_cast<std::size_t>(depth), ']') + "}]}";
}

TEST_F(ProvidersTest, SearchAnswersNestedTooDeepAreNothingFound) {
  transport_.Script(L"lrc.red", kIsrcDocument, Ok(testing::WordTimedTtml()));
  // The answer object is level 0, its list 1, the hit 2: the innermost of
  // the member's arrays is at level depth + 2.
  AnswerFirst(ProviderId::IsrcMatch, Ok(NestedAnswer("hits", kMaxJsonDepth - 2)));
  EXPECT_EQ(KindOf(Run(ProviderId::IsrcMatch).sheet.get()), SheetKind::WordSynced);
  for (const int depth : {kMaxJsonDepth - 1, 20'000}) {
    for (const ProviderId id : {ProviderId::IsrcMatch, ProviderId::BiniLyrics}) {
      const std::size_t before = RequestCount();
      AnswerFirst(id, Ok(NestedAnswer(id == ProviderId::IsrcMatch ? "hits" : "results", depth)));
      const ProviderResult result = Run(id);
      EXPECT_TRUE(result.answered) << depth;
      EXPECT_FALSE(result.sheet) << depth;
      EXPECT_EQ(RequestCount() - before, 1u) << depth;
    }
  }
}

TEST_F(ProvidersTest, WithoutAGeniusProxyGeniusFindsNothingAndIsNotAsked) {
  const ProviderResult result = RunProvider(http_, query_, ProviderId::Genius, {kTestContact, L""});
  EXPECT_TRUE(result.answered);
  EXPECT_FALSE(result.sheet);
  EXPECT_EQ(RequestCount(), 0u);
}

TEST_F(ProvidersTest, BiniLyricsFollowsLinksToItsOwnTwoHosts) {
  const std::wstring api = HostOf(ProviderId::BiniLyrics);
  const std::wstring site = std::wstring(ProviderSiteHost(ProviderId::BiniLyrics));
  transport_.Script(api, L"/ttml/12.ttml?v=2", Ok(testing::LineTimedTtml()));
  transport_.Script(site, L"/lyrics/12.ttml", WithStatus(503));

  AnswerFirst(ProviderId::BiniLyrics, Ok(ResultsAnswer("https://lyrics-api.binimum.org/ttml/12.ttml?v=2")));
  ProviderResult result = Run(ProviderId::BiniLyrics, L"");
  ASSERT_EQ(KindOf(result.sheet.get()), SheetKind::LineSynced);
  EXPECT_EQ(result.sheet->credit, (Credit{L"BiniLyrics", L"https://lyrics.binimum.org", L"", L""}));
  EXPECT_EQ(transport_.requests().back().user_agent, HttpUserAgent(L""));

  AnswerFirst(ProviderId::BiniLyrics, Ok(ResultsAnswer("https://lyrics.binimum.org/lyrics/12.ttml")));
  result = Run(ProviderId::BiniLyrics);
  EXPECT_FALSE(result.answered);
  EXPECT_EQ(transport_.requests().back().host, site);
}

TEST_F(ProvidersTest, BiniLyricsIgnoresLinksItMayNotFollow) {
  const std::string long_link = "https://lyrics-api.binimum.org/" + std::string(482, 'a');
  for (const std::string& link :
       {std::string("https://example.org/x.ttml"), std::string("https://lyrics-api.binimum.org.example.org/x"),
        std::string("http://lyrics-api.binimum.org/x"), std::string("https://lyrics-api.binimum.org/a b"),
        std::string("https://lyrics-api.binimum.org/a\\b"), long_link,
        std::string("https://lrc.red/s/USRC17607839.ttml")}) {
    const std::size_t before = RequestCount();
    AnswerFirst(ProviderId::BiniLyrics, Ok(ResultsAnswer(link)));
    const ProviderResult result = Run(ProviderId::BiniLyrics, L"no contact");
    EXPECT_TRUE(result.answered) << link;
    EXPECT_EQ(RequestCount() - before, 1u) << link;
  }
  transport_.Script(HostOf(ProviderId::BiniLyrics), L"/" + std::wstring(481, L'a'), WithStatus(404));
  AnswerFirst(ProviderId::BiniLyrics, Ok(ResultsAnswer(long_link.substr(0, 512))));
  Run(ProviderId::BiniLyrics);
  EXPECT_EQ(transport_.requests().back().path.size(), 482u);
}

TEST_F(ProvidersTest, BiniLyricsLinksToTheIsrcMatchServiceNeedTheContact) {
  transport_.Script(L"lrc.red", kIsrcDocument, Ok(testing::WordTimedTtml()));
  AnswerFirst(ProviderId::BiniLyrics, Ok(ResultsAnswer("https://lrc.red/s/USRC17607839.ttml")));
  const ProviderResult result = Run(ProviderId::BiniLyrics);
  ASSERT_EQ(KindOf(result.sheet.get()), SheetKind::WordSynced);
  EXPECT_EQ(result.sheet->credit, (Credit{L"BiniLyrics", kIsrcLink, L"", L""}));
  EXPECT_EQ(transport_.requests().back().user_agent, HttpUserAgent(kTestContact));
  EXPECT_EQ(transport_.requests().back().path, kIsrcDocument);
}

TEST_F(ProvidersTest, NothingToAskIsAFinalAnswerWithoutRequests) {
  query_.artist.clear();
  for (const ProviderInfo& provider : Providers()) EXPECT_TRUE(Run(provider.id).answered);
  query_.artist = L"Artist";
  EXPECT_TRUE(Run(ProviderId::IsrcMatch, L"me@example").answered);
  EXPECT_EQ(RequestCount(), 0u);
  EXPECT_FALSE(Run(static_cast<ProviderId>(-1)).answered);
  EXPECT_EQ(RequestCount(), 0u);
}

class ThrowingTransport final : public HttpTransport {
 public:
  std::unique_ptr<HttpResponse> Send(const HttpRequest&) override { throw std::runtime_error("platform error"); }
};

TEST(ProvidersFailureTest, AnErrorWhileAskingIsNotAnAnswer) {
  ThrowingTransport transport;
  ManualClock clock;
  const ProviderResult result = RunProvider({transport, clock}, {L"Song", L"Artist", L"", 0}, ProviderId::Lrclib, {});
  EXPECT_FALSE(result.answered);
  EXPECT_FALSE(result.sheet);
  EXPECT_EQ(result.retry_after, 0u);
}

}  // namespace
}  // namespace notch::lyrics
