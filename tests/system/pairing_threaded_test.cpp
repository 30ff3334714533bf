// Pairing across its three threads: the pairing task waits on a worker, the
// system raises the request on a thread of its own, and the window thread
// shows the prompt and answers it, all through the shared PairPrompt.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "system/pairing.h"

namespace notch::bluetooth {
namespace {

// Time stands still, so only an answer or the cancel flag ends a wait.
class StillPacer final : public Pacer {
 public:
  std::uint64_t NowMs() override { return 0; }
  void Sleep(int) override { std::this_thread::yield(); }
};

class ThreadRequest final : public PairingRequest {
 public:
  std::int32_t Kind() override { return kind; }
  std::wstring Pin() override { return L"0517"; }
  void Accept() override { accepts.fetch_add(1); }
  void Accept(const std::wstring& pin) override {
    accepted_pin = pin;
    accepts.fetch_add(1);
  }
  void Complete() override { completed = true; }
  std::int32_t kind = kProvidePin;
  std::atomic<int> accepts{0};
  std::wstring accepted_pin;  // written before `completed`
  std::atomic<bool> completed{false};
};

// The system's side: raises one request on its own thread when pairing starts.
class ThreadPairing final : public PairingSource {
 public:
  explicit ThreadPairing(ThreadRequest& request) : request_(request) {}
  ~ThreadPairing() override { Join(); }
  void Join() {
    if (system_.joinable()) system_.join();
  }

  class Operation final : public PairingOperation {
   public:
    explicit Operation(ThreadPairing& owner) : owner_(owner) {}
    Status Progress() override { return owner_.status.load(); }
    void Cancel() override {
      Status started = Status::Started;
      owner_.status.compare_exchange_strong(started, Status::Canceled);
    }
    std::int32_t ResultStatus() override { return owner_.request_.accepts.load() > 0 ? kPaired : kPairingFailed; }
    void Unregister() override {}

   private:
    ThreadPairing& owner_;
  };

  std::unique_ptr<PairingOperation> StartPairing(const Device&, std::int32_t, RequestHandler handler) override {
    system_ = std::thread([this, handler = std::move(handler)] {
      handler(request_);
      PairingOperation::Status started = PairingOperation::Status::Started;
      status.compare_exchange_strong(started, PairingOperation::Status::Completed);
    });
    return std::make_unique<Operation>(*this);
  }

  std::atomic<PairingOperation::Status> status{PairingOperation::Status::Started};

 private:
  ThreadRequest& request_;
  std::thread system_;
};

// The window thread's part: waits for the prompt to be fillable and shows it.
PromptView WaitForPrompt(PairPrompt& prompt) {
  for (;;) {
    if (std::optional<PromptView> view = PromptToShow(prompt)) return *view;
    std::this_thread::yield();
  }
}

TEST(PairingThreadedTest, ThePinTypedOnTheWindowThreadReachesTheSystem) {
  ThreadRequest request;
  ThreadPairing pairing(request);
  StillPacer pacer;
  Device device;
  device.name = L"Keyboard";
  auto prompt = std::make_shared<PairPrompt>();
  auto cancel = std::make_shared<std::atomic<bool>>(false);
  std::wstring message;
  std::thread task([&] { message = Pair(pairing, device, prompt, cancel, pacer); });

  EXPECT_EQ(WaitForPrompt(*prompt).subtitle, L"Enter the PIN shown on the device.");
  std::wstring status;
  EXPECT_TRUE(ConfirmPrompt(*prompt, L"9931", status));
  task.join();

  EXPECT_EQ(message, L"Paired with Keyboard.");
  EXPECT_TRUE(request.completed.load());
  EXPECT_EQ(request.accepted_pin, L"9931");
  std::lock_guard lock(prompt->mutex);
  EXPECT_TRUE(prompt->entered.empty());
}

TEST(PairingThreadedTest, CancelOnTheWindowThreadEndsBothWaits) {
  ThreadRequest request;
  request.kind = kConfirmPinMatch;
  ThreadPairing pairing(request);
  StillPacer pacer;
  Device device;
  device.name = L"Speaker";
  auto prompt = std::make_shared<PairPrompt>();
  auto cancel = std::make_shared<std::atomic<bool>>(false);
  std::wstring message;
  std::thread task([&] { message = Pair(pairing, device, prompt, cancel, pacer); });

  EXPECT_EQ(WaitForPrompt(*prompt).subtitle, L"Does this PIN match?  0517");
  CancelPrompt(*prompt, *cancel);
  task.join();

  EXPECT_EQ(message, L"Could not pair. Make the device discoverable and try again.");
  // The request ends refused, whichever of the two waits noticed first.
  pairing.Join();
  EXPECT_TRUE(request.completed.load());
  EXPECT_EQ(request.accepts.load(), 0);
}

}  // namespace
}  // namespace notch::bluetooth
