#pragma once
// The media session through the Windows Runtime's system media transport
// controls.
#include <windows.h>

#include <wrl/client.h>

#include <memory>

#include "activities/media_session.h"
#include "activities/media_state.h"
#include "winrt/media_control_win.h"

namespace notch {

class WinRtMediaSession final : public MediaSessionPort {
 public:
  // `notify_island` tells the island that new art was published.
  WinRtMediaSession(MediaState& state, std::function<void()> notify_island)
      : state_(state), notify_island_(std::move(notify_island)) {}
  ~WinRtMediaSession() override;
  WinRtMediaSession(const WinRtMediaSession&) = delete;
  WinRtMediaSession& operator=(const WinRtMediaSession&) = delete;

  bool Connect() override;
  bool SwitchToCurrentSession() override;
  bool HasSession() const override { return session_ != nullptr; }
  void Execute(const MediaCommand& command, double timeline_start_s) override;
  SessionReading Read() override;
  void StartArtLoad(const ArtJob& job) override;
  void CancelArtLoad() override;

 private:
  void LeaveSession();

  MediaState& state_;
  std::function<void()> notify_island_;
  Microsoft::WRL::ComPtr<winrt::IGlobalSystemMediaTransportControlsSessionManager> manager_;
  Microsoft::WRL::ComPtr<winrt::IGlobalSystemMediaTransportControlsSession> session_;
  EventRegistrationToken session_changed_{};
  EventRegistrationToken properties_changed_{};
  EventRegistrationToken playback_changed_{};
  EventRegistrationToken timeline_changed_{};

  struct ArtCancel;
  std::shared_ptr<ArtCancel> art_cancel_;
};

}  // namespace notch
