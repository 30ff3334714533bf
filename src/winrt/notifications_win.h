#pragma once
// Our declarations of the notification listener's Windows Runtime types
// (Windows.UI.Notifications.Management, the parts of Windows.UI.Notifications
// and Windows.ApplicationModel it reaches), which the MinGW-w64 headers lack.
// Each interface lists its slots in ABI (vtable) order after IInspectable's;
// members the program never calls keep their slot under their real name, with
// void* for the types we do not declare.
#include <windows.h>

#include <string_view>

#include "winrt/collections_win.h"
#include "winrt/foundation_win.h"
#include "winrt/guid_win.h"

namespace notch::winrt {

struct IUserNotificationListener;
struct IUserNotification;
struct IAdaptiveNotificationText;

enum UserNotificationListenerAccessStatus : INT32 {
  UserNotificationListenerAccessStatus_Unspecified = 0,
  UserNotificationListenerAccessStatus_Allowed = 1,
  UserNotificationListenerAccessStatus_Denied = 2,
};

// Flags of Windows.UI.Notifications.NotificationKinds (an unsigned enumeration).
enum NotificationKinds : UINT32 {
  NotificationKinds_Unknown = 0,
  NotificationKinds_Toast = 1,
};

// The type arguments (see type_signature_win.h).

struct UserNotificationListenerAccessStatusType {
  static constexpr std::wstring_view kEnumName =
      L"Windows.UI.Notifications.Management.UserNotificationListenerAccessStatus";
  static constexpr std::string_view kUnderlyingSignature = "i4";
  using Value = UserNotificationListenerAccessStatus;
};

struct UserNotification {
  static constexpr std::wstring_view kName = L"Windows.UI.Notifications.UserNotification";
  using DefaultInterface = IUserNotification;
};

struct AdaptiveNotificationText {
  static constexpr std::wstring_view kName = L"Windows.UI.Notifications.AdaptiveNotificationText";
  using DefaultInterface = IAdaptiveNotificationText;
};

// The generic instances the listener uses.
using AccessStatusRequest = IAsyncOperation<UserNotificationListenerAccessStatusType>;
using UserNotificationList = IVectorView<UserNotification>;
using UserNotificationsRequest = IAsyncOperation<UserNotificationList>;
using AdaptiveNotificationTextList = IVectorView<AdaptiveNotificationText>;

// The template name of a toast's generic binding
// (KnownNotificationBindings.ToastGeneric).
inline constexpr std::wstring_view kToastGenericBinding = L"ToastGeneric";

struct IAppDisplayInfo : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("1aeb1103-e4d4-41aa-a4f6-c4a276e79eac"); }

  virtual HRESULT STDMETHODCALLTYPE get_DisplayName(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Description(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetLogo(UINT64 size, void** value) = 0;  // a Size (two floats) by value
};

struct IAppInfo : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("cf7f59b3-6a09-4de8-a6c0-5792d56880d1"); }

  virtual HRESULT STDMETHODCALLTYPE get_Id(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AppUserModelId(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DisplayInfo(IAppDisplayInfo** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_PackageFamilyName(HSTRING* value) = 0;
};

struct IAdaptiveNotificationText : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("46d4a3be-609a-4326-a40b-bfde872034a3"); }

  virtual HRESULT STDMETHODCALLTYPE get_Text(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Text(HSTRING value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Language(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Language(HSTRING value) = 0;
};

struct INotificationBinding : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("f29e4b85-0370-4ad3-b4ea-da9e35e7eabf"); }

  virtual HRESULT STDMETHODCALLTYPE get_Template(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Template(HSTRING value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Language(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Language(HSTRING value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Hints(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetTextElements(AdaptiveNotificationTextList** result) = 0;
};

struct INotificationVisual : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("68835b8e-aa56-4e11-86d3-5f9a6957bc5b"); }

  virtual HRESULT STDMETHODCALLTYPE get_Language(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Language(HSTRING value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Bindings(void** value) = 0;
  // Null (with S_OK) when the visual has no binding of that template.
  virtual HRESULT STDMETHODCALLTYPE GetBinding(HSTRING template_name, INotificationBinding** result) = 0;
};

struct INotification : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("108037fe-eb76-4f82-97bc-da07530a2e20"); }

  virtual HRESULT STDMETHODCALLTYPE get_ExpirationTime(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ExpirationTime(void* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Visual(INotificationVisual** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Visual(INotificationVisual* value) = 0;
};

struct IUserNotification : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("adf7e52f-4e53-42d5-9c33-eb5ea515b23e"); }

  virtual HRESULT STDMETHODCALLTYPE get_Notification(INotification** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AppInfo(IAppInfo** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Id(UINT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CreationTime(DateTime* value) = 0;
};

struct IUserNotificationListener : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("62553e41-8a06-4cef-8215-6033a5be4b03"); }

  virtual HRESULT STDMETHODCALLTYPE RequestAccessAsync(AccessStatusRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetAccessStatus(UserNotificationListenerAccessStatus* status) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_NotificationChanged(void* handler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_NotificationChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetNotificationsAsync(NotificationKinds kinds,
                                                          UserNotificationsRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetNotification(UINT32 notification_id, IUserNotification** result) = 0;
  virtual HRESULT STDMETHODCALLTYPE ClearNotifications() = 0;
  virtual HRESULT STDMETHODCALLTYPE RemoveNotification(UINT32 notification_id) = 0;
};

// The statics of UserNotificationListener.
struct IUserNotificationListenerStatics : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("ff6123cf-4386-4aa3-b73d-b804e5b63b23"); }

  virtual HRESULT STDMETHODCALLTYPE get_Current(IUserNotificationListener** value) = 0;
};

inline constexpr std::wstring_view kUserNotificationListenerClass =
    L"Windows.UI.Notifications.Management.UserNotificationListener";

}  // namespace notch::winrt
