#include "host/notification_listener.h"

#include "common/debug_log.h"

namespace notch {

NotificationBlock BuildNotificationBlock(const ToastContent& content) {
  NotificationBlock block;
  block.strings[NotificationBlock::kAppName] = content.app_name;
  block.strings[NotificationBlock::kAppUserModelId] = content.app_user_model_id;
  if (!content.texts.empty()) block.strings[NotificationBlock::kTitle] = content.texts.front();
  std::wstring& body = block.strings[NotificationBlock::kBody];
  for (std::size_t i = 1; i < content.texts.size(); ++i) {
    if (i > 1) body += L' ';
    body += content.texts[i];
  }
  return block;
}

std::ptrdiff_t NewestUnseenToast(const std::vector<ToastEntry>& toasts, const std::unordered_set<std::uint32_t>& seen) {
  std::ptrdiff_t newest = -1;
  for (std::size_t i = 0; i < toasts.size(); ++i) {
    if (seen.count(toasts[i].id) != 0) continue;
    if (newest < 0 || toasts[i].creation_time > toasts[static_cast<std::size_t>(newest)].creation_time) {
      newest = static_cast<std::ptrdiff_t>(i);
    }
  }
  return newest;
}

bool NotificationListener::AccessAllowed() {
  NotificationAccess access = source_.AccessStatus();
  if (access == NotificationAccess::Unspecified) access = source_.RequestAccess();
  return access == NotificationAccess::Allowed;
}

bool NotificationListener::Poll() {
  const std::vector<ToastEntry> toasts = source_.CurrentToasts();
  std::unordered_set<std::uint32_t> current;
  for (const ToastEntry& toast : toasts) current.insert(toast.id);
  // Toasts already listed at start-up are never shown.
  const std::ptrdiff_t candidate = first_poll_ ? -1 : NewestUnseenToast(toasts, seen_);
  first_poll_ = false;
  seen_ = std::move(current);
  if (candidate < 0) return false;

  auto block =
      std::make_unique<NotificationBlock>(BuildNotificationBlock(source_.Content(static_cast<std::size_t>(candidate))));
  return PostHandOff(hand_off_, std::move(block), [this](std::uintptr_t parameter) { return host_.Post(parameter); });
}

void NotificationListener::Run() {
  try {
    if (!AccessAllowed()) return;
    while (host_.WindowExists()) {
      Poll();
      host_.WaitBetweenPolls();
    }
  } catch (const NotificationSourceError& error) {
    DebugLog(L"notification listener: %ls", error.message().c_str());
  } catch (...) {
    DebugLog(L"notification listener stopped");
  }
}

std::function<void()> NotificationClickAction(const std::wstring& app_user_model_id,
                                              std::function<void(const std::wstring& target)> open) {
  if (app_user_model_id.empty()) return [] {};
  return [target = L"shell:AppsFolder\\" + app_user_model_id, open = std::move(open)] { open(target); };
}

}  // namespace notch
