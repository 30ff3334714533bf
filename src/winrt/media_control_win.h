#pragma once
// Our declarations of Windows.Media.Control, the system media transport
// controls, which the MinGW-w64 headers lack. Each interface lists its slots in
// ABI (vtable) order after IInspectable's; members the program never calls keep
// their slot under their real name, with void* for the types we do not declare.
#include <windows.h>

#include <string_view>

#include "winrt/foundation_win.h"
#include "winrt/guid_win.h"
#include "winrt/storage_streams_win.h"

namespace notch::winrt {

struct IGlobalSystemMediaTransportControlsSessionManager;
struct IGlobalSystemMediaTransportControlsSession;
struct IGlobalSystemMediaTransportControlsSessionMediaProperties;

// The runtime classes that appear as type arguments (see type_signature_win.h).

struct GlobalSystemMediaTransportControlsSessionManager {
  static constexpr std::wstring_view kName = L"Windows.Media.Control.GlobalSystemMediaTransportControlsSessionManager";
  using DefaultInterface = IGlobalSystemMediaTransportControlsSessionManager;
};

struct GlobalSystemMediaTransportControlsSession {
  static constexpr std::wstring_view kName = L"Windows.Media.Control.GlobalSystemMediaTransportControlsSession";
  using DefaultInterface = IGlobalSystemMediaTransportControlsSession;
};

struct GlobalSystemMediaTransportControlsSessionMediaProperties {
  static constexpr std::wstring_view kName =
      L"Windows.Media.Control.GlobalSystemMediaTransportControlsSessionMediaProperties";
  using DefaultInterface = IGlobalSystemMediaTransportControlsSessionMediaProperties;
};

struct ICurrentSessionChangedEventArgs : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("6969cb39-0bfa-5fe0-8d73-09cc5e5408e1"); }
};
struct CurrentSessionChangedEventArgs {
  static constexpr std::wstring_view kName = L"Windows.Media.Control.CurrentSessionChangedEventArgs";
  using DefaultInterface = ICurrentSessionChangedEventArgs;
};

struct IMediaPropertiesChangedEventArgs : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("7d3741cb-adf0-5cef-91ba-cfabcdd77678"); }
};
struct MediaPropertiesChangedEventArgs {
  static constexpr std::wstring_view kName = L"Windows.Media.Control.MediaPropertiesChangedEventArgs";
  using DefaultInterface = IMediaPropertiesChangedEventArgs;
};

struct IPlaybackInfoChangedEventArgs : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("786756c2-bc0d-50a5-8807-054291fef139"); }
};
struct PlaybackInfoChangedEventArgs {
  static constexpr std::wstring_view kName = L"Windows.Media.Control.PlaybackInfoChangedEventArgs";
  using DefaultInterface = IPlaybackInfoChangedEventArgs;
};

struct ITimelinePropertiesChangedEventArgs : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("29033a2f-c923-5a77-bcaf-055ff415ad32"); }
};
struct TimelinePropertiesChangedEventArgs {
  static constexpr std::wstring_view kName = L"Windows.Media.Control.TimelinePropertiesChangedEventArgs";
  using DefaultInterface = ITimelinePropertiesChangedEventArgs;
};

// The generic instances the media session uses.
using SessionManagerRequest = IAsyncOperation<GlobalSystemMediaTransportControlsSessionManager>;
using MediaPropertiesRequest = IAsyncOperation<GlobalSystemMediaTransportControlsSessionMediaProperties>;
using CommandRequest = IAsyncOperation<bool>;
using CurrentSessionChangedHandler =
    ITypedEventHandler<GlobalSystemMediaTransportControlsSessionManager, CurrentSessionChangedEventArgs>;
using MediaPropertiesChangedHandler =
    ITypedEventHandler<GlobalSystemMediaTransportControlsSession, MediaPropertiesChangedEventArgs>;
using PlaybackInfoChangedHandler =
    ITypedEventHandler<GlobalSystemMediaTransportControlsSession, PlaybackInfoChangedEventArgs>;
using TimelinePropertiesChangedHandler =
    ITypedEventHandler<GlobalSystemMediaTransportControlsSession, TimelinePropertiesChangedEventArgs>;

enum GlobalSystemMediaTransportControlsSessionPlaybackStatus : INT32 {
  GlobalSystemMediaTransportControlsSessionPlaybackStatus_Closed = 0,
  GlobalSystemMediaTransportControlsSessionPlaybackStatus_Opened = 1,
  GlobalSystemMediaTransportControlsSessionPlaybackStatus_Changing = 2,
  GlobalSystemMediaTransportControlsSessionPlaybackStatus_Stopped = 3,
  GlobalSystemMediaTransportControlsSessionPlaybackStatus_Playing = 4,
  GlobalSystemMediaTransportControlsSessionPlaybackStatus_Paused = 5,
};

// The statics of GlobalSystemMediaTransportControlsSessionManager.
struct IGlobalSystemMediaTransportControlsSessionManagerStatics : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("2050c4ee-11a0-57de-aed7-c97c70338245"); }

  virtual HRESULT STDMETHODCALLTYPE RequestAsync(SessionManagerRequest** operation) = 0;
};

struct IGlobalSystemMediaTransportControlsSessionManager : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("cace8eac-e86e-504a-ab31-5ff8ff1bce49"); }

  // Null (with S_OK) when no application plays anything.
  virtual HRESULT STDMETHODCALLTYPE GetCurrentSession(IGlobalSystemMediaTransportControlsSession** result) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetSessions(void** result) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_CurrentSessionChanged(CurrentSessionChangedHandler* handler,
                                                              EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_CurrentSessionChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_SessionsChanged(void* handler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_SessionsChanged(EventRegistrationToken token) = 0;
};

struct IGlobalSystemMediaTransportControlsSessionTimelineProperties : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("ede34136-6f25-588d-8ecf-ea5b6735aaa5"); }

  virtual HRESULT STDMETHODCALLTYPE get_StartTime(TimeSpan* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_EndTime(TimeSpan* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MinSeekTime(TimeSpan* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MaxSeekTime(TimeSpan* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Position(TimeSpan* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_LastUpdatedTime(DateTime* value) = 0;
};

struct IGlobalSystemMediaTransportControlsSessionPlaybackControls : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("6501a3e6-bc7a-503a-bb1b-68f158f3fb03"); }

  virtual HRESULT STDMETHODCALLTYPE get_IsPlayEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsPauseEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsStopEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsRecordEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsFastForwardEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsRewindEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsNextEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsPreviousEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsChannelUpEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsChannelDownEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsPlayPauseToggleEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsShuffleEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsRepeatEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsPlaybackRateEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsPlaybackPositionEnabled(boolean* value) = 0;
};

struct IGlobalSystemMediaTransportControlsSessionPlaybackInfo : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("94b4b6cf-e8ba-51ad-87a7-c10ade106127"); }

  virtual HRESULT STDMETHODCALLTYPE
  get_Controls(IGlobalSystemMediaTransportControlsSessionPlaybackControls** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  get_PlaybackStatus(GlobalSystemMediaTransportControlsSessionPlaybackStatus* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_PlaybackType(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AutoRepeatMode(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_PlaybackRate(void** value) = 0;
  // Null when the application does not say.
  virtual HRESULT STDMETHODCALLTYPE get_IsShuffleActive(IReference<bool>** value) = 0;
};

struct IGlobalSystemMediaTransportControlsSessionMediaProperties : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("68856cf6-adb4-54b2-ac16-05837907acb6"); }

  virtual HRESULT STDMETHODCALLTYPE get_Title(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Subtitle(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AlbumArtist(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Artist(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AlbumTitle(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_TrackNumber(INT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Genres(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AlbumTrackCount(INT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_PlaybackType(void** value) = 0;
  // Null when the application gives no art.
  virtual HRESULT STDMETHODCALLTYPE get_Thumbnail(IRandomAccessStreamReference** value) = 0;
};

struct IGlobalSystemMediaTransportControlsSession : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("7148c835-9b14-5ae2-ab85-dc9b1c14e1a8"); }

  virtual HRESULT STDMETHODCALLTYPE get_SourceAppUserModelId(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE TryGetMediaPropertiesAsync(MediaPropertiesRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  GetTimelineProperties(IGlobalSystemMediaTransportControlsSessionTimelineProperties** result) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  GetPlaybackInfo(IGlobalSystemMediaTransportControlsSessionPlaybackInfo** result) = 0;
  virtual HRESULT STDMETHODCALLTYPE TryPlayAsync(void** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE TryPauseAsync(void** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE TryStopAsync(void** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE TryRecordAsync(void** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE TryFastForwardAsync(void** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE TryRewindAsync(void** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE TrySkipNextAsync(CommandRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE TrySkipPreviousAsync(CommandRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE TryChangeChannelUpAsync(void** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE TryChangeChannelDownAsync(void** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE TryTogglePlayPauseAsync(CommandRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE TryChangeAutoRepeatModeAsync(INT32 requested_mode, void** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE TryChangePlaybackRateAsync(DOUBLE requested_rate, void** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE TryChangeShuffleActiveAsync(boolean requested_state,
                                                                CommandRequest** operation) = 0;
  // In ticks on the scale the timeline's StartTime and Position use.
  virtual HRESULT STDMETHODCALLTYPE TryChangePlaybackPositionAsync(INT64 requested_position_ticks,
                                                                   CommandRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_TimelinePropertiesChanged(TimelinePropertiesChangedHandler* handler,
                                                                  EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_TimelinePropertiesChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_PlaybackInfoChanged(PlaybackInfoChangedHandler* handler,
                                                            EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_PlaybackInfoChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_MediaPropertiesChanged(MediaPropertiesChangedHandler* handler,
                                                               EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_MediaPropertiesChanged(EventRegistrationToken token) = 0;
};

}  // namespace notch::winrt
