// One worker at a time, on the test thread: each query is published, then
// served at once, so that every rule of the cascade is checked in order.
#include <gtest/gtest.h>

#include "lyrics/lyrics_workers.h"
#include "lyrics/ttml_reader.h"
#include "support/fake_http_transport.h"
#include "support/lyrics_answers.h"
#include "support/test_data.h"

namespace notch::lyrics {
namespace {

using testing::FakeHttpAnswer;
using testing::Ok;
using testing::WithStatus;

const LyricsQuery kSong{L"Song", L"Artist", L"Album", 200};
const LyricsQuery kOther{L"Other", L"Artist", L"", 0};

SharedSheet MakeSheet(const std::string& ttml) { return std::make_shared<const Sheet>(*ReadTtml(ttml, std::nullopt)); }

class LyricsWorkerTest : public ::testing::Test {
 protected:
  LyricsWorker MakeWorker(int number) {
    return LyricsWorker(ports_, LyricsWorkerRoles(testing::kTestServices)[number - 1]);
  }

  void Publish(const std::optional<LyricsQuery>& query) {
    std::lock_guard lock(media_.mutex);
    SetLyricsQuery(media_, query);
  }
  // Serves the query published last; never waits, as its generation is new.
  void Serve(LyricsWorker& worker) { EXPECT_TRUE(worker.HandleNextQuery()); }
  void PublishAndServe(LyricsWorker& worker, const LyricsQuery& query) {
    Publish(query);
    Serve(worker);
  }
  void Show(SharedSheet sheet) {
    std::lock_guard lock(media_.mutex);
    media_.pending.lyrics = std::move(sheet);
  }
  SharedSheet Shown() {
    std::lock_guard lock(media_.mutex);
    return media_.pending.lyrics;
  }

  void Answer(ProviderId id, const LyricsQuery& query, testing::FakeHttpAnswer answer) {
    testing::AnswerFirstRequest(transport_, id, query, std::move(answer));
  }
  int RequestsTo(ProviderId id) const { return testing::RequestsTo(transport_, id); }

  MediaState media_;
  ManualClock clock_{1000};
  testing::FakeHttpTransport transport_;
  int posts_ = 0;
  LyricsWorkerPorts ports_{media_, transport_, clock_, [this] { ++posts_; }};
};

TEST_F(LyricsWorkerTest, PublishesEachBetterSheetAndStopsAtWordSyncedLyrics) {
  LyricsWorker worker = MakeWorker(3);
  Answer(ProviderId::IsrcMatch, kSong, WithStatus(404));
  Answer(ProviderId::BiniLyrics, kSong, Ok(testing::ResultsAnswer("https://lyrics-api.binimum.org/1.ttml")));
  transport_.Script(L"lyrics-api.binimum.org", L"/1.ttml", Ok(testing::LineTimedTtml()));
  Answer(ProviderId::LyricsPlus, kSong, Ok(testing::ReadTestData(L"lyrics\\lyricsplus.json")));
  Answer(ProviderId::Genius, kSong, Ok(testing::ReadTestData(L"lyrics\\genius.json")));
  PublishAndServe(worker, kSong);
  EXPECT_EQ(KindOf(Shown().get()), SheetKind::WordSynced);
  EXPECT_EQ(posts_, 2);
  EXPECT_EQ(RequestsTo(ProviderId::Genius), 0);

  // A search that ended with word-synced lyrics is kept.
  PublishAndServe(worker, kOther);
  PublishAndServe(worker, kSong);
  EXPECT_EQ(KindOf(Shown().get()), SheetKind::WordSynced);
  EXPECT_EQ(RequestsTo(ProviderId::LyricsPlus), 2);
}

TEST_F(LyricsWorkerTest, AStoppedWorkerLeavesAWaitingQueryUnasked) {
  LyricsWorker worker = MakeWorker(1);
  Publish(kSong);
  StopLyricsWorkers(media_);
  EXPECT_FALSE(worker.HandleNextQuery());
  EXPECT_EQ(transport_.requests().size(), 0u);
}

TEST_F(LyricsWorkerTest, WordSyncedLyricsShownElsewhereEndTheSearchUncached) {
  LyricsWorker worker = MakeWorker(3);
  const SharedSheet elsewhere = MakeSheet(testing::WordTimedTtml());
  transport_.BeforeAnswer(L"lrc.red", [&] { Show(elsewhere); });
  PublishAndServe(worker, kSong);
  EXPECT_EQ(RequestsTo(ProviderId::IsrcMatch), 1);
  EXPECT_EQ(transport_.requests().size(), 1u);

  // Abandoned, so not cached: the same track later is searched again.
  PublishAndServe(worker, kOther);
  PublishAndServe(worker, kSong);
  EXPECT_EQ(RequestsTo(ProviderId::IsrcMatch), 3);
}

TEST_F(LyricsWorkerTest, GeniusIsAskedOnlyWhileNothingIsShown) {
  LyricsWorker worker = MakeWorker(3);
  Publish(kSong);
  Show(MakeSheet(testing::LineTimedTtml()));
  Serve(worker);
  EXPECT_EQ(RequestsTo(ProviderId::LyricsPlus), 1);
  EXPECT_EQ(RequestsTo(ProviderId::Genius), 0);

  Answer(ProviderId::Genius, kOther, Ok(testing::ReadTestData(L"lyrics\\genius.json")));
  PublishAndServe(worker, kOther);
  EXPECT_EQ(RequestsTo(ProviderId::Genius), 1);
  EXPECT_EQ(KindOf(Shown().get()), SheetKind::Plain);
}

TEST_F(LyricsWorkerTest, AnsweredQueriesComeBackFromTheCacheWithoutRequests) {
  LyricsWorker worker = MakeWorker(1);
  Answer(ProviderId::Lrclib, kSong, Ok(testing::LineTimedLrclibAnswer()));
  PublishAndServe(worker, kSong);
  const SharedSheet found = Shown();
  PublishAndServe(worker, kOther);
  EXPECT_FALSE(Shown());

  PublishAndServe(worker, kSong);
  EXPECT_EQ(Shown(), found);
  EXPECT_EQ(posts_, 2);
  EXPECT_EQ(RequestsTo(ProviderId::Lrclib), 2);

  // Not shown, nothing to search.
  Publish(std::nullopt);
  Serve(worker);
  EXPECT_EQ(transport_.requests().size(), 2u);
}

TEST_F(LyricsWorkerTest, TheCacheKeepsTheEightMostRecentQueries) {
  LyricsWorker worker = MakeWorker(1);
  std::vector<LyricsQuery> queries;
  for (int i = 0; i <= 8; ++i) {
    queries.push_back({L"Song " + std::to_wstring(i), L"Artist", L"", 0});
    Answer(ProviderId::Lrclib, queries.back(), WithStatus(404));
    PublishAndServe(worker, queries.back());
  }
  PublishAndServe(worker, queries[1]);
  EXPECT_EQ(RequestsTo(ProviderId::Lrclib), 9);
  PublishAndServe(worker, queries[0]);
  EXPECT_EQ(RequestsTo(ProviderId::Lrclib), 10);

  // Another duration or spelling is another query.
  PublishAndServe(worker, {L"song 0", L"Artist", L"", 0});
  PublishAndServe(worker, {L"Song 0", L"Artist", L"", 1});
  EXPECT_EQ(RequestsTo(ProviderId::Lrclib), 12);
}

TEST_F(LyricsWorkerTest, AFailedQueryIsSearchedAgainAfterTwentySeconds) {
  LyricsWorker worker = MakeWorker(1);
  Answer(ProviderId::Lrclib, kSong, WithStatus(500));
  PublishAndServe(worker, kSong);
  clock_.Advance(19'999);
  PublishAndServe(worker, kOther);
  PublishAndServe(worker, kSong);
  EXPECT_EQ(RequestsTo(ProviderId::Lrclib), 2);
  clock_.Advance(1);
  PublishAndServe(worker, kOther);
  PublishAndServe(worker, kSong);
  EXPECT_EQ(RequestsTo(ProviderId::Lrclib), 3);
}

TEST_F(LyricsWorkerTest, TooManyRequestsBacksOffThatProviderInThatWorkerOnly) {
  LyricsWorker limited = MakeWorker(2);
  LyricsWorker twin = MakeWorker(2);
  Answer(ProviderId::BetterLyrics, kSong, WithStatus(429));
  PublishAndServe(limited, kSong);  // back off for 60 s
  Answer(ProviderId::BetterLyrics, kOther, WithStatus(404));
  PublishAndServe(limited, kOther);
  EXPECT_EQ(RequestsTo(ProviderId::BetterLyrics), 1);
  EXPECT_EQ(RequestsTo(ProviderId::Unison), 2);
  Serve(twin);
  EXPECT_EQ(RequestsTo(ProviderId::BetterLyrics), 2);

  // Both queries wait for the back-off to end, beyond the 20 seconds.
  clock_.Advance(59'999);
  PublishAndServe(limited, kSong);
  PublishAndServe(limited, kOther);
  EXPECT_EQ(RequestsTo(ProviderId::BetterLyrics), 2);
  clock_.Advance(1);
  PublishAndServe(limited, kSong);
  EXPECT_EQ(RequestsTo(ProviderId::BetterLyrics), 3);
}

TEST_F(LyricsWorkerTest, ASearchWhoseQueryChangedIsAbandonedAndNeverPublished) {
  LyricsWorker worker = MakeWorker(2);
  Answer(ProviderId::BetterLyrics, kSong, Ok(testing::BetterLyricsAnswer(testing::LineTimedTtml())));
  transport_.BeforeAnswer(L"lyrics-api.boidu.dev", [&] { Publish(kOther); });
  PublishAndServe(worker, kSong);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(posts_, 0);
  EXPECT_EQ(RequestsTo(ProviderId::Unison), 0);

  transport_.BeforeAnswer(L"lyrics-api.boidu.dev", {});
  Serve(worker);  // the new query
  PublishAndServe(worker, kSong);
  EXPECT_EQ(RequestsTo(ProviderId::BetterLyrics), 3);
  EXPECT_EQ(KindOf(Shown().get()), SheetKind::LineSynced);
}

TEST_F(LyricsWorkerTest, ACacheHitReplacesOnlyALowerKind) {
  LyricsWorker worker = MakeWorker(1);
  Answer(ProviderId::Lrclib, kSong, Ok(testing::LineTimedLrclibAnswer()));
  PublishAndServe(worker, kSong);
  PublishAndServe(worker, kOther);
  Publish(kSong);
  const SharedSheet better = MakeSheet(testing::WordTimedTtml());
  Show(better);
  Serve(worker);
  EXPECT_EQ(Shown(), better);
  EXPECT_EQ(posts_, 1);
}

}  // namespace
}  // namespace notch::lyrics
