#pragma once
// The lyrics workers. Each waits for a new query, then asks its own services
// in order and publishes every sheet better than the one shown, until the
// query changes or word-synchronised lyrics are shown. Three of them run side
// by side, so that one slow service does not hold back the others.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "activities/media_state.h"
#include "common/clock.h"
#include "lyrics/http_transport.h"
#include "lyrics/lyrics_cache.h"
#include "lyrics/providers.h"

namespace notch::lyrics {

// A query that some service failed to answer is searched again after this.
inline constexpr std::uint64_t kFailedQueryRetryMs = 20'000;

// What the workers share with the rest of the program.
struct LyricsWorkerPorts {
  MediaState& media;
  HttpTransport& transport;
  const Clock& clock;
  // Called after each publish, with the media mutex released: the island
  // then takes the new lyrics.
  std::function<void()> notify_island;
};

struct LyricsWorkerRole {
  std::span<const ProviderId> providers;
  ServiceSettings services;
};

inline constexpr std::size_t kLyricsWorkerCount = 3;

// The workers' provider lists, in cascade order; only the third worker,
// which asks the ISRC match service and Genius, is given the settings.
std::array<LyricsWorkerRole, kLyricsWorkerCount> LyricsWorkerRoles(const ServiceSettings& services);

class LyricsWorker {
 public:
  LyricsWorker(const LyricsWorkerPorts& ports, LyricsWorkerRole role);

  // Waits for a generation other than the one last handled and serves its
  // query. Returns that generation, or nothing once the workers are told to
  // stop (StopLyricsWorkers).
  std::optional<std::uint64_t> HandleNextQuery();
  void Run();

 private:
  void Serve(const LyricsQuery& query);
  // Whether asking `id` can still matter: the query is current and nothing
  // it could give is already shown.
  bool WorthAsking(ProviderId id) const;
  void PublishIfBetter(const SharedSheet& sheet);

  const LyricsWorkerPorts& ports_;
  LyricsWorkerRole role_;
  HttpClient http_;
  std::vector<std::uint64_t> next_allowed_ms_;  // per provider: back-off after a failure
  LyricsCache cache_;
  std::uint64_t generation_ = 0;
};

// The three workers on their threads, started once.
class LyricsWorkerPool {
 public:
  LyricsWorkerPool(LyricsWorkerPorts ports, const ServiceSettings& services);

  // Starts the threads on the first call only; returns whether it did.
  bool Start();

  // Destroying the pool stops its threads, each after the search it is in,
  // and waits for them. The program's pool is never destroyed.
  ~LyricsWorkerPool();
  LyricsWorkerPool(const LyricsWorkerPool&) = delete;
  LyricsWorkerPool& operator=(const LyricsWorkerPool&) = delete;

 private:
  LyricsWorkerPorts ports_;
  std::vector<std::unique_ptr<LyricsWorker>> workers_;
  std::atomic<bool> started_{false};
  std::vector<std::thread> threads_;
};

}  // namespace notch::lyrics
