#pragma once
// The Wi-Fi page's rules on plain data: what acting on the selected network
// does, the inline key prompt, and the texts of the list, its rows, the
// subtitle, the placeholder and the action button.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "system/wifi_network.h"
#include "system/wifi_profile.h"

namespace notch::wifi {

inline constexpr wchar_t kLocationSettingsUri[] = L"ms-settings:privacy-location";
inline constexpr wchar_t kWifiSettingsUri[] = L"ms-settings:network-wifi";

// What acting on the selected network (control 116 or a double-click) does.
struct NetworkAction {
  enum class Kind { None, OpenSettings, Connect, ShowPrompt };
  Kind kind = Kind::None;
  const wchar_t* uri = nullptr;  // OpenSettings
};

NetworkAction ActOnNetwork(const Network& selected, bool location_denied);

// The inline key prompt: control ids, places (panel DIPs) and texts.
inline constexpr int kPromptEditId = 118;
inline constexpr int kPromptRememberId = 119;
inline constexpr int kPromptConnectId = 120;
inline constexpr int kPromptCancelId = 121;
inline constexpr int kPromptKeyLimit = 64;
inline constexpr std::size_t kMinimumKeyLength = 8;

struct PromptControl {
  int id;
  const wchar_t* text;
  int x, y, width, height;
};
inline constexpr PromptControl kPromptControls[] = {
    {kPromptEditId, L"", 38, 104, 296, 18},
    {kPromptRememberId, L"Remember this network", 28, 142, 210, 28},
    {kPromptConnectId, L"Connect", 28, 184, 118, 30},
    {kPromptCancelId, L"Cancel", 154, 184, 96, 30},
};

inline constexpr wchar_t kEnterKey[] = L"Enter the Wi-Fi security key to connect.";
inline constexpr wchar_t kKeyTooShort[] = L"Enter at least 8 characters.";
inline constexpr wchar_t kCanceled[] = L"Canceled.";
inline constexpr wchar_t kConnecting[] = L"Connecting\u2026";

std::wstring PromptSubtitle(const Network& pending);

// Submitting the prompt: true when the key may go to the connect task;
// otherwise `status` is set and the prompt stays.
bool AcceptPromptKey(const Secret& key, std::wstring& status);

// The prompt's state on the page: the pending network, waiting for its key,
// and the remember flag (off whenever the prompt opens or closes).
class KeyPrompt {
 public:
  struct Opened {
    std::wstring subtitle;
    std::wstring status;
  };
  // What submitting leads to: the connect to start (the prompt has closed),
  // or a status with the prompt still open.
  struct Submitted {
    bool connect = false;
    Network network;
    std::shared_ptr<Secret> key;
    bool remember = false;
    std::wstring status;  // when not connecting
  };

  bool shown() const { return shown_; }
  bool remember() const { return remember_; }
  const Network& pending() const { return pending_; }

  Opened Open(const Network& network);
  void ToggleRemember() { remember_ = !remember_; }
  // `key` is the edit's text read into a new Secret.
  Submitted Submit(std::shared_ptr<Secret> key);
  // Cancel (121 or Esc): closes and gives the status text.
  std::wstring Cancel();
  // Leaving the page or a page change: drops the pending network silently.
  void Close();

 private:
  bool shown_ = false;
  bool remember_ = false;
  Network pending_;
};

// The list as the page shows it.
struct ListView {
  const std::vector<Network>* networks = nullptr;
  bool radio_off = false;
  bool location_denied = false;
  bool refreshing = false;
};

std::wstring Subtitle(const ListView& view);
std::wstring RowDetail(const Network& network);
std::wstring RowRightText(const Network& network);
std::wstring RowString(const Network& network);
std::wstring Placeholder(const ListView& view);

// The status line after the connect task: its message, or the placeholder
// when it has none (a cancelled task).
std::wstring StatusAfterConnect(const std::wstring& message, const ListView& view);
// The status line after a refresh: its own text when one was given, else the
// list status.
std::wstring StatusAfterRefresh(const std::wstring& refresh_status, const std::wstring& list_status);

struct ActionButton {
  std::wstring text;
  bool enabled = false;
};
// `selected` is null without a selection; `idle` when the task slot is free.
ActionButton ActionButtonFor(const Network* selected, bool location_denied, bool idle);

// After a refill, the row to select: the network with the previously selected
// name, or none.
std::optional<std::size_t> SelectionAfterRefill(const std::vector<Network>& networks,
                                                const std::wstring& selected_name);

}  // namespace notch::wifi
