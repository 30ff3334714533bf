#pragma once
// A scripted WLAN: interfaces with their network lists or errors, scan and
// connect answers, and a virtual clock that the waits advance.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "system/wlan_source.h"

namespace notch::wifi::testing {

inline InterfaceId Interface(std::uint8_t n) {
  InterfaceId id{};
  id[0] = n;
  return id;
}

inline AvailableEntry Entry(std::string_view ssid, std::uint32_t signal, std::uint32_t auth = kAuthRsnaPsk,
                            std::uint32_t cipher = kCipherCcmp) {
  AvailableEntry entry;
  entry.ssid = Ssid::From(ssid);
  entry.ssid.length = static_cast<std::uint32_t>(ssid.size());
  entry.signal = signal;
  entry.auth_algorithm = auth;
  entry.cipher_algorithm = cipher;
  entry.security_enabled = !(auth == kAuthOpen && cipher == kCipherNone);
  entry.connectable = true;
  return entry;
}

struct FakeWlan final : WlanApi {
  // Scripted answers.
  bool open_fails = false;
  std::uint32_t enum_error = 0;
  std::vector<InterfaceId> interfaces;
  std::map<InterfaceId, WlanAnswer<std::vector<AvailableEntry>>> networks;
  std::map<InterfaceId, std::uint32_t> scan_errors;
  bool watch_fails = false;
  // Wait call number (1-based) at which the event fires; 0 never.
  int event_on_wait = 0;
  std::uint32_t connect_error = 0;
  std::uint32_t save_error = 0;
  // Called before each poll's connection query, with the poll number (1-based).
  std::function<void(int, ConnectWatch*)> on_poll;
  std::optional<CurrentConnection> connection;
  int connected_after_polls = -1;  // -1: never

  // What happened.
  int opened = 0;
  int closed = 0;
  std::vector<InterfaceId> scanned;
  std::vector<InterfaceId> listed;
  int waits = 0;
  int sleeps = 0;
  int elapsed_ms = 0;
  int polls = 0;
  int watching = 0;
  std::vector<ConnectRequest> connects;
  std::vector<std::wstring> saved;
  std::atomic<bool>* cancel_on_scan = nullptr;

  class Session final : public WlanSession {
   public:
    explicit Session(FakeWlan& wlan) : wlan_(wlan) {}
    ~Session() override { ++wlan_.closed; }

    WlanAnswer<std::vector<InterfaceId>> EnumInterfaces() override { return {wlan_.enum_error, wlan_.interfaces}; }
    WlanAnswer<std::vector<AvailableEntry>> AvailableNetworks(const InterfaceId& id) override {
      wlan_.listed.push_back(id);
      const auto found = wlan_.networks.find(id);
      return found == wlan_.networks.end() ? WlanAnswer<std::vector<AvailableEntry>>{} : found->second;
    }
    std::uint32_t Scan(const InterfaceId& id) override {
      wlan_.scanned.push_back(id);
      if (wlan_.cancel_on_scan != nullptr) *wlan_.cancel_on_scan = true;
      const auto found = wlan_.scan_errors.find(id);
      return found == wlan_.scan_errors.end() ? 0 : found->second;
    }
    bool WatchScans() override { return Watch(nullptr); }
    bool WatchConnection(ConnectWatch& watch) override { return Watch(&watch); }
    void StopWatching() override {
      if (watch_active_) --wlan_.watching;
      watch_active_ = false;
    }
    bool WaitForEvent(int ms) override {
      ++wlan_.waits;
      wlan_.elapsed_ms += ms;
      return wlan_.waits == wlan_.event_on_wait;
    }
    void Sleep(int ms) override {
      ++wlan_.sleeps;
      wlan_.elapsed_ms += ms;
    }
    std::uint32_t Connect(const ConnectRequest& request) override {
      wlan_.connects.push_back(request);
      return wlan_.connect_error;
    }
    std::optional<CurrentConnection> QueryConnection(const InterfaceId&) override {
      ++wlan_.polls;
      if (wlan_.on_poll) wlan_.on_poll(wlan_.polls, watch_);
      if (wlan_.connected_after_polls >= 0 && wlan_.polls > wlan_.connected_after_polls) return wlan_.connection;
      return std::nullopt;
    }
    std::uint32_t SaveTemporaryProfile(const InterfaceId&, const std::wstring& name) override {
      wlan_.saved.push_back(name);
      return wlan_.save_error;
    }

   private:
    bool Watch(ConnectWatch* watch) {
      if (wlan_.watch_fails) return false;
      watch_ = watch;
      watch_active_ = true;
      ++wlan_.watching;
      return true;
    }
    FakeWlan& wlan_;
    ConnectWatch* watch_ = nullptr;
    bool watch_active_ = false;
  };

  std::unique_ptr<WlanSession> Open() override {
    if (open_fails) return nullptr;
    ++opened;
    return std::make_unique<Session>(*this);
  }
};

}  // namespace notch::wifi::testing
