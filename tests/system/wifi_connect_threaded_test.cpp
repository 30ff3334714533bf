// The connect task's notification path across threads: the WLAN service's
// callback thread stores the reason code and signals the event while the
// task waits on it, as wlanapi does.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "system/fake_wlan.h"
#include "system/wifi_tasks.h"

namespace notch::wifi {
namespace {

// A session whose notifications come from a thread of their own and whose
// event is a real auto-reset event.
class NotifyingSession final : public WlanSession {
 public:
  explicit NotifyingSession(std::uint32_t reason) : reason_(reason) {}
  ~NotifyingSession() override { StopWatching(); }

  WlanAnswer<std::vector<InterfaceId>> EnumInterfaces() override { return {}; }
  WlanAnswer<std::vector<AvailableEntry>> AvailableNetworks(const InterfaceId&) override { return {}; }
  std::uint32_t Scan(const InterfaceId&) override { return 0; }
  bool WatchScans() override { return false; }
  bool WatchConnection(ConnectWatch& watch) override {
    watch_ = &watch;
    return true;
  }
  void StopWatching() override {
    if (notifier_.joinable()) notifier_.join();
  }
  bool WaitForEvent(int) override {
    std::unique_lock lock(mutex_);
    signalled_.wait(lock, [this] { return set_; });
    set_ = false;
    return true;
  }
  void Sleep(int) override {}
  std::uint32_t Connect(const ConnectRequest& request) override {
    // The service answers on its own thread: first a scan, then a connection
    // for another SSID, then the one for ours.
    notifier_ = std::thread([this, interface_id = request.interface_id, ssid = request.ssid] {
      const Ssid other = Ssid::From("Elsewhere");
      Notify(AcmEvent::ScanComplete, interface_id, nullptr);
      Notify(AcmEvent::ConnectionComplete, interface_id, &other);
      Notify(AcmEvent::ConnectionComplete, interface_id, &ssid);
    });
    return 0;
  }
  std::optional<CurrentConnection> QueryConnection(const InterfaceId&) override {
    ++polls;
    return std::nullopt;
  }
  std::uint32_t SaveTemporaryProfile(const InterfaceId&, const std::wstring&) override { return 0; }

  int polls = 0;

 private:
  void Notify(AcmEvent event, const InterfaceId& interface_id, const Ssid* ssid) {
    if (!OnConnectNotification(*watch_, event, interface_id, ssid, ssid == nullptr ? 0 : reason_)) return;
    std::lock_guard lock(mutex_);
    set_ = true;
    signalled_.notify_one();
  }

  std::uint32_t reason_;
  ConnectWatch* watch_ = nullptr;
  std::thread notifier_;
  std::mutex mutex_;
  std::condition_variable signalled_;
  bool set_ = false;
};

class NotifyingWlan final : public WlanApi {
 public:
  std::unique_ptr<WlanSession> Open() override { return std::make_unique<NotifyingSession>(0x48001); }
};

TEST(WifiConnectThreadedTest, AReasonCodeFromTheCallbackThreadEndsThePoll) {
  std::atomic<bool> cancel{false};
  NotifyingWlan wlan;
  Network network;
  network.interface_id = testing::Interface(3);
  network.ssid = Ssid::From("Home");
  network.name = L"Home";
  network.auth_algorithm = kAuthRsnaPsk;
  network.cipher_algorithm = kCipherCcmp;
  network.personal = true;
  network.connectable = true;
  EXPECT_EQ(ConnectNetwork(wlan, network, std::make_shared<Secret>(L"password1"), false, cancel),
            L"Could not connect. Check the password or try again.");
}

}  // namespace
}  // namespace notch::wifi
