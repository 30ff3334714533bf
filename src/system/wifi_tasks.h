#pragma once
// The bodies of the Wi-Fi worker tasks: listing the networks (with an optional
// rescan) and connecting to one. Both run on a worker thread and check the
// cancel flag between interfaces, scans and poll rounds.
#include <atomic>
#include <memory>
#include <string>

#include "system/wifi_network.h"
#include "system/wifi_profile.h"
#include "system/wlan_source.h"

namespace notch::wifi {

inline constexpr int kScanWaitRounds = 16;
inline constexpr int kScanWaitMs = 150;
inline constexpr int kConnectPollRounds = 120;
inline constexpr int kConnectPollMs = 200;

ListResult ListNetworks(WlanApi& api, bool rescan, const std::atomic<bool>& cancel);

inline constexpr wchar_t kConnectFailed[] = L"Could not connect. Check the password or try again.";
inline constexpr wchar_t kNotRemembered[] = L"Connected. Windows could not remember this network.";
inline constexpr wchar_t kConnectTimedOut[] = L"Connection timed out. Try again.";

// Connects and returns the status message (empty when cancelled). `key` may
// be null; it is wiped whatever the outcome.
std::wstring ConnectNetwork(WlanApi& api, const Network& network, const std::shared_ptr<Secret>& key, bool remember,
                            const std::atomic<bool>& cancel);

}  // namespace notch::wifi
