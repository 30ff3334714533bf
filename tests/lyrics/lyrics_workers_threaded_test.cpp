// The three workers on their own threads, racing as in the program. Requests
// are held at gates and let go in the order a test needs; the tests wait for
// what the workers report, never for time. Also run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>

#include "lyrics/lyrics_workers.h"
#include "support/fake_http_transport.h"
#include "support/lyrics_answers.h"

namespace notch::lyrics {
namespace {

using testing::Ok;
using testing::WithStatus;

// Only a broken worker takes this long; the test then fails instead of hanging.
constexpr std::chrono::seconds kHangGuard{30};

template <typename Predicate>
void Await(std::condition_variable& changed, std::unique_lock<std::mutex>& lock, Predicate done) {
  EXPECT_TRUE(changed.wait_for(lock, kHangGuard, done)) << "the workers never got there";
}

const LyricsQuery kSong{L"Song", L"Artist", L"Album", 200};
const LyricsQuery kOther{L"Other", L"Artist", L"", 0};

// Holds every request that reaches it until it is opened.
class Gate {
 public:
  void Pass() {
    std::unique_lock lock(mutex_);
    ++arrivals_;
    changed_.notify_all();
    changed_.wait(lock, [this] { return open_; });
  }
  void AwaitArrival() {
    std::unique_lock lock(mutex_);
    Await(changed_, lock, [this] { return arrivals_ > 0; });
  }
  void Open() {
    std::lock_guard lock(mutex_);
    open_ = true;
    changed_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int arrivals_ = 0;
  bool open_ = false;
};

// Counts something that happens on the workers' threads, for a test to wait on.
class Counter {
 public:
  void Add() {
    std::lock_guard lock(mutex_);
    ++count_;
    changed_.notify_all();
  }
  void AwaitAtLeast(int count) {
    std::unique_lock lock(mutex_);
    Await(changed_, lock, [&] { return count_ >= count; });
  }
  int count() {
    std::lock_guard lock(mutex_);
    return count_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int count_ = 0;
};

class LyricsWorkersThreadedTest : public ::testing::Test {
 protected:
  LyricsWorkersThreadedTest() {
    for (LyricsWorkerRole& role : LyricsWorkerRoles(testing::kTestServices)) {
      workers_.push_back(std::make_unique<LyricsWorker>(ports_, std::move(role)));
    }
    for (std::size_t i = 0; i < workers_.size(); ++i) {
      threads_.emplace_back([this, i] {
        while (const std::optional<std::uint64_t> generation = workers_[i]->HandleNextQuery()) {
          std::lock_guard lock(handled_mutex_);
          handled_[i] = *generation;
          handled_changed_.notify_all();
        }
      });
    }
  }
  ~LyricsWorkersThreadedTest() override {
    for (auto& [host, gate] : gates_) gate.Open();
    StopLyricsWorkers(media_);
    for (std::thread& thread : threads_) thread.join();
  }

  Gate& Hold(const std::wstring& host) {
    Gate& gate = gates_[host];
    transport_.BeforeAnswer(host, [&gate] { gate.Pass(); });
    return gate;
  }
  void Answer(ProviderId id, const LyricsQuery& query, testing::FakeHttpAnswer answer) {
    testing::AnswerFirstRequest(transport_, id, query, std::move(answer));
  }
  std::uint64_t Publish(const LyricsQuery& query) {
    std::lock_guard lock(media_.mutex);
    SetLyricsQuery(media_, query);
    return media_.lyrics_generation;
  }
  // Until every worker is done with `generation`: searched, abandoned or
  // served from its cache.
  void AwaitHandled(std::uint64_t generation) {
    std::unique_lock lock(handled_mutex_);
    Await(handled_changed_, lock, [&] {
      return std::all_of(handled_.begin(), handled_.end(),
                         [&](std::uint64_t handled) { return handled >= generation; });
    });
  }
  SharedSheet Shown() {
    std::lock_guard lock(media_.mutex);
    return media_.pending.lyrics;
  }
  int RequestsTo(ProviderId id) const { return testing::RequestsTo(transport_, id); }

  MediaState media_;
  ManualClock clock_;  // never moved here: the workers read it freely
  testing::FakeHttpTransport transport_;
  Counter posts_;
  LyricsWorkerPorts ports_{media_, transport_, clock_, [this] { posts_.Add(); }};
  std::map<std::wstring, Gate> gates_;
  std::mutex handled_mutex_;
  std::condition_variable handled_changed_;
  std::array<std::uint64_t, kLyricsWorkerCount> handled_{};
  std::vector<std::unique_ptr<LyricsWorker>> workers_;
  std::vector<std::thread> threads_;
};

TEST_F(LyricsWorkersThreadedTest, RacingWorkersShowPlainThenLineSyncedThenWordSynced) {
  Gate& lrclib = Hold(L"lrclib.net");
  Gate& better_lyrics = Hold(L"lyrics-api.boidu.dev");
  Gate& isrc_match = Hold(L"lrc.red");
  Answer(ProviderId::Lrclib, kSong, Ok(testing::PlainLrclibAnswer()));
  Answer(ProviderId::BetterLyrics, kSong, Ok(testing::BetterLyricsAnswer(testing::LineTimedTtml())));
  Answer(ProviderId::IsrcMatch, kSong, Ok(testing::HitsAnswer({{"isrc", "USRC17607839"}})));
  transport_.Script(L"lrc.red", L"/s/USRC17607839.ttml", Ok(testing::WordTimedTtml()));
  const std::uint64_t generation = Publish(kSong);
  lrclib.AwaitArrival();
  better_lyrics.AwaitArrival();
  isrc_match.AwaitArrival();

  lrclib.Open();
  posts_.AwaitAtLeast(1);
  EXPECT_EQ(KindOf(Shown().get()), SheetKind::Plain);
  better_lyrics.Open();
  posts_.AwaitAtLeast(2);
  EXPECT_EQ(KindOf(Shown().get()), SheetKind::LineSynced);
  isrc_match.Open();
  posts_.AwaitAtLeast(3);
  EXPECT_EQ(KindOf(Shown().get()), SheetKind::WordSynced);

  AwaitHandled(generation);
  EXPECT_EQ(posts_.count(), 3);
  EXPECT_EQ(RequestsTo(ProviderId::BiniLyrics), 0);
}

TEST_F(LyricsWorkersThreadedTest, AnEqualKindFromAnotherWorkerNeverReplaces) {
  Gate& lrclib = Hold(L"lrclib.net");
  Gate& better_lyrics = Hold(L"lyrics-api.boidu.dev");
  Answer(ProviderId::Lrclib, kSong, Ok(testing::LineTimedLrclibAnswer()));
  Answer(ProviderId::BetterLyrics, kSong, Ok(testing::BetterLyricsAnswer(testing::LineTimedTtml())));
  const std::uint64_t generation = Publish(kSong);
  better_lyrics.AwaitArrival();
  lrclib.Open();
  posts_.AwaitAtLeast(1);
  const SharedSheet first = Shown();
  better_lyrics.Open();
  AwaitHandled(generation);
  EXPECT_EQ(Shown(), first);
  EXPECT_EQ(posts_.count(), 1);
}

TEST_F(LyricsWorkersThreadedTest, WordSyncedFromTheSecondWorkerStopsTheThirdBeforeItsNextProvider) {
  Gate& better_lyrics = Hold(L"lyrics-api.boidu.dev");
  Gate& isrc_match = Hold(L"lrc.red");
  Answer(ProviderId::BetterLyrics, kSong, Ok(testing::BetterLyricsAnswer(testing::WordTimedTtml())));
  const std::uint64_t generation = Publish(kSong);
  isrc_match.AwaitArrival();
  better_lyrics.Open();
  posts_.AwaitAtLeast(1);
  isrc_match.Open();
  AwaitHandled(generation);
  EXPECT_EQ(KindOf(Shown().get()), SheetKind::WordSynced);
  EXPECT_EQ(RequestsTo(ProviderId::Unison), 0);
  EXPECT_EQ(RequestsTo(ProviderId::BiniLyrics) + RequestsTo(ProviderId::LyricsPlus) + RequestsTo(ProviderId::Genius),
            0);
}

TEST_F(LyricsWorkersThreadedTest, GeniusIsSkippedWhenAnotherWorkerShowsPlainLyrics) {
  Gate& lyrics_plus = Hold(L"lyricsplus.prjktla.workers.dev");
  Answer(ProviderId::Lrclib, kSong, Ok(testing::PlainLrclibAnswer()));
  Answer(ProviderId::LyricsPlus, kSong, WithStatus(404));
  const std::uint64_t generation = Publish(kSong);
  lyrics_plus.AwaitArrival();
  posts_.AwaitAtLeast(1);
  lyrics_plus.Open();
  AwaitHandled(generation);
  EXPECT_EQ(RequestsTo(ProviderId::LyricsPlus), 1);
  EXPECT_EQ(RequestsTo(ProviderId::Genius), 0);
}

TEST_F(LyricsWorkersThreadedTest, AResultForAnOldQueryIsNeverPublished) {
  Gate& lrclib = Hold(L"lrclib.net");
  Answer(ProviderId::Lrclib, kSong, Ok(testing::LineTimedLrclibAnswer()));
  Answer(ProviderId::Lrclib, kOther, WithStatus(404));
  Publish(kSong);
  lrclib.AwaitArrival();
  const std::uint64_t generation = Publish(kOther);
  lrclib.Open();
  AwaitHandled(generation);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(posts_.count(), 0);
}

TEST(LyricsWorkerPoolThreadedTest, StartsItsThreeWorkersOnce) {
  MediaState media;
  ManualClock clock;
  testing::FakeHttpTransport transport;
  Counter requests;
  for (const ProviderInfo& provider : Providers()) {
    transport.BeforeAnswer(std::wstring(ServiceHost(provider.id, testing::kTestServices)),
                           [&requests] { requests.Add(); });
  }
  {
    LyricsWorkerPool pool({media, transport, clock, {}}, testing::kTestServices);
    EXPECT_TRUE(pool.Start());
    EXPECT_FALSE(pool.Start());
    {
      std::lock_guard lock(media.mutex);
      SetLyricsQuery(media, kSong);
    }
    requests.AwaitAtLeast(static_cast<int>(Providers().size()));
  }
  // A second set of workers would have asked every service again before
  // stopping.
  EXPECT_EQ(transport.requests().size(), Providers().size());
}

}  // namespace
}  // namespace notch::lyrics
