#include <windows.h>

#include <gtest/gtest.h>
#include <objidl.h>

#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include "winrt/delegate_win.h"
#include "winrt/media_control_win.h"

namespace notch::winrt {
namespace {

using Handler = CurrentSessionChangedHandler;

TEST(DelegateTest, AnswersItsOwnInterfaceIUnknownAndIAgileObjectOnly) {
  const auto handler = MakeDelegate<Handler>([](auto*, auto*) {});
  ASSERT_NE(handler, nullptr);
  for (const GUID& iid : {__uuidof(IUnknown), __uuidof(IAgileObject), Handler::Iid()}) {
    void* object = nullptr;
    EXPECT_EQ(handler->QueryInterface(iid, &object), S_OK);
    EXPECT_EQ(object, static_cast<Handler*>(handler.Get()));
    if (object != nullptr) static_cast<IUnknown*>(object)->Release();
  }
  // Neither marshalled nor inspectable, nor another instance of the template.
  for (const GUID& iid : {__uuidof(IMarshal), __uuidof(IInspectable), MediaPropertiesChangedHandler::Iid()}) {
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(handler->QueryInterface(iid, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
  }
  EXPECT_EQ(handler->QueryInterface(__uuidof(IUnknown), nullptr), E_POINTER);
}

TEST(DelegateTest, InvokeHandsTheArgumentsToTheCallback) {
  std::vector<std::pair<void*, void*>> calls;
  const auto handler =
      MakeDelegate<Handler>([&calls](IGlobalSystemMediaTransportControlsSessionManager* sender,
                                     ICurrentSessionChangedEventArgs* args) { calls.emplace_back(sender, args); });
  auto* sender = reinterpret_cast<IGlobalSystemMediaTransportControlsSessionManager*>(0x10);
  auto* args = reinterpret_cast<ICurrentSessionChangedEventArgs*>(0x20);
  EXPECT_EQ(handler->Invoke(sender, args), S_OK);
  EXPECT_EQ(handler->Invoke(nullptr, nullptr), S_OK);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].first, sender);
  EXPECT_EQ(calls[0].second, args);
  EXPECT_EQ(calls[1].first, nullptr);
  EXPECT_EQ(calls[1].second, nullptr);
}

TEST(DelegateTest, AnExceptionStopsAtTheBoundary) {
  const auto handler = MakeDelegate<Handler>([](auto*, auto*) { throw std::runtime_error("callback failed"); });
  EXPECT_EQ(handler->Invoke(nullptr, nullptr), E_FAIL);
}

TEST(DelegateTest, TheLastReleaseDestroysTheCallbackOnce) {
  const auto witness = std::make_shared<int>(0);
  {
    auto handler = MakeDelegate<Handler>([witness](auto*, auto*) {});
    EXPECT_EQ(witness.use_count(), 2);
    handler->AddRef();
    EXPECT_EQ(handler->Release(), 1u);
    EXPECT_EQ(witness.use_count(), 2);
  }
  EXPECT_EQ(witness.use_count(), 1);
}

// The system may add and drop references on its own threads.
TEST(DelegateTest, CountsReferencesFromManyThreads) {
  const auto witness = std::make_shared<int>(0);
  IUnknown* raw = nullptr;
  {
    const auto handler = MakeDelegate<Handler>([witness](auto*, auto*) {});
    raw = handler.Get();
    raw->AddRef();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
      threads.emplace_back([raw] {
        for (int i = 0; i < 10'000; ++i) {
          raw->AddRef();
          raw->Release();
        }
      });
    }
    for (auto& thread : threads) thread.join();
  }
  EXPECT_EQ(witness.use_count(), 2);
  EXPECT_EQ(raw->Release(), 0u);
  EXPECT_EQ(witness.use_count(), 1);
}

}  // namespace
}  // namespace notch::winrt
