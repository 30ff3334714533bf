#include "system/pairing.h"

#include <gtest/gtest.h>

#include "fake_radios.h"

namespace notch::bluetooth {
namespace {

using testing::Dev;
using testing::FakePacer;
using testing::FakePairing;
using testing::FakeRequest;

using Status = PairingOperation::Status;

TEST(PairPromptTest, EachKindShowsItsTextAndControls) {
  PairPrompt prompt;
  EXPECT_FALSE(PromptToShow(prompt).has_value());  // no request yet

  prompt.kind = kConfirmOnly;
  std::optional<PromptView> view = PromptToShow(prompt);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->subtitle, L"Confirm pairing with this device.");
  EXPECT_FALSE(view->edit);
  EXPECT_EQ(view->buttons_y, 108);

  prompt.kind = kConfirmPinMatch;
  prompt.pin = L"123456";
  EXPECT_EQ(PromptToShow(prompt)->subtitle, L"Does this PIN match?  123456");
  prompt.kind = kDisplayPin;
  EXPECT_EQ(PromptToShow(prompt)->subtitle, L"Enter this PIN on the device:  123456");
  EXPECT_FALSE(PromptToShow(prompt)->edit);

  prompt.kind = kProvidePin;
  view = PromptToShow(prompt);
  EXPECT_EQ(view->subtitle, L"Enter the PIN shown on the device.");
  EXPECT_TRUE(view->edit);
  EXPECT_EQ(view->buttons_y, 184);

  prompt.kind = 16;  // password credential: confirm only
  EXPECT_EQ(PromptToShow(prompt)->subtitle, L"Confirm pairing with this device.");

  prompt.answered = true;
  EXPECT_FALSE(PromptToShow(prompt).has_value());
}

TEST(PairPromptTest, ConfirmNeedsAPinOnlyWhenOneIsAskedFor) {
  PairPrompt prompt;
  prompt.kind = kProvidePin;
  std::wstring status;
  EXPECT_FALSE(ConfirmPrompt(prompt, L"", status));
  EXPECT_EQ(status, L"Enter the PIN shown on the device.");
  EXPECT_FALSE(prompt.answered);

  EXPECT_TRUE(ConfirmPrompt(prompt, L"0000", status));
  EXPECT_EQ(status, L"Complete the Windows pairing confirmation if shown.");
  EXPECT_TRUE(prompt.answered && prompt.accepted);
  EXPECT_EQ(prompt.entered, L"0000");

  PairPrompt confirm;
  confirm.kind = kConfirmOnly;
  EXPECT_TRUE(ConfirmPrompt(confirm, L"", status));
  EXPECT_TRUE(confirm.accepted);
}

TEST(PairingRequestTest, AcceptsWithTheTypedPinAndWipesIt) {
  PairPrompt prompt;
  FakeRequest request;
  request.kind = kProvidePin;
  FakePacer pacer;
  std::atomic<bool> cancelled{false};
  std::wstring status;
  pacer.on_sleep = [&](int n) {
    if (n == 1) {
      EXPECT_EQ(PromptToShow(prompt)->subtitle, L"Enter the PIN shown on the device.");
      EXPECT_TRUE(ConfirmPrompt(prompt, L"4711", status));
    }
  };
  AnswerPairingRequest(request, prompt, cancelled, pacer);
  EXPECT_EQ(request.accepts, 1);
  EXPECT_EQ(request.accepted_pin, std::optional<std::wstring>(L"4711"));
  EXPECT_TRUE(request.completed);
  EXPECT_TRUE(prompt.entered.empty());
}

TEST(PairingRequestTest, ShowsThePinOfAMatchAndAcceptsWithoutOne) {
  PairPrompt prompt;
  prompt.entered = L"stale";
  FakeRequest request;
  request.kind = kConfirmPinMatch;
  request.pin = L"918273";
  FakePacer pacer;
  std::atomic<bool> cancelled{false};
  std::wstring status;
  pacer.on_sleep = [&](int n) {
    if (n == 3) {
      EXPECT_EQ(prompt.pin, L"918273");
      ConfirmPrompt(prompt, L"", status);
    }
  };
  AnswerPairingRequest(request, prompt, cancelled, pacer);
  EXPECT_EQ(request.accepts, 1);
  EXPECT_FALSE(request.accepted_pin.has_value());
  EXPECT_EQ(pacer.sleeps, 3);
}

TEST(PairingRequestTest, CancelMidPromptRefusesAndCompletes) {
  PairPrompt prompt;
  FakeRequest request;
  request.kind = kDisplayPin;
  request.pin = L"2468";
  FakePacer pacer;
  std::atomic<bool> cancelled{false};
  pacer.on_sleep = [&](int n) {
    if (n == 2) CancelPrompt(prompt, cancelled);
  };
  AnswerPairingRequest(request, prompt, cancelled, pacer);
  EXPECT_EQ(request.accepts, 0);
  EXPECT_TRUE(request.completed);
  EXPECT_TRUE(cancelled.load());
}

TEST(PairingRequestTest, AnUnansweredRequestEndsAfter55Seconds) {
  PairPrompt prompt;
  FakeRequest request;
  FakePacer pacer;
  const std::uint64_t start = pacer.now;
  std::atomic<bool> cancelled{false};
  AnswerPairingRequest(request, prompt, cancelled, pacer);
  EXPECT_EQ(request.accepts, 0);
  EXPECT_TRUE(request.completed);
  EXPECT_EQ(pacer.now - start, 55000u);
  EXPECT_EQ(pacer.sleeps, 1100);
}

TEST(PairingRequestTest, ARequestAfterCancelLeavesThePromptAlone) {
  PairPrompt prompt;
  FakeRequest request;
  request.kind = kConfirmPinMatch;
  request.pin = L"1";
  FakePacer pacer;
  std::atomic<bool> cancelled{true};
  AnswerPairingRequest(request, prompt, cancelled, pacer);
  EXPECT_EQ(prompt.kind, 0);
  EXPECT_TRUE(request.completed);
  EXPECT_EQ(pacer.sleeps, 0);
}

class PairTest : public ::testing::Test {
 protected:
  FakePairing pairing;
  FakePacer pacer;
  SharedPrompt prompt = std::make_shared<PairPrompt>();
  SharedCancel cancel = std::make_shared<std::atomic<bool>>(false);
  Device device = Dev(L"Speaker", false);
};

TEST_F(PairTest, ConfirmedRequestPairs) {
  pairing.on_poll = [&](int n) {
    if (n == 2) {
      // The system asks; the user confirms at the handler's first wait.
      FakeRequest request;
      pacer.on_sleep = [&](int) {
        std::wstring status;
        ConfirmPrompt(*prompt, L"", status);
      };
      pairing.handler(request);
      pacer.on_sleep = nullptr;
      EXPECT_EQ(request.accepts, 1);
      pairing.status = Status::Completed;
    }
  };
  EXPECT_EQ(Pair(pairing, device, prompt, cancel, pacer), L"Paired with Speaker.");
  EXPECT_EQ(pairing.kinds, 15);
  EXPECT_TRUE(pairing.unregistered);
  EXPECT_FALSE(pairing.cancelled);
}

TEST_F(PairTest, ResultStatusesAndFailures) {
  pairing.status = Status::Completed;
  pairing.result = kAlreadyPaired;
  EXPECT_EQ(Pair(pairing, device, prompt, cancel, pacer), L"Paired with Speaker.");
  pairing.result = 1;  // not ready to pair
  EXPECT_EQ(Pair(pairing, device, prompt, cancel, pacer), kCouldNotPair);
  pairing.status = Status::Error;
  pairing.result = kPaired;  // an error's result is never read
  EXPECT_EQ(Pair(pairing, device, prompt, cancel, pacer), kCouldNotPair);
  pairing.start_fails = true;
  EXPECT_EQ(Pair(pairing, device, prompt, cancel, pacer), kCouldNotPair);
}

TEST_F(PairTest, GivesUpAfter65SecondsAndCancelsTheOperation) {
  const std::uint64_t start = pacer.now;
  EXPECT_EQ(Pair(pairing, device, prompt, cancel, pacer), kCouldNotPair);
  EXPECT_TRUE(pairing.cancelled);
  EXPECT_TRUE(pairing.unregistered);
  EXPECT_EQ(pacer.now - start, 65000u);
}

TEST_F(PairTest, CancelStopsTheWaitAndTheOperation) {
  pacer.on_sleep = [&](int n) {
    if (n == 4) CancelPrompt(*prompt, *cancel);
  };
  EXPECT_EQ(Pair(pairing, device, prompt, cancel, pacer), kCouldNotPair);
  EXPECT_TRUE(pairing.cancelled);
  EXPECT_EQ(pacer.sleeps, 4);
}

}  // namespace
}  // namespace notch::bluetooth
