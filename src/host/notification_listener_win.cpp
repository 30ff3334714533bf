#include "host/notification_listener_win.h"

#include <memory>
#include <thread>

#include "common/app_messages.h"
#include "common/debug_log.h"
#include "host/host_links_win.h"
#include "host/system_sources_win.h"
#include "winrt/activation_win.h"
#include "winrt/await_win.h"
#include "winrt/hstring_win.h"

namespace notch {
namespace {

using Microsoft::WRL::ComPtr;
using namespace winrt;

void Check(HRESULT result) {
  if (FAILED(result)) throw NotificationSourceError(ErrorMessage(result));
}

NotificationAccess AccessOf(UserNotificationListenerAccessStatus status) {
  switch (status) {
    case UserNotificationListenerAccessStatus_Allowed:
      return NotificationAccess::Allowed;
    case UserNotificationListenerAccessStatus_Denied:
      return NotificationAccess::Denied;
    default:
      return NotificationAccess::Unspecified;
  }
}

// The display name, empty when the application's info does not give one.
std::wstring DisplayNameOf(IAppInfo* info) {
  ComPtr<IAppDisplayInfo> display;
  HString name;
  if (FAILED(info->get_DisplayInfo(&display)) || display == nullptr || FAILED(display->get_DisplayName(name.Put()))) {
    return {};
  }
  return name.ToWide();
}

std::vector<std::wstring> GenericTextsOf(IUserNotification* toast) {
  ComPtr<INotification> notification;
  Check(toast->get_Notification(&notification));
  if (notification == nullptr) return {};
  ComPtr<INotificationVisual> visual;
  Check(notification->get_Visual(&visual));
  if (visual == nullptr) return {};
  HString template_name;
  Check(template_name.Set(kToastGenericBinding));
  ComPtr<INotificationBinding> binding;
  Check(visual->GetBinding(template_name.Get(), &binding));
  if (binding == nullptr) return {};
  ComPtr<AdaptiveNotificationTextList> elements;
  Check(binding->GetTextElements(&elements));
  if (elements == nullptr) return {};
  UINT32 size = 0;
  Check(elements->get_Size(&size));
  std::vector<std::wstring> texts;
  for (UINT32 i = 0; i < size; ++i) {
    ComPtr<IAdaptiveNotificationText> element;
    Check(elements->GetAt(i, &element));
    HString text;
    if (element != nullptr) Check(element->get_Text(text.Put()));
    texts.push_back(text.ToWide());
  }
  return texts;
}

}  // namespace

std::wstring ErrorMessage(HRESULT result) {
  wchar_t* buffer = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring message(buffer != nullptr ? buffer : L"", length);
  if (buffer != nullptr) LocalFree(buffer);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ')) {
    message.pop_back();
  }
  if (message.empty()) {
    wchar_t number[16];
    swprintf(number, std::size(number), L"0x%08X", static_cast<unsigned>(result));
    message = number;
  }
  return message;
}

WindowsNotificationSource::WindowsNotificationSource() {
  ComPtr<IUserNotificationListenerStatics> statics;
  Check(GetActivationFactory(kUserNotificationListenerClass, statics));
  Check(statics->get_Current(&listener_));
  if (listener_ == nullptr) Check(E_POINTER);
}

NotificationAccess WindowsNotificationSource::AccessStatus() {
  UserNotificationListenerAccessStatus status = UserNotificationListenerAccessStatus_Unspecified;
  Check(listener_->GetAccessStatus(&status));
  return AccessOf(status);
}

NotificationAccess WindowsNotificationSource::RequestAccess() {
  ComPtr<AccessStatusRequest> request;
  Check(listener_->RequestAccessAsync(&request));
  UserNotificationListenerAccessStatus status = UserNotificationListenerAccessStatus_Unspecified;
  Check(Await(request.Get(), &status, INFINITE));  // the user answers in their own time
  return AccessOf(status);
}

std::vector<ToastEntry> WindowsNotificationSource::CurrentToasts() {
  ComPtr<UserNotificationsRequest> request;
  Check(listener_->GetNotificationsAsync(NotificationKinds_Toast, &request));
  ComPtr<UserNotificationList> list;
  Check(Await(request.Get(), list.GetAddressOf()));
  toasts_.clear();
  std::vector<ToastEntry> entries;
  UINT32 size = 0;
  if (list != nullptr) Check(list->get_Size(&size));
  for (UINT32 i = 0; i < size; ++i) {
    ComPtr<IUserNotification> toast;
    Check(list->GetAt(i, &toast));
    if (toast == nullptr) Check(E_POINTER);
    ToastEntry entry;
    DateTime created{};
    Check(toast->get_Id(&entry.id));
    Check(toast->get_CreationTime(&created));
    entry.creation_time = created.UniversalTime;
    entries.push_back(entry);
    toasts_.push_back(std::move(toast));
  }
  return entries;
}

ToastContent WindowsNotificationSource::Content(std::size_t index) {
  IUserNotification* toast = toasts_.at(index).Get();
  ToastContent content;
  ComPtr<IAppInfo> info;
  Check(toast->get_AppInfo(&info));
  if (info != nullptr) {
    content.app_name = DisplayNameOf(info.Get());
    HString id;
    // Without an id the card's click only dismisses it.
    if (SUCCEEDED(info->get_AppUserModelId(id.Put()))) content.app_user_model_id = id.ToWide();
  }
  content.texts = GenericTextsOf(toast);
  return content;
}

bool WindowsNotificationListenerHost::WindowExists() { return IsWindow(host_) != FALSE; }

bool WindowsNotificationListenerHost::Post(std::uintptr_t parameter) {
  return PostMessageW(host_, host_message::kNotification, 0, static_cast<LPARAM>(parameter)) != FALSE;
}

void WindowsNotificationListenerHost::WaitBetweenPolls() { Sleep(kNotificationPollMs); }

void RunNotificationListener(HWND host) {
  const MultithreadedApartment apartment;
  WindowsNotificationListenerHost receiver(host);
  try {
    Check(apartment.status());
    const std::unique_ptr<NotificationSource> source = CreateNotificationSource();
    NotificationListener(*source, receiver).Run();
  } catch (const NotificationSourceError& error) {
    DebugLog(L"notification listener: %ls", error.message().c_str());
  } catch (...) {
    DebugLog(L"notification listener stopped");
  }
}

namespace links {

void StartNotificationListener(HWND host) {
  try {
    std::thread([host] { RunNotificationListener(host); }).detach();
  } catch (...) {
    DebugLog(L"notification listener stopped");
  }
}

}  // namespace links
}  // namespace notch
