#include "activities/privacy_watcher_win.h"

#include <array>
#include <optional>
#include <vector>

#include "activities/privacy_watch.h"
#include "common/app_messages.h"
#include "host/host_links_win.h"

namespace notch {
namespace {

// Subkey names are at most 255 characters; the buffer leaves room.
constexpr DWORD kSubkeyNameChars = 512;

class RegistryConsentStore final : public ConsentStore {
 public:
  explicit RegistryConsentStore(HKEY key) : key_(key) {}

  std::vector<std::wstring> Subkeys(const std::wstring& path) const override {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(key_, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    std::vector<wchar_t> name(kSubkeyNameChars + 1);
    for (DWORD index = 0;; ++index) {
      DWORD length = kSubkeyNameChars + 1;
      const LSTATUS status = RegEnumKeyExW(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
      if (status == ERROR_MORE_DATA) continue;  // a name too long for the buffer
      if (status != ERROR_SUCCESS) break;
      names.emplace_back(name.data(), length);
    }
    RegCloseKey(key);
    return names;
  }

  std::optional<std::uint64_t> ReadTime(const std::wstring& path, const std::wstring& name) const override {
    std::uint64_t value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(key_, path.c_str(), name.c_str(), RRF_RT_QWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    return value;
  }

 private:
  HKEY key_;
};

class RegistryPrivacyPorts final : public PrivacyWatchPorts {
 public:
  RegistryPrivacyPorts(const std::wstring& store, std::function<HWND()> island) : island_(std::move(island)) {
    constexpr std::array<const wchar_t*, 2> kNames = {L"microphone", L"webcam"};
    for (std::size_t i = 0; i < kNames.size(); ++i) {
      const std::wstring path = store + kNames[i];
      if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ | KEY_NOTIFY, &keys_[i]) != ERROR_SUCCESS) {
        keys_[i] = nullptr;
        continue;
      }
      stores_[i].emplace(keys_[i]);
      events_[i] = CreateEventW(nullptr, FALSE, FALSE, nullptr);
      if (events_[i] != nullptr) waits_.push_back(events_[i]);
    }
  }
  ~RegistryPrivacyPorts() override {
    for (std::size_t i = 0; i < keys_.size(); ++i) {
      if (events_[i] != nullptr) CloseHandle(events_[i]);
      if (keys_[i] != nullptr) RegCloseKey(keys_[i]);
    }
  }
  RegistryPrivacyPorts(const RegistryPrivacyPorts&) = delete;
  RegistryPrivacyPorts& operator=(const RegistryPrivacyPorts&) = delete;

  const ConsentStore* Store(Capability capability) override {
    const auto& store = stores_[Index(capability)];
    return store ? &*store : nullptr;
  }
  void Arm(Capability capability) override {
    const std::size_t i = Index(capability);
    if (keys_[i] == nullptr || events_[i] == nullptr) return;
    RegNotifyChangeKeyValue(keys_[i], TRUE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET, events_[i], TRUE);
  }
  bool Post(std::uint32_t state) override {
    const HWND window = island_();
    return window != nullptr && PostMessageW(window, island_message::kPrivacy, state, 0) != 0;
  }
  bool WaitForChange() override {
    if (waits_.empty()) return false;
    if (WaitForMultipleObjects(static_cast<DWORD>(waits_.size()), waits_.data(), FALSE, INFINITE) == WAIT_FAILED) {
      return false;
    }
    Sleep(kPrivacySettleMs);
    return true;
  }

 private:
  static std::size_t Index(Capability capability) { return capability == Capability::Microphone ? 0 : 1; }

  std::function<HWND()> island_;
  std::array<HKEY, 2> keys_{};
  std::array<HANDLE, 2> events_{};
  std::array<std::optional<RegistryConsentStore>, 2> stores_;
  std::vector<HANDLE> waits_;
};

}  // namespace

void WatchConsentStore(const std::wstring& store, std::function<HWND()> island) {
  RegistryPrivacyPorts ports(store, std::move(island));
  WatchPrivacy(ports);
}

void PrivacyWatcher() { WatchConsentStore(kConsentStoreKey, links::IslandWindow); }

}  // namespace notch
