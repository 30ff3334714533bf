#include "activities/media_session_worker.h"

#include "common/debug_log.h"

namespace notch {
namespace {

void LogNoAccess() { DebugLog(L"ilha: sem acesso aos controles de mídia do Windows"); }

}  // namespace

bool MediaSessionWorker::Start() {
  if (session_.Connect()) return true;
  LogNoAccess();
  return false;
}

void MediaSessionWorker::Run() {
  if (!Start()) return;
  for (;;) Serve(TakeMediaWakeRequest(state_));
}

void MediaSessionWorker::Serve(const MediaWakeRequest& request) {
  if (request.session_changed && !session_.SwitchToCurrentSession()) LogNoAccess();
  if (session_.HasSession()) {
    for (const MediaCommand& command : request.commands) session_.Execute(command, timeline_start_s_);
  }

  const SessionReading reading = session_.HasSession() ? session_.Read() : SessionReading{};
  const bool playing = reading.status == PlaybackStatus::Playing;
  const bool has_media = HasMedia(reading.status, reading.track.title);
  const Timeline timeline = ReadTimeline(reading.timeline, playing);
  const bool same_track = SameTrack(request.session_changed, had_media_, has_media, track_, reading.track);
  const bool load_art = !same_track || request.refetch;

  ArtJob job{reading.track, 0};
  {
    std::lock_guard lock(state_.mutex);
    if (load_art) ++state_.track_generation;
    job.generation = state_.track_generation;
    MediaSnapshot& snapshot = state_.pending;
    if (!same_track) {
      snapshot.art_pixels.reset();
      snapshot.art_width = snapshot.art_height = 0;
      snapshot.tint = {1.0f, 1.0f, 1.0f, 1.0f};
    }
    snapshot.has_media = has_media;
    snapshot.playing = playing;
    snapshot.shuffle_active = reading.shuffle_active;
    snapshot.shuffle_enabled = reading.shuffle_enabled;
    snapshot.title = reading.track.title;
    snapshot.artist = reading.track.artist;
    snapshot.source_app_id = reading.source_app_id;
    snapshot.position_s = timeline.position_s;
    snapshot.duration_s = timeline.duration_s;
    snapshot.timeline_start_s = timeline.start_s;
    snapshot.sample_time_ms = clock_.NowMs();
  }
  had_media_ = has_media;
  track_ = reading.track;
  timeline_start_s_ = timeline.start_s;
  notify_island_();

  if (load_art) {
    session_.CancelArtLoad();
    if (has_media) session_.StartArtLoad(job);
  }
}

}  // namespace notch
