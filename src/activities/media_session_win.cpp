#include "activities/media_session_win.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "activities/art_decoder_win.h"
#include "activities/media_requests.h"
#include "winrt/activation_win.h"
#include "winrt/await_win.h"
#include "winrt/date_time_win.h"
#include "winrt/delegate_win.h"
#include "winrt/hstring_win.h"

namespace notch {
namespace {

using Microsoft::WRL::ComPtr;
using namespace winrt;

using Session = IGlobalSystemMediaTransportControlsSession;
using Properties = IGlobalSystemMediaTransportControlsSessionMediaProperties;

std::wstring Text(const std::function<HRESULT(HSTRING*)>& get) {
  HString text;
  return SUCCEEDED(get(text.Put())) ? text.ToWide() : std::wstring();
}

ComPtr<Properties> FetchProperties(Session* session) {
  ComPtr<MediaPropertiesRequest> request;
  ComPtr<Properties> properties;
  if (FAILED(session->TryGetMediaPropertiesAsync(&request)) ||
      FAILED(Await(request.Get(), properties.GetAddressOf()))) {
    return nullptr;
  }
  return properties;
}

TrackIdentity IdentityOf(Properties* p) {
  TrackIdentity track;
  track.title = Text([p](HSTRING* s) { return p->get_Title(s); });
  track.artist = Text([p](HSTRING* s) { return p->get_Artist(s); });
  track.album = Text([p](HSTRING* s) { return p->get_AlbumTitle(s); });
  INT32 number = 0;
  if (SUCCEEDED(p->get_TrackNumber(&number))) track.track_number = number;
  return track;
}

void AwaitCommand(CommandRequest* request) {
  if (request == nullptr) return;
  boolean done = false;
  Await(request, &done);  // a refused or failed command changes nothing
}

// The art loader's view of the session: the properties now, and their
// thumbnail decoded.
class ThumbnailSource final : public ArtSource {
 public:
  explicit ThumbnailSource(ComPtr<Session> session) : session_(std::move(session)) {}

  std::optional<TrackIdentity> CurrentTrack() override {
    properties_ = FetchProperties(session_.Get());
    if (!properties_) return std::nullopt;
    return IdentityOf(properties_.Get());
  }

  std::optional<DecodedArt> ReadThumbnail() override {
    ComPtr<IRandomAccessStreamReference> thumbnail;
    if (!properties_ || FAILED(properties_->get_Thumbnail(&thumbnail)) || !thumbnail) return std::nullopt;
    ComPtr<StreamOpenRequest> open;
    ComPtr<IRandomAccessStreamWithContentType> stream;
    ComPtr<IStream> classic;
    if (FAILED(thumbnail->OpenReadAsync(&open)) || FAILED(Await(open.Get(), stream.GetAddressOf())) || !stream ||
        FAILED(CreateStreamOverRandomAccessStream(stream.Get(), IID_PPV_ARGS(&classic)))) {
      return std::nullopt;
    }
    return DecodeArtImage(classic.Get());
  }

 private:
  ComPtr<Session> session_;
  ComPtr<Properties> properties_;
};

}  // namespace

struct WinRtMediaSession::ArtCancel {
  std::mutex mutex;
  std::condition_variable changed;
  bool cancelled = false;
};

WinRtMediaSession::~WinRtMediaSession() {
  CancelArtLoad();
  LeaveSession();
  if (manager_) manager_->remove_CurrentSessionChanged(session_changed_);
}

bool WinRtMediaSession::Connect() {
  ComPtr<IGlobalSystemMediaTransportControlsSessionManagerStatics> statics;
  ComPtr<SessionManagerRequest> request;
  if (FAILED(GetActivationFactory(GlobalSystemMediaTransportControlsSessionManager::kName, statics)) ||
      FAILED(statics->RequestAsync(&request)) || FAILED(Await(request.Get(), manager_.GetAddressOf())) || !manager_) {
    manager_.Reset();
    return false;
  }
  const auto handler =
      MakeDelegate<CurrentSessionChangedHandler>([this](auto*, auto*) { WakeMediaThread(state_, true, false); });
  if (handler) manager_->add_CurrentSessionChanged(handler.Get(), &session_changed_);
  return true;
}

void WinRtMediaSession::LeaveSession() {
  if (!session_) return;
  session_->remove_MediaPropertiesChanged(properties_changed_);
  session_->remove_PlaybackInfoChanged(playback_changed_);
  session_->remove_TimelinePropertiesChanged(timeline_changed_);
  session_.Reset();
}

bool WinRtMediaSession::SwitchToCurrentSession() {
  LeaveSession();
  if (!manager_ || FAILED(manager_->GetCurrentSession(&session_))) {
    session_.Reset();
    return false;
  }
  if (!session_) return true;  // nothing plays
  const auto wake = [this](bool refetch) {
    return [this, refetch](auto*, auto*) { WakeMediaThread(state_, false, refetch); };
  };
  if (const auto h = MakeDelegate<MediaPropertiesChangedHandler>(wake(true))) {
    session_->add_MediaPropertiesChanged(h.Get(), &properties_changed_);
  }
  if (const auto h = MakeDelegate<PlaybackInfoChangedHandler>(wake(false))) {
    session_->add_PlaybackInfoChanged(h.Get(), &playback_changed_);
  }
  if (const auto h = MakeDelegate<TimelinePropertiesChangedHandler>(wake(false))) {
    session_->add_TimelinePropertiesChanged(h.Get(), &timeline_changed_);
  }
  return true;
}

void WinRtMediaSession::Execute(const MediaCommand& command, double timeline_start_s) {
  if (!session_) return;
  ComPtr<CommandRequest> request;
  switch (command.kind) {
    case MediaCommandKind::TogglePlayPause:
      session_->TryTogglePlayPauseAsync(&request);
      break;
    case MediaCommandKind::Next:
      session_->TrySkipNextAsync(&request);
      break;
    case MediaCommandKind::Previous:
      session_->TrySkipPreviousAsync(&request);
      break;
    case MediaCommandKind::SetShuffle:
      session_->TryChangeShuffleActiveAsync(command.value != 0.0, &request);
      break;
    case MediaCommandKind::Seek:
      session_->TryChangePlaybackPositionAsync(static_cast<INT64>(SecondsToTicks(timeline_start_s + command.value)),
                                               &request);
      break;
  }
  AwaitCommand(request.Get());
}

SessionReading WinRtMediaSession::Read() {
  SessionReading reading;
  if (!session_) return reading;
  ComPtr<IGlobalSystemMediaTransportControlsSessionPlaybackInfo> playback;
  if (SUCCEEDED(session_->GetPlaybackInfo(&playback)) && playback) {
    GlobalSystemMediaTransportControlsSessionPlaybackStatus status{};
    if (SUCCEEDED(playback->get_PlaybackStatus(&status))) reading.status = static_cast<PlaybackStatus>(status);
    ComPtr<IGlobalSystemMediaTransportControlsSessionPlaybackControls> controls;
    boolean enabled = false;
    if (SUCCEEDED(playback->get_Controls(&controls)) && controls &&
        SUCCEEDED(controls->get_IsShuffleEnabled(&enabled))) {
      reading.shuffle_enabled = enabled != 0;
    }
    ComPtr<IReference<bool>> shuffle;
    boolean active = false;
    if (SUCCEEDED(playback->get_IsShuffleActive(&shuffle)) && shuffle && SUCCEEDED(shuffle->get_Value(&active))) {
      reading.shuffle_active = active != 0;
    }
  }
  Session* session = session_.Get();
  reading.source_app_id = Text([session](HSTRING* s) { return session->get_SourceAppUserModelId(s); });
  if (const auto properties = FetchProperties(session)) reading.track = IdentityOf(properties.Get());

  ComPtr<IGlobalSystemMediaTransportControlsSessionTimelineProperties> timeline;
  if (SUCCEEDED(session->GetTimelineProperties(&timeline)) && timeline) {
    TimeSpan start{}, end{}, position{};
    DateTime updated{};
    timeline->get_StartTime(&start);
    timeline->get_EndTime(&end);
    timeline->get_Position(&position);
    timeline->get_LastUpdatedTime(&updated);
    reading.timeline = {start.Duration, end.Duration, position.Duration, updated.UniversalTime,
                        PreciseNow().UniversalTime};
  }
  return reading;
}

void WinRtMediaSession::CancelArtLoad() {
  if (!art_cancel_) return;
  {
    std::lock_guard lock(art_cancel_->mutex);
    art_cancel_->cancelled = true;
  }
  art_cancel_->changed.notify_all();
  art_cancel_.reset();
}

void WinRtMediaSession::StartArtLoad(const ArtJob& job) {
  CancelArtLoad();
  if (!session_) return;
  auto cancel = std::make_shared<ArtCancel>();
  art_cancel_ = cancel;
  std::thread([session = session_, job, cancel, &state = state_, notify = notify_island_] {
    const MultithreadedApartment apartment;
    ThumbnailSource source(session);
    const auto start = std::chrono::steady_clock::now();
    const auto wait_until = [&](int ms_after_start) {
      std::unique_lock lock(cancel->mutex);
      return !cancel->changed.wait_until(lock, start + std::chrono::milliseconds(ms_after_start),
                                         [&] { return cancel->cancelled; });
    };
    auto art = LoadArt(source, job, wait_until);
    if (!art) return;
    bool cancelled = false;
    {
      std::lock_guard lock(cancel->mutex);
      cancelled = cancel->cancelled;
    }
    if (PublishArt(state, job, std::move(*art), cancelled)) notify();
  }).detach();
}

}  // namespace notch
