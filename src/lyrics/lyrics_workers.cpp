#include "lyrics/lyrics_workers.h"

#include <algorithm>
#include <mutex>
#include <utility>

namespace notch::lyrics {
namespace {

constexpr ProviderId kFirstWorker[] = {ProviderId::Lrclib};
constexpr ProviderId kSecondWorker[] = {ProviderId::BetterLyrics, ProviderId::Unison};
constexpr ProviderId kThirdWorker[] = {ProviderId::IsrcMatch, ProviderId::BiniLyrics, ProviderId::LyricsPlus,
                                       ProviderId::Genius};

constexpr std::uint64_t kMsPerSecond = 1000;

}  // namespace

std::array<LyricsWorkerRole, kLyricsWorkerCount> LyricsWorkerRoles(const ServiceSettings& services) {
  return {LyricsWorkerRole{kFirstWorker, {}}, LyricsWorkerRole{kSecondWorker, {}},
          LyricsWorkerRole{kThirdWorker, services}};
}

LyricsWorker::LyricsWorker(const LyricsWorkerPorts& ports, LyricsWorkerRole role)
    : ports_(ports),
      role_(std::move(role)),
      http_{ports.transport, ports.clock},
      next_allowed_ms_(role_.providers.size(), 0) {}

std::optional<std::uint64_t> LyricsWorker::HandleNextQuery() {
  std::optional<LyricsQuery> query;
  {
    MediaState& media = ports_.media;
    std::unique_lock lock(media.mutex);
    media.lyrics_wake.wait(lock,
                           [&] { return media.lyrics_workers_stopping || media.lyrics_generation != generation_; });
    if (media.lyrics_workers_stopping) return std::nullopt;
    generation_ = media.lyrics_generation;
    query = media.lyrics_query;
  }
  if (query) Serve(*query);
  return generation_;
}

void LyricsWorker::Run() {
  while (HandleNextQuery()) {
  }
}

void LyricsWorker::Serve(const LyricsQuery& query) {
  cache_.RemoveExpired(ports_.clock.TickMs());
  if (const LyricsCache::Entry* entry = cache_.Find(query)) {
    PublishIfBetter(entry->sheet);
    return;
  }

  SharedSheet best;
  std::uint64_t expiry_ms = kNeverExpires;
  for (std::size_t i = 0; i < role_.providers.size(); ++i) {
    const ProviderId id = role_.providers[i];
    // Word-synchronised lyrics of our own have ended the search already, so
    // what is found so far is not worth keeping: the search is abandoned.
    if (!WorthAsking(id)) return;
    if (ports_.clock.TickMs() < next_allowed_ms_[i]) {
      expiry_ms = std::min(expiry_ms, next_allowed_ms_[i]);
      continue;
    }
    ProviderResult result = RunProvider(http_, query, id, role_.services);
    const std::uint64_t now_ms = ports_.clock.TickMs();
    next_allowed_ms_[i] = now_ms + result.retry_after * kMsPerSecond;
    if (!result.answered) expiry_ms = std::min(expiry_ms, std::max(next_allowed_ms_[i], now_ms + kFailedQueryRetryMs));
    if (KindOf(result.sheet.get()) > KindOf(best.get())) {
      best = std::move(result.sheet);
      PublishIfBetter(best);
    }
    if (KindOf(best.get()) == SheetKind::WordSynced) break;
  }
  cache_.Store({query, std::move(best), expiry_ms});
}

bool LyricsWorker::WorthAsking(ProviderId id) const {
  std::lock_guard lock(ports_.media.mutex);
  if (ports_.media.lyrics_generation != generation_) return false;
  const SheetKind shown = KindOf(ports_.media.pending.lyrics.get());
  // Genius has only plain text, which adds nothing to lyrics already shown.
  return shown != SheetKind::WordSynced && !(id == ProviderId::Genius && shown > SheetKind::None);
}

void LyricsWorker::PublishIfBetter(const SharedSheet& sheet) {
  {
    std::lock_guard lock(ports_.media.mutex);
    SharedSheet& shown = ports_.media.pending.lyrics;
    if (ports_.media.lyrics_generation != generation_ || KindOf(sheet.get()) <= KindOf(shown.get())) return;
    shown = sheet;
  }
  if (ports_.notify_island) ports_.notify_island();
}

LyricsWorkerPool::LyricsWorkerPool(LyricsWorkerPorts ports, const ServiceSettings& services)
    : ports_(std::move(ports)) {
  for (LyricsWorkerRole& role : LyricsWorkerRoles(services)) {
    workers_.push_back(std::make_unique<LyricsWorker>(ports_, std::move(role)));
  }
}

bool LyricsWorkerPool::Start() {
  if (started_.exchange(true)) return false;
  for (const std::unique_ptr<LyricsWorker>& worker : workers_) {
    threads_.emplace_back([&worker = *worker] { worker.Run(); });
  }
  return true;
}

LyricsWorkerPool::~LyricsWorkerPool() {
  StopLyricsWorkers(ports_.media);
  for (std::thread& thread : threads_) thread.join();
}

}  // namespace notch::lyrics
