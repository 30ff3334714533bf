#include <windows.h>

#include <activation.h>
#include <gtest/gtest.h>
#include <objbase.h>

#include <thread>

#include "win/multithreaded_worker.h"
#include "win/win_test_support.h"
#include "winrt/activation_win.h"
#include "winrt/media_control_win.h"

namespace notch::winrt {
namespace {

TEST(ActivationTest, MediaSessionManagerFailsCleanlyWhereItIsMissing) {
  testing::OnMultithreadedWorker([] {
    Microsoft::WRL::ComPtr<IGlobalSystemMediaTransportControlsSessionManagerStatics> statics;
    const HRESULT result = GetActivationFactory(GlobalSystemMediaTransportControlsSessionManager::kName, statics);
    if (testing::RunningUnderWine()) {
      EXPECT_EQ(result, REGDB_E_CLASSNOTREG);
      EXPECT_EQ(statics, nullptr);
    } else {
      EXPECT_EQ(result, S_OK);
      EXPECT_NE(statics, nullptr);
    }
  });
}

TEST(ActivationTest, UnknownAndEmptyClassNamesFail) {
  testing::OnMultithreadedWorker([] {
    Microsoft::WRL::ComPtr<IGlobalSystemMediaTransportControlsSessionManagerStatics> statics;
    EXPECT_EQ(GetActivationFactory(L"Windows.Media.Control.NoSuchClass", statics), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(statics, nullptr);
    void* factory = reinterpret_cast<void*>(1);
    EXPECT_EQ(GetActivationFactory(L"", __uuidof(IActivationFactory), &factory), E_INVALIDARG);
    EXPECT_EQ(factory, nullptr);
  });
}

TEST(ApartmentTest, JoinsTheMultithreadedApartmentForItsScope) {
  std::thread worker([] {
    {
      const MultithreadedApartment apartment;
      EXPECT_EQ(apartment.status(), S_OK);
      const MultithreadedApartment nested;
      EXPECT_EQ(nested.status(), S_FALSE);
      APTTYPE type{};
      APTTYPEQUALIFIER qualifier{};
      ASSERT_EQ(CoGetApartmentType(&type, &qualifier), S_OK);
      EXPECT_EQ(type, APTTYPE_MTA);
      EXPECT_EQ(qualifier, APTTYPEQUALIFIER_NONE);
    }
    // Both scopes undone: the thread may now choose another apartment.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    CoUninitialize();
  });
  worker.join();
}

TEST(ApartmentTest, LeavesASingleThreadedApartmentAlone) {
  std::thread window_like([] {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    {
      const MultithreadedApartment apartment;
      EXPECT_EQ(apartment.status(), RPC_E_CHANGED_MODE);
    }
    APTTYPE type{};
    APTTYPEQUALIFIER qualifier{};
    ASSERT_EQ(CoGetApartmentType(&type, &qualifier), S_OK);
    EXPECT_TRUE(type == APTTYPE_STA || type == APTTYPE_MAINSTA) << type;
    CoUninitialize();
  });
  window_like.join();
}

}  // namespace
}  // namespace notch::winrt
