#pragma once
// Bluetooth pairing: the prompt shared by the panel, the pairing task and
// the pairing-requested handler, the handler's answer, the task's wait and
// result, and the inline prompt's texts and places.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "system/bluetooth.h"

namespace notch::bluetooth {

// Pairing kinds (flags).
inline constexpr std::int32_t kConfirmOnly = 1;
inline constexpr std::int32_t kDisplayPin = 2;
inline constexpr std::int32_t kProvidePin = 4;
inline constexpr std::int32_t kConfirmPinMatch = 8;
inline constexpr std::int32_t kPairingKinds = kConfirmOnly | kDisplayPin | kProvidePin | kConfirmPinMatch;

// Pairing result statuses used here.
inline constexpr std::int32_t kPaired = 0;
inline constexpr std::int32_t kAlreadyPaired = 3;
inline constexpr std::int32_t kPairingFailed = 19;

inline constexpr std::uint64_t kPairDeadlineMs = 65000;
inline constexpr std::uint64_t kRequestDeadlineMs = 55000;
inline constexpr int kPollMs = 50;

inline constexpr wchar_t kStartingPairing[] = L"Starting Bluetooth pairing\u2026";
inline constexpr wchar_t kEnterShownPin[] = L"Enter the PIN shown on the device.";
inline constexpr wchar_t kCompleteConfirmation[] = L"Complete the Windows pairing confirmation if shown.";
inline constexpr wchar_t kCanceled[] = L"Canceled.";
inline constexpr wchar_t kCouldNotPair[] = L"Could not pair. Make the device discoverable and try again.";

// Shared between the window thread, the pairing task and the handler; every
// field is read and written under `mutex`.
struct PairPrompt {
  std::mutex mutex;
  std::int32_t kind = 0;  // the current request's kind; 0 while none
  std::wstring pin;       // shown for display-PIN and confirm-PIN-match
  bool answered = false;
  bool accepted = false;
  std::wstring entered;  // the PIN the user typed
};
using SharedPrompt = std::shared_ptr<PairPrompt>;
using SharedCancel = std::shared_ptr<std::atomic<bool>>;

// Time for the two waiting loops: the tick count and a pause.
class Pacer {
 public:
  virtual ~Pacer() = default;
  virtual std::uint64_t NowMs() = 0;
  virtual void Sleep(int ms) = 0;
};
Pacer& SystemPacer();

// The arguments of one pairing request.
class PairingRequest {
 public:
  virtual ~PairingRequest() = default;
  virtual std::int32_t Kind() = 0;
  virtual std::wstring Pin() = 0;
  virtual void Accept() = 0;
  virtual void Accept(const std::wstring& pin) = 0;
  // Completes the deferral taken when the request arrived.
  virtual void Complete() = 0;
};

// The pairing-requested handler's work on the system's thread: publish the
// request to the prompt, wait (at most 55 s, polling every 50 ms) for the
// user's answer or the cancel flag, accept when confirmed, then wipe the
// typed PIN and complete the deferral.
void AnswerPairingRequest(PairingRequest& request, PairPrompt& prompt, const std::atomic<bool>& cancelled,
                          Pacer& pacer);

// One running PairAsync with the handler registered.
class PairingOperation {
 public:
  virtual ~PairingOperation() = default;
  enum class Status { Started, Completed, Canceled, Error };
  virtual Status Progress() = 0;
  virtual void Cancel() = 0;
  // The result's status of a completed operation.
  virtual std::int32_t ResultStatus() = 0;
  // Removes the pairing-requested handler.
  virtual void Unregister() = 0;
};

using RequestHandler = std::function<void(PairingRequest&)>;

class PairingSource {
 public:
  virtual ~PairingSource() = default;
  // Registers `handler` on the device's custom pairing and starts pairing
  // with `kinds`; null when that could not be done.
  virtual std::unique_ptr<PairingOperation> StartPairing(const Device& device, std::int32_t kinds,
                                                         RequestHandler handler) = 0;
};

// Pairs `device`, answering its requests through `prompt`: the message for
// the status line.
std::wstring Pair(PairingSource& source, const Device& device, const SharedPrompt& prompt,
                  const SharedCancel& cancelled, Pacer& pacer);

// The inline prompt the panel shows for a request.
struct PromptView {
  std::wstring subtitle;
  bool edit = false;  // control 118, for a PIN to type
  int buttons_y = 108;
};
inline constexpr int kPinLimit = 16;
// Nothing while no request waits or it was answered.
std::optional<PromptView> PromptToShow(PairPrompt& prompt);

// Confirm (120 or Enter) with the edit's text: true when the prompt closes;
// otherwise the prompt stays and `status` says why.
bool ConfirmPrompt(PairPrompt& prompt, const std::wstring& typed, std::wstring& status);
// Cancel (121 or Esc): the request is answered as refused and `cancelled` set.
void CancelPrompt(PairPrompt& prompt, std::atomic<bool>& cancelled);

}  // namespace notch::bluetooth
