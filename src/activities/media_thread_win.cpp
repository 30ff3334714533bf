#include "activities/media_thread_win.h"

#include <windows.h>

#include <memory>
#include <mutex>
#include <thread>

#include "activities/media_requests.h"
#include "activities/media_session_worker.h"
#include "activities/media_state.h"
#include "common/app_messages.h"
#include "host/host_links_win.h"
#include "host/system_sources_win.h"
#include "lyrics/lyrics_workers_win.h"
#include "winrt/activation_win.h"

namespace notch {
namespace {

void NotifyIsland() {
  if (const HWND island = links::IslandWindow()) PostMessageW(island, island_message::kMediaUpdate, 0, 0);
}

void MediaThread() {
  const winrt::MultithreadedApartment apartment;
  MediaState& state = SharedMediaState();
  const std::unique_ptr<MediaSessionPort> session = CreateMediaSession(state, NotifyIsland);
  MediaSessionWorker worker(state, *session, SystemClock(), NotifyIsland);
  worker.Run();
}

}  // namespace

void StartMediaThread() {
  static std::once_flag started;
  std::call_once(started, [] {
    // The first pass reads the current session.
    WakeMediaThread(SharedMediaState(), true, false);
    std::thread(MediaThread).detach();
    StartLyricsWorkers();
  });
}

}  // namespace notch
