#include "lyrics/lyrics_workers_win.h"

#include <memory>
#include <string>

#include "activities/media_state.h"
#include "common/app_messages.h"
#include "common/clock.h"
#include "host/host_links_win.h"
#include "host/settings.h"
#include "host/startup_win.h"
#include "host/system_sources_win.h"
#include "lyrics/lyrics_workers.h"

namespace notch {
namespace {

// The workers parse JSON themselves and the transport (WinHTTP in the
// program) needs no apartment, so their threads do not initialise COM.
class ProgramLyricsWorkers {
 public:
  explicit ProgramLyricsWorkers(const lyrics::ServiceSettings& services)
      : transport_(CreateLyricsTransport()),
        pool_({SharedMediaState(), *transport_, SystemClock(), [] { PostLyricsUpdate(links::IslandWindow()); }},
              services) {}
  void Start() { pool_.Start(); }

 private:
  std::unique_ptr<HttpTransport> transport_;
  lyrics::LyricsWorkerPool pool_;
};

}  // namespace

void StartLyricsWorkers() {
  // Never destroyed: the workers run, possibly inside a request, until the
  // process ends.
  static ProgramLyricsWorkers& workers = *new ProgramLyricsWorkers(
      {AppSettings().Read(setting::kLyricsContactEmail), AppSettings().Read(setting::kGeniusProxy)});
  workers.Start();
}

void PostLyricsUpdate(HWND island) {
  if (island != nullptr) PostMessageW(island, island_message::kMediaUpdate, 0, 0);
}

}  // namespace notch
