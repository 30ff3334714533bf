// The three lyrics workers as the program runs them, over real WinHTTP and
// HTTPS, against the lyrics services played on loopback from the fixtures
// of tests/data/lyrics/https-services.json. Of the services asked before a
// search can end, only BiniLyrics has word-synchronised lyrics there (behind
// its answer's link to its site), so it is the one that ends the search; the
// others answer with less or with nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "activities/media_state.h"
#include "common/clock.h"
#include "common/text.h"
#include "lyrics/http_client.h"
#include "lyrics/http_transport_winhttp_win.h"
#include "lyrics/lyrics_workers.h"
#include "lyrics/provider_table.h"
#include "win/loopback_services_transport.h"
#include "win/lyrics_services_server.h"
#include "win/trusted_root_certificate.h"

namespace notch::lyrics {
namespace {

// Only broken workers take this long; the test then fails instead of hanging.
constexpr std::chrono::seconds kHangGuard{30};
constexpr wchar_t kContact[] = L"me@example.org";
const LyricsQuery kPaperBoats{L"Paper Boats", L"The Made-Up Band", L"Puddles", 71};
// Both of its search answers hold a member nested 100,000 arrays deep.
const LyricsQuery kDeepWater{L"Deep Water", L"The Made-Up Band", L"Puddles", 71};

// Wine's chain engine reads the trusted roots once, at the first certificate
// check in the process, so the services' authority is trusted before any
// test runs and until all have.
class LyricsServicesEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    folder_ = testing::LyricsServicesFolder();
    if (folder_) server_ = testing::ReadLyricsServicesServer(*folder_);
    if (server_) trust_ = std::make_unique<testing::TrustedRootCertificate>(server_->authority);
  }
  void TearDown() override { trust_.reset(); }

  const std::optional<std::filesystem::path>& folder() const { return folder_; }
  const std::optional<testing::LyricsServicesServer>& server() const { return server_; }
  const testing::TrustedRootCertificate* trust() const { return trust_.get(); }

 private:
  std::optional<std::filesystem::path> folder_;
  std::optional<testing::LyricsServicesServer> server_;
  std::unique_ptr<testing::TrustedRootCertificate> trust_;
};

LyricsServicesEnvironment* const kServices =
    static_cast<LyricsServicesEnvironment*>(::testing::AddGlobalTestEnvironment(new LyricsServicesEnvironment));

SheetKind ShownKind(MediaState& media) {
  std::lock_guard lock(media.mutex);
  return KindOf(media.pending.lyrics.get());
}

std::wstring HostOf(ProviderId id) { return std::wstring(FindProvider(id)->host); }

// Skips or fails the test unless the services are played and trusted.
#define REQUIRE_LYRICS_SERVICES()                                                                               \
  if (!kServices->folder()) {                                                                                   \
    GTEST_SKIP() << "no lyrics services server: NOTCH_LYRICS_SERVICES is not set (CTest starts one)";           \
  }                                                                                                             \
  ASSERT_TRUE(kServices->server()) << "the lyrics services server named in NOTCH_LYRICS_SERVICES is not there"; \
  ASSERT_TRUE(kServices->trust()->trusted())                                                                    \
      << "the test authority was not trusted, error " << kServices->trust()->error()

// The requests the server logged after the first `earlier` ones.
std::vector<testing::ServedRequest> RequestsSince(std::size_t earlier) {
  std::vector<testing::ServedRequest> requests = testing::ReadServedRequests(kServices->server()->requests_log);
  requests.erase(requests.begin(), requests.begin() + static_cast<std::ptrdiff_t>(std::min(earlier, requests.size())));
  return requests;
}

TEST(LyricsCascadeHttpsTest, TheWorkersPublishWordSyncedLyricsFoundOverHttps) {
  REQUIRE_LYRICS_SERVICES();
  const testing::LyricsServicesServer& server = *kServices->server();
  const std::size_t earlier = testing::ReadServedRequests(server.requests_log).size();

  MediaState media;
  WinHttpTransport winhttp;
  testing::LoopbackServicesTransport transport(winhttp, server.port);
  std::mutex mutex;
  std::condition_variable published;
  {
    LyricsWorkerPool pool({media, transport, SystemClock(),
                           [&] {
                             std::lock_guard lock(mutex);
                             published.notify_all();
                           }},
                          {kContact, L""});
    pool.Start();
    {
      std::lock_guard lock(media.mutex);
      SetLyricsQuery(media, kPaperBoats);
    }
    std::unique_lock lock(mutex);
    EXPECT_TRUE(published.wait_for(lock, kHangGuard, [&] { return ShownKind(media) == SheetKind::WordSynced; }))
        << "no word-synchronised lyrics were published";
  }  // the pool waits for the searches still running

  const SharedSheet shown = media.pending.lyrics;
  ASSERT_EQ(KindOf(shown.get()), SheetKind::WordSynced);
  ASSERT_TRUE(shown->credit);
  EXPECT_EQ(shown->credit->source_name, L"BiniLyrics");
  EXPECT_EQ(shown->credit->source_link, std::wstring(ProviderSite(ProviderId::BiniLyrics)));
  ASSERT_FALSE(shown->lines.empty());
  EXPECT_EQ(shown->lines.front().text, L"Paper boats on the rain");

  std::map<std::wstring, int> per_service;
  for (const testing::ServedRequest& request : RequestsSince(earlier)) {
    const std::wstring target = request.service + request.path;
    EXPECT_TRUE(request.routed) << "a request no service expects: " << WideToUtf8(target);
    // Only the ISRC match service hears the contact address.
    const bool with_contact = request.service == HostOf(ProviderId::IsrcMatch);
    EXPECT_EQ(request.user_agent, HttpUserAgent(with_contact ? kContact : L"")) << WideToUtf8(target);
    ++per_service[request.service];
  }
  // The third worker asks the ISRC match service, which has no hit, then
  // BiniLyrics, whose lyrics end its search before LyricsPlus. Without a
  // proxy of the user's, Genius is never asked: every request was routed.
  EXPECT_EQ(per_service[HostOf(ProviderId::IsrcMatch)], 1);
  EXPECT_EQ(per_service[HostOf(ProviderId::BiniLyrics)], 1);
  EXPECT_EQ(per_service[std::wstring(ProviderSiteHost(ProviderId::BiniLyrics))], 1);
  EXPECT_EQ(per_service[HostOf(ProviderId::LyricsPlus)], 0);
  // The first two workers skip what is left of their lists once the third
  // one's lyrics are shown, so whether they ask depends on the race; they
  // ask each service once at most.
  for (const ProviderId id : {ProviderId::Lrclib, ProviderId::BetterLyrics, ProviderId::Unison}) {
    EXPECT_LE(per_service[HostOf(id)], 1) << WideToUtf8(HostOf(id));
  }
}

// Copying a JSON value recurses once per level: read on a worker's own
// thread, an answer nested this deep would overflow its stack and end the
// program. The workers refuse it as nothing found.
TEST(LyricsCascadeHttpsTest, SearchAnswersNestedBeyondAnyRealOneFindNothingOnTheWorkersThreads) {
  REQUIRE_LYRICS_SERVICES();
  const std::size_t earlier = testing::ReadServedRequests(kServices->server()->requests_log).size();
  const auto asked = [&](ProviderId id) {
    for (const testing::ServedRequest& request : RequestsSince(earlier)) {
      if (request.service == HostOf(id) && request.path.find(L"Deep%20Water") != std::wstring::npos) return true;
    }
    return false;
  };

  MediaState media;
  WinHttpTransport winhttp;
  testing::LoopbackServicesTransport transport(winhttp, kServices->server()->port);
  {
    LyricsWorkerPool pool({media, transport, SystemClock(), [] {}}, {kContact, L""});
    pool.Start();
    {
      std::lock_guard lock(media.mutex);
      SetLyricsQuery(media, kDeepWater);
    }
    // The third worker asks both services in turn; the server logs each
    // request before it answers. Nothing else tells that a search has begun.
    const auto deadline = std::chrono::steady_clock::now() + kHangGuard;
    while (!(asked(ProviderId::IsrcMatch) && asked(ProviderId::BiniLyrics)) &&
           std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_TRUE(asked(ProviderId::IsrcMatch) && asked(ProviderId::BiniLyrics));
  }  // the pool waits for the search to end, answers read

  std::lock_guard lock(media.mutex);
  EXPECT_EQ(KindOf(media.pending.lyrics.get()), SheetKind::None);
}

}  // namespace
}  // namespace notch::lyrics
