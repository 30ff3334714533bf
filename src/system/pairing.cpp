#include "system/pairing.h"

#include <chrono>
#include <thread>

namespace notch::bluetooth {
namespace {

class SteadyPacer final : public Pacer {
 public:
  std::uint64_t NowMs() override {
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
  }
  void Sleep(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

void Wipe(std::wstring& text) {
  for (wchar_t& c : text) {
    volatile wchar_t* p = &c;
    *p = L'\0';
  }
  text.clear();
}

}  // namespace

Pacer& SystemPacer() {
  static SteadyPacer pacer;
  return pacer;
}

void AnswerPairingRequest(PairingRequest& request, PairPrompt& prompt, const std::atomic<bool>& cancelled,
                          Pacer& pacer) {
  const std::uint64_t deadline = pacer.NowMs() + kRequestDeadlineMs;
  {
    const std::int32_t kind = request.Kind();
    const bool shows_pin = kind == kDisplayPin || kind == kConfirmPinMatch;
    std::wstring pin = shows_pin ? request.Pin() : std::wstring();
    std::lock_guard lock(prompt.mutex);
    if (!cancelled.load()) {
      prompt.kind = kind;
      prompt.answered = false;
      prompt.accepted = false;
      prompt.pin = std::move(pin);
      prompt.entered.clear();
    }
  }
  for (;;) {
    if (cancelled.load() || pacer.NowMs() >= deadline) break;
    std::wstring pin;
    bool accept = false, with_pin = false, done = false;
    {
      std::lock_guard lock(prompt.mutex);
      if (prompt.answered) {
        done = true;
        accept = prompt.accepted;
        with_pin = prompt.kind == kProvidePin;
        if (accept && with_pin) pin = prompt.entered;
      }
    }
    if (done) {
      if (accept) {
        if (with_pin) {
          request.Accept(pin);
        } else {
          request.Accept();
        }
      }
      Wipe(pin);
      break;
    }
    pacer.Sleep(kPollMs);
  }
  {
    std::lock_guard lock(prompt.mutex);
    Wipe(prompt.entered);
  }
  request.Complete();
}

std::wstring Pair(PairingSource& source, const Device& device, const SharedPrompt& prompt,
                  const SharedCancel& cancelled, Pacer& pacer) {
  std::int32_t status = kPairingFailed;
  // The handler keeps its own references: the system may still call it
  // while this function returns.
  RequestHandler handler = [prompt, cancelled, &pacer](PairingRequest& request) {
    AnswerPairingRequest(request, *prompt, *cancelled, pacer);
  };
  if (std::unique_ptr<PairingOperation> operation = source.StartPairing(device, kPairingKinds, std::move(handler))) {
    const std::uint64_t deadline = pacer.NowMs() + kPairDeadlineMs;
    PairingOperation::Status progress = operation->Progress();
    while (!cancelled->load() && progress == PairingOperation::Status::Started && pacer.NowMs() < deadline) {
      pacer.Sleep(kPollMs);
      progress = operation->Progress();
    }
    if (progress == PairingOperation::Status::Started) operation->Cancel();
    if (progress == PairingOperation::Status::Completed) status = operation->ResultStatus();
    operation->Unregister();
  }
  if (status == kPaired || status == kAlreadyPaired) return L"Paired with " + device.name + L".";
  return kCouldNotPair;
}

std::optional<PromptView> PromptToShow(PairPrompt& prompt) {
  std::lock_guard lock(prompt.mutex);
  if (prompt.kind == 0 || prompt.answered) return std::nullopt;
  PromptView view;
  switch (prompt.kind) {
    case kConfirmPinMatch:
      view.subtitle = L"Does this PIN match?  " + prompt.pin;
      break;
    case kDisplayPin:
      view.subtitle = L"Enter this PIN on the device:  " + prompt.pin;
      break;
    case kProvidePin:
      view.subtitle = kEnterShownPin;
      view.edit = true;
      view.buttons_y = 184;
      break;
    default:
      view.subtitle = L"Confirm pairing with this device.";
      break;
  }
  return view;
}

bool ConfirmPrompt(PairPrompt& prompt, const std::wstring& typed, std::wstring& status) {
  std::lock_guard lock(prompt.mutex);
  if (prompt.kind == kProvidePin && typed.empty()) {
    status = kEnterShownPin;
    return false;
  }
  prompt.entered = typed;
  prompt.answered = true;
  prompt.accepted = true;
  status = kCompleteConfirmation;
  return true;
}

void CancelPrompt(PairPrompt& prompt, std::atomic<bool>& cancelled) {
  std::lock_guard lock(prompt.mutex);
  prompt.answered = true;
  prompt.accepted = false;
  cancelled.store(true);
}

}  // namespace notch::bluetooth
