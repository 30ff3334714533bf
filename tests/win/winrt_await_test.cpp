#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>

#include <thread>

#include "win/fake_async_operation.h"
#include "win/multithreaded_worker.h"
#include "winrt/activation_win.h"
#include "winrt/await_win.h"

namespace notch::winrt {
namespace {

using testing::FakeBoolOperation;

TEST(AwaitTest, ReturnsTheResultOfAnOperationFinishedOnAnotherThread) {
  testing::OnMultithreadedWorker([] {
    const auto operation = FakeBoolOperation::Create();
    // The operation finishes once the wait has registered its handler.
    std::thread system([&operation] {
      while (!operation->handler_registered()) std::this_thread::yield();
      operation->Finish(Completed, true);
    });
    boolean result = 0;
    EXPECT_EQ(Await(operation.Get(), &result), S_OK);
    system.join();
    EXPECT_EQ(result, 1);
    EXPECT_EQ(operation->cancel_calls(), 0);
  });
}

TEST(AwaitTest, AnOperationAlreadyOverCompletesAtOnce) {
  testing::OnMultithreadedWorker([] {
    const auto operation = FakeBoolOperation::Create();
    operation->Finish(Completed, false);
    boolean result = 7;
    EXPECT_EQ(Await(operation.Get(), &result, 0), S_OK);
    EXPECT_EQ(result, 0);
  });
}

TEST(AwaitTest, ErrorsAndCancellationBecomeFailuresWithoutResults) {
  testing::OnMultithreadedWorker([] {
    const auto failed = FakeBoolOperation::Create();
    failed->Finish(Error, true, E_ACCESSDENIED);
    boolean result = 7;
    EXPECT_EQ(Await(failed.Get(), &result, 0), E_ACCESSDENIED);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(failed->get_results_calls(), 0);

    // An error status without an error code still fails.
    const auto vague = FakeBoolOperation::Create();
    vague->Finish(Error, true, S_OK);
    EXPECT_EQ(Await(vague.Get(), &result, 0), E_FAIL);

    const auto cancelled = FakeBoolOperation::Create();
    cancelled->Finish(Canceled);
    EXPECT_EQ(Await(cancelled.Get(), &result, 0), HRESULT_FROM_WIN32(ERROR_CANCELLED));
    EXPECT_EQ(cancelled->get_results_calls(), 0);
  });
}

TEST(AwaitTest, AHungOperationIsCancelledAndMayStillFinishLater) {
  const auto operation = FakeBoolOperation::Create();
  testing::OnMultithreadedWorker([&operation] {
    boolean result = 7;
    EXPECT_EQ(Await(operation.Get(), &result, 0), HRESULT_FROM_WIN32(ERROR_TIMEOUT));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(operation->cancel_calls(), 1);
  });
  // The wait is over and its thread gone; the late completion must find a
  // live handler, which the operation then releases.
  operation->Finish(Completed, true);
  EXPECT_EQ(operation->references(), 1u);
}

TEST(AwaitTest, RefusesASingleThreadedApartment) {
  std::thread window_like([] {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    const auto operation = FakeBoolOperation::Create();
    operation->Finish(Completed, true);
    boolean result = 7;
    EXPECT_EQ(Await(operation.Get(), &result, 0), RPC_E_WRONG_THREAD);
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(operation->handler_registered());
    CoUninitialize();
  });
  window_like.join();
}

TEST(AwaitTest, RefusesWhatIsNoOperation) {
  testing::OnMultithreadedWorker([] {
    const auto impostor = FakeBoolOperation::Create();
    impostor->HideAsyncInfo();
    boolean result = 7;
    EXPECT_EQ(Await(impostor.Get(), &result, 0), E_NOINTERFACE);
    EXPECT_FALSE(impostor->handler_registered());

    EXPECT_EQ(Await(static_cast<IAsyncOperation<bool>*>(nullptr), &result, 0), E_POINTER);
    EXPECT_EQ(Await(impostor.Get(), nullptr, 0), E_POINTER);
  });
}

}  // namespace
}  // namespace notch::winrt
