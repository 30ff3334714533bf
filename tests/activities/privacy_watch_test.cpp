#include "activities/privacy_watch.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <set>

namespace notch {
namespace {

// A consent-store key as a map of key paths (relative, "\"-joined) to values.
class FakeConsentStore final : public ConsentStore {
 public:
  void SetTimes(const std::wstring& app, std::optional<std::uint64_t> start, std::optional<std::uint64_t> stop) {
    keys_.insert(app);
    for (std::size_t at = app.find(L'\\'); at != std::wstring::npos; at = app.find(L'\\', at + 1)) {
      keys_.insert(app.substr(0, at));
    }
    if (start) values_[{app, L"LastUsedTimeStart"}] = *start;
    if (stop) {
      values_[{app, L"LastUsedTimeStop"}] = *stop;
    } else {
      values_.erase({app, L"LastUsedTimeStop"});
    }
  }
  std::vector<std::wstring> Subkeys(const std::wstring& path) const override {
    std::vector<std::wstring> names;
    const std::wstring prefix = path.empty() ? path : path + L'\\';
    for (const std::wstring& key : keys_) {
      if (key.size() > prefix.size() && key.starts_with(prefix) &&
          key.find(L'\\', prefix.size()) == std::wstring::npos) {
        names.push_back(key.substr(prefix.size()));
      }
    }
    return names;
  }
  std::optional<std::uint64_t> ReadTime(const std::wstring& path, const std::wstring& name) const override {
    ++reads;
    const auto found = values_.find({path, name});
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }

  mutable int reads = 0;

 private:
  std::set<std::wstring> keys_;
  std::map<std::pair<std::wstring, std::wstring>, std::uint64_t> values_;
};

TEST(PrivacyWatchTest, APackagedAppIsInUseBetweenItsStartAndItsStop) {
  FakeConsentStore store;
  EXPECT_FALSE(CapabilityInUse(store));
  store.SetTimes(L"Microsoft.WindowsCamera_8wekyb3d8bbwe", 133000000000000000ull, 133000000000000900ull);
  EXPECT_FALSE(CapabilityInUse(store));
  store.SetTimes(L"Microsoft.WindowsCamera_8wekyb3d8bbwe", 133000000000001000ull, 0);
  EXPECT_TRUE(CapabilityInUse(store));
}

TEST(PrivacyWatchTest, ADesktopAppBelowNonPackagedTurnsTheBitOnUntilItsStopTimeIsWritten) {
  FakeConsentStore store;
  const std::wstring app = L"NonPackaged\\C:#Program Files#Zoom#bin#Zoom.exe";
  store.SetTimes(app, 133000000000000000ull, 0);
  EXPECT_TRUE(CapabilityInUse(store));
  store.SetTimes(app, 133000000000000000ull, 133000000000005000ull);
  EXPECT_FALSE(CapabilityInUse(store));
  // The subkey's name is compared without regard to case.
  FakeConsentStore lower;
  lower.SetTimes(L"nonpackaged\\C:#app.exe", 5, 0);
  EXPECT_TRUE(CapabilityInUse(lower));
}

TEST(PrivacyWatchTest, MissingTimesMeanNotInUse) {
  FakeConsentStore no_stop;
  no_stop.SetTimes(L"App", 5, std::nullopt);  // started, stop unreadable
  EXPECT_FALSE(CapabilityInUse(no_stop));
  FakeConsentStore no_start;
  no_start.SetTimes(L"App", std::nullopt, 0);
  EXPECT_FALSE(CapabilityInUse(no_start));
  FakeConsentStore zero_start;
  zero_start.SetTimes(L"App", 0, 0);
  EXPECT_FALSE(CapabilityInUse(zero_start));
}

TEST(PrivacyWatchTest, TheSearchStopsAtTheFirstAppInUseAndAtADepthLimit) {
  FakeConsentStore store;
  store.SetTimes(L"A", 5, 0);
  for (int i = 0; i < 50; ++i) store.SetTimes(L"Z" + std::to_wstring(i), 5, 7);
  EXPECT_TRUE(CapabilityInUse(store));
  EXPECT_EQ(store.reads, 2);
  // A NonPackaged key nested past the limit is not searched to its bottom.
  FakeConsentStore deep;
  std::wstring path;
  for (int i = 0; i < kMaxNonPackagedDepth + 2; ++i) path += L"NonPackaged\\";
  deep.SetTimes(path + L"app.exe", 5, 0);
  EXPECT_FALSE(CapabilityInUse(deep));
}

// The watcher's loop over scripted changes: each wait applies the next one.
class FakePrivacyPorts final : public PrivacyWatchPorts {
 public:
  const ConsentStore* Store(Capability capability) override {
    return capability == Capability::Microphone ? microphone : camera;
  }
  void Arm(Capability capability) override { armed.push_back(capability); }
  bool Post(std::uint32_t state) override {
    if (!island_accepts) return false;
    posted.push_back(state);
    return true;
  }
  bool WaitForChange() override {
    ++waits;
    if (changes.empty()) return false;
    changes.front()();
    changes.pop_front();
    return true;
  }

  const ConsentStore* microphone = nullptr;
  const ConsentStore* camera = nullptr;
  bool island_accepts = true;
  std::deque<std::function<void()>> changes;
  std::vector<Capability> armed;
  std::vector<std::uint32_t> posted;
  int waits = 0;
};

TEST(PrivacyWatchTest, TheWatcherPostsTheFirstStateAndEveryChangeOnce) {
  FakeConsentStore microphone, camera;
  FakePrivacyPorts ports;
  ports.microphone = &microphone;
  ports.camera = &camera;
  ports.changes = {
      [&] { microphone.SetTimes(L"NonPackaged\\C:#rec.exe", 9, 0); },
      [&] { microphone.SetTimes(L"Other", 1, 2); },  // the state stays 1
      [&] { camera.SetTimes(L"Microsoft.WindowsCamera", 9, 0); },
      [&] { microphone.SetTimes(L"NonPackaged\\C:#rec.exe", 9, 10); },
      [&] { camera.SetTimes(L"Microsoft.WindowsCamera", 9, 12); },
  };
  WatchPrivacy(ports);
  EXPECT_EQ(ports.posted, (std::vector<std::uint32_t>{0, 1, 3, 2, 0}));
  EXPECT_EQ(ports.waits, 6);
  // Both keys are armed on every pass, before they are read.
  EXPECT_EQ(ports.armed.size(), 12u);
}

TEST(PrivacyWatchTest, OneOpenKeyIsEnoughAndNoneEndsTheWatcher) {
  FakePrivacyPorts none;
  WatchPrivacy(none);
  EXPECT_EQ(none.waits, 0);
  EXPECT_TRUE(none.posted.empty());

  FakeConsentStore camera;
  camera.SetTimes(L"App", 3, 0);
  FakePrivacyPorts only_camera;
  only_camera.camera = &camera;
  WatchPrivacy(only_camera);
  EXPECT_EQ(only_camera.posted, std::vector<std::uint32_t>{kCameraInUse});
  EXPECT_EQ(only_camera.armed, std::vector<Capability>{Capability::Camera});
}

TEST(PrivacyWatchTest, AStateTheIslandDidNotReceiveIsPostedAgain) {
  FakeConsentStore microphone;
  microphone.SetTimes(L"App", 3, 0);
  FakePrivacyPorts ports;
  ports.microphone = &microphone;
  ports.island_accepts = false;
  ports.changes = {[&] { ports.island_accepts = true; }};
  WatchPrivacy(ports);
  EXPECT_EQ(ports.posted, std::vector<std::uint32_t>{kMicrophoneInUse});
}

}  // namespace
}  // namespace notch
