// The tour build's definitions of the program's outside sources: a media
// session that plays the tour's tracks once the driver signals, a
// notification list the driver adds to, the lyrics services played on
// loopback (NOTCH_LYRICS_SERVICES) in place of the real ones, an output
// device whose volume the driver turns, and a battery the driver charges.
#include <windows.h>

#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "activities/media_requests.h"
#include "common/app_messages.h"
#include "common/clock.h"
#include "common/debug_log.h"
#include "host/system_sources_win.h"
#include "lyrics/http_transport_winhttp_win.h"
#include "tour-sources/tour_media_player.h"
#include "tour-sources/tour_notices.h"
#include "tour-sources/tour_power.h"
#include "tour-sources/tour_triggers_win.h"
#include "tour-sources/tour_volume.h"
#include "win/loopback_services_transport.h"
#include "win/lyrics_services_server.h"
#include "win/trusted_root_certificate.h"

namespace notch {
namespace {

class Handle {
 public:
  explicit Handle(HANDLE handle = nullptr) : handle_(handle) {}
  ~Handle() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

// A slot of shared memory the driver writes, zeroed until it does. Read as a
// copy: the driver may write again while it is read.
template <typename Slot>
class SharedSlot {
 public:
  explicit SharedSlot(const wchar_t* name)
      : mapping_(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Slot), name)) {}
  bool valid() const { return mapping_.get() != nullptr; }
  std::optional<Slot> Read() const {
    const void* view =
        mapping_.get() != nullptr ? MapViewOfFile(mapping_.get(), FILE_MAP_READ, 0, 0, sizeof(Slot)) : nullptr;
    if (view == nullptr) return std::nullopt;
    Slot slot;
    CopyMemory(&slot, view, sizeof slot);
    UnmapViewOfFile(view);
    return slot;
  }

 private:
  Handle mapping_;
};

// The session: the player under a mutex, read by the media thread and moved
// on by a watcher thread that waits for the driver's signals (play the first
// track from its start; pause) and for the end of each track (so the card
// follows the next one without a poll).
class TourMediaSession final : public MediaSessionPort {
 public:
  TourMediaSession(MediaState& state, std::function<void()> notify_island)
      : state_(state),
        notify_island_(std::move(notify_island)),
        play_(CreateEventW(nullptr, FALSE, FALSE, tour::kMediaPlayEventName)),
        pause_(CreateEventW(nullptr, FALSE, FALSE, tour::kMediaPauseEventName)),
        changed_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    if (play_.get() == nullptr || pause_.get() == nullptr) DebugLog(L"tour: no media events (%lu)", GetLastError());
  }
  ~TourMediaSession() override {
    if (watcher_.joinable()) {
      {
        std::lock_guard lock(mutex_);
        stopping_ = true;
      }
      SetEvent(changed_.get());
      watcher_.join();
    }
  }
  TourMediaSession(const TourMediaSession&) = delete;
  TourMediaSession& operator=(const TourMediaSession&) = delete;

  bool Connect() override {
    if (play_.get() == nullptr || pause_.get() == nullptr || changed_.get() == nullptr) return false;
    watcher_ = std::thread([this] { Watch(); });
    return true;
  }
  bool SwitchToCurrentSession() override { return true; }
  bool HasSession() const override {
    std::lock_guard lock(mutex_);
    return player_.started();
  }
  void Execute(const MediaCommand& command, double) override {
    {
      std::lock_guard lock(mutex_);
      player_.Execute(command, Now());
    }
    SetEvent(changed_.get());  // the track's end moved
  }
  SessionReading Read() override {
    std::lock_guard lock(mutex_);
    return player_.Read(Now());
  }
  void StartArtLoad(const ArtJob& job) override {
    std::optional<DecodedArt> art;
    {
      std::lock_guard lock(mutex_);
      if (const auto index = player_.IndexOf(job.track)) art = tour::TourArt(player_.track(*index));
    }
    if (art && PublishArt(state_, job, std::move(*art), false)) notify_island_();
  }
  void CancelArtLoad() override {}

 private:
  static double Now() { return SystemClock().NowMs(); }

  void Watch() {
    for (;;) {
      DWORD wait = INFINITE;
      {
        std::lock_guard lock(mutex_);
        if (stopping_) return;
        if (const auto left = player_.MsUntilTrackEnd(Now())) wait = static_cast<DWORD>(*left) + 1;
      }
      const HANDLE events[] = {play_.get(), pause_.get(), changed_.get()};
      const DWORD woke = WaitForMultipleObjects(3, events, FALSE, wait);
      if (woke == WAIT_OBJECT_0 || woke == WAIT_OBJECT_0 + 1) {
        const bool play = woke == WAIT_OBJECT_0;
        bool appeared = false;
        std::wstring title;
        {
          std::lock_guard lock(mutex_);
          appeared = play && !player_.started();
          if (play) {
            player_.PlayFromStart(Now());
          } else {
            player_.Pause(Now());
          }
          title = player_.track(player_.track_index()).identity.title;
        }
        DebugLog(L"tour: %ls \"%ls\"", play ? L"plays" : L"pauses", title.c_str());
        // A session appears with the first play; a restart is the same
        // track moving, which keeps its lyrics and the card's lyrics view.
        WakeMediaThread(state_, appeared, appeared);
      } else if (woke == WAIT_TIMEOUT) {
        WakeMediaThread(state_, false, false);  // the next track began
      } else if (woke != WAIT_OBJECT_0 + 2) {
        return;
      }
    }
  }

  MediaState& state_;
  std::function<void()> notify_island_;
  Handle play_;
  Handle pause_;
  Handle changed_;
  mutable std::mutex mutex_;
  tour::TourMediaPlayer player_{tour::TourTracks()};
  bool stopping_ = false;
  std::thread watcher_;
};

// The notification list: each signal of the notice event adds the slot's
// notice, read when the listener polls.
class TourNotificationSource final : public NotificationSource {
 public:
  TourNotificationSource()
      : event_(CreateEventW(nullptr, FALSE, FALSE, tour::kNoticeEventName)), slot_(tour::kNoticeSlotName) {
    if (event_.get() == nullptr || !slot_.valid()) {
      throw NotificationSourceError(L"tour: no notice slot");
    }
  }

  NotificationAccess AccessStatus() override { return NotificationAccess::Allowed; }
  NotificationAccess RequestAccess() override { return NotificationAccess::Allowed; }
  std::vector<ToastEntry> CurrentToasts() override {
    if (WaitForSingleObject(event_.get(), 0) == WAIT_OBJECT_0) {
      if (const auto slot = slot_.Read()) toasts_.Add(tour::ReadNoticeSlot(*slot));
    }
    return toasts_.Entries();
  }
  ToastContent Content(std::size_t index) override { return toasts_.Content(index); }

 private:
  Handle event_;
  SharedSlot<tour::TourNoticeSlot> slot_;
  tour::TourToastList toasts_;
};

// The output device: each signal of the volume event applies the driver's
// slot and, when that moved the level or the mute state, posts the host the
// change as Core Audio's callback does.
class TourAudioSource final : public AudioEndpoints {
 public:
  explicit TourAudioSource(HWND host)
      : host_(host), event_(CreateEventW(nullptr, FALSE, FALSE, tour::kVolumeEventName)), slot_(tour::kVolumeSlotName) {
    if (event_.get() == nullptr || !slot_.valid() ||
        !RegisterWaitForSingleObject(&wait_, event_.get(), OnDriverChange, this, INFINITE, WT_EXECUTEDEFAULT)) {
      DebugLog(L"tour: no volume slot (%lu)", GetLastError());
      wait_ = nullptr;
    }
  }
  ~TourAudioSource() override {
    if (wait_ != nullptr) UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);  // and lets a running callback end
  }
  TourAudioSource(const TourAudioSource&) = delete;
  TourAudioSource& operator=(const TourAudioSource&) = delete;

  std::unique_ptr<AudioDevice> DefaultOutput() override { return endpoints_.DefaultOutput(); }
  bool RegisterDeviceCallback() override { return endpoints_.RegisterDeviceCallback(); }
  void UnregisterDeviceCallback() override { endpoints_.UnregisterDeviceCallback(); }

 private:
  static void CALLBACK OnDriverChange(void* context, BOOLEAN) {
    auto* self = static_cast<TourAudioSource*>(context);
    const auto slot = self->slot_.Read();
    if (slot && self->output_.Apply(*slot)) PostMessageW(self->host_, host_message::kVolumeChanged, 0, 0);
  }

  const HWND host_;
  Handle event_;
  SharedSlot<tour::TourVolumeSlot> slot_;
  tour::TourOutput output_;
  tour::TourAudioEndpoints endpoints_{output_};
  HANDLE wait_ = nullptr;
};

// Answers nothing: without the loopback services the tour sends no request
// to the real ones.
class NoTransport final : public HttpTransport {
 public:
  std::unique_ptr<HttpResponse> Send(const HttpRequest&) override { return nullptr; }
};

class LoopbackTransport final : public HttpTransport {
 public:
  LoopbackTransport(const std::string& authority, std::uint16_t port) : trust_(authority), loopback_(winhttp_, port) {}
  bool trusted() const { return trust_.trusted(); }
  std::unique_ptr<HttpResponse> Send(const HttpRequest& request) override { return loopback_.Send(request); }

 private:
  // Trusted before the first request: the chain engine reads the roots once.
  testing::TrustedRootCertificate trust_;
  WinHttpTransport winhttp_;
  testing::LoopbackServicesTransport loopback_;
};

}  // namespace

std::unique_ptr<MediaSessionPort> CreateMediaSession(MediaState& state, std::function<void()> notify_island) {
  return std::make_unique<TourMediaSession>(state, std::move(notify_island));
}

std::unique_ptr<NotificationSource> CreateNotificationSource() { return std::make_unique<TourNotificationSource>(); }

std::unique_ptr<HttpTransport> CreateLyricsTransport() {
  const auto folder = testing::LyricsServicesFolder();
  const auto server = folder ? testing::ReadLyricsServicesServer(*folder) : std::nullopt;
  if (!server) {
    DebugLog(L"tour: no lyrics services (NOTCH_LYRICS_SERVICES); no lyrics");
    return std::make_unique<NoTransport>();
  }
  auto transport = std::make_unique<LoopbackTransport>(server->authority, server->port);
  if (!transport->trusted()) DebugLog(L"tour: the lyrics services' authority is not trusted");
  DebugLog(L"tour: lyrics services on port %u", static_cast<unsigned>(server->port));
  return transport;
}

std::unique_ptr<AudioEndpoints> CreateAudioEndpoints(HWND host) { return std::make_unique<TourAudioSource>(host); }

std::optional<PowerReading> ReadSystemPowerStatus() {
  // Made by the first read (the island's, at start) and kept for the driver.
  static const SharedSlot<tour::TourPowerSlot> slot(tour::kPowerSlotName);
  return tour::ReadPowerSlot(slot.Read().value_or(tour::TourPowerSlot{}));
}

}  // namespace notch
