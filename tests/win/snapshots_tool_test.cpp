// The snapshot tool draws every planned picture, and the pictures show the
// shapes where the island's geometry puts them.
#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>

#include <algorithm>
#include <cstdint>

#include "common/text.h"
#include "shell/ilha/shape_outline.h"
#include "snapshots/snapshot_plan.h"
#include "support/temp_folder.h"
#include "wic_pixels.h"
#include "win_test_support.h"

namespace notch {
namespace {

using testing::Picture;

class SnapshotsToolTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    folder_ = new testing::TempFolder;
    std::wstring command =
        L"\"" + testing::TestExecutableFolder() + L"\\notch_snapshots.exe\" \"" + folder_->path().wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
      return;
    }
    if (WaitForSingleObject(process.hProcess, 200000) == WAIT_OBJECT_0)
      GetExitCodeProcess(process.hProcess, &exit_code_);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
    CoUninitialize();
  }

  static std::optional<Picture> Read(const std::wstring& name) {
    return testing::ReadPng((folder_->path() / name).wstring());
  }

  static inline testing::TempFolder* folder_ = nullptr;
  static inline DWORD exit_code_ = STILL_ACTIVE;
};

TEST_F(SnapshotsToolTest, RunsToTheEnd) { EXPECT_EQ(exit_code_, 0u); }

TEST_F(SnapshotsToolTest, IslandPicturesShowTheShapeOfTheirState) {
  for (const snapshots::IslandSnapshot& snapshot : snapshots::IslandSnapshots()) {
    SCOPED_TRACE(WideToUtf8(snapshot.file_name));
    const auto picture = Read(snapshot.file_name);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, snapshots::kIslandWidth);
    EXPECT_EQ(picture->height, snapshot.height());
    const auto bounds = testing::OpaqueBounds(*picture);
    ASSERT_TRUE(bounds);
    // The notch's flares thin out towards the screen edge, so its opaque
    // pixels reach at least its body and at most the whole shape.
    const snapshots::ShapeAtRest at_rest = snapshots::ShapeOf(snapshot);
    const RectF outer = at_rest.shape;
    const RectF body = InnerArea(snapshot.style, outer, at_rest.geometry.upper_radius);
    EXPECT_GE(bounds->left, outer.left - 1);
    EXPECT_LE(bounds->left, body.left + 1);
    EXPECT_LE(bounds->right, outer.right + 1);
    EXPECT_GE(bounds->right, body.right - 1);
    EXPECT_NEAR(bounds->top, outer.top, 1.0);
    EXPECT_NEAR(bounds->bottom, outer.bottom, 1.0);
  }
}

// Light pixels of text in the picture's right part.
int RightmostLightPixel(const Picture& picture) {
  int rightmost = -1;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (picture.At(x, y)[2] > 160 && picture.At(x, y)[3] > 160) rightmost = std::max(rightmost, x);
    }
  }
  return rightmost;
}

TEST_F(SnapshotsToolTest, ALongNoticeTitleStopsBeforeTheCardsRightMargin) {
  for (const snapshots::IslandSnapshot& snapshot : snapshots::IslandSnapshots()) {
    if (!snapshot.long_title) continue;
    SCOPED_TRACE(WideToUtf8(snapshot.file_name));
    const auto picture = Read(snapshot.file_name);
    ASSERT_TRUE(picture);
    const snapshots::ShapeAtRest at_rest = snapshots::ShapeOf(snapshot);
    const float right = InnerArea(snapshot.style, at_rest.shape, at_rest.geometry.upper_radius).right - 16;
    const int text_end = RightmostLightPixel(*picture);
    EXPECT_LT(text_end, right);
    EXPECT_GT(text_end, right - 24);  // the text fills the box up to its ellipsis
  }
}

// Pixels of the HUD's green (Caps Lock on, charging) or red (low battery)
// texts, or the level bar's light fill, inside `box`.
int CountPixels(const Picture& picture, const RectF& box, bool (*match)(const std::uint8_t* bgra)) {
  int count = 0;
  for (int y = std::max(0, static_cast<int>(box.top)); y < std::min(picture.height, static_cast<int>(box.bottom));
       ++y) {
    for (int x = std::max(0, static_cast<int>(box.left)); x < std::min(picture.width, static_cast<int>(box.right));
         ++x) {
      if (match(picture.At(x, y))) ++count;
    }
  }
  return count;
}
bool Green(const std::uint8_t* p) { return p[1] > 120 && p[1] > p[2] + 60 && p[1] > p[0] + 60; }
bool Red(const std::uint8_t* p) { return p[2] > 120 && p[2] > p[1] + 60 && p[2] > p[0] + 60; }
bool Light(const std::uint8_t* p) { return p[0] > 200 && p[1] > 200 && p[2] > 200; }
bool Blue(const std::uint8_t* p) { return p[0] > 180 && p[0] > p[2] + 60; }  // Leopard's fill

bool Orange(const std::uint8_t* p) { return p[2] > 200 && p[1] > 110 && p[1] < 200 && p[0] < 60; }

TEST_F(SnapshotsToolTest, PrivacyPicturesShowTheDotAtThePillsRightEnd) {
  int pictures = 0;
  for (const snapshots::IslandSnapshot& snapshot : snapshots::IslandSnapshots()) {
    if (snapshot.privacy_bits == 0) continue;
    ++pictures;
    SCOPED_TRACE(WideToUtf8(snapshot.file_name));
    const auto picture = Read(snapshot.file_name);
    ASSERT_TRUE(picture);
    const RectF shape = snapshots::ShapeOf(snapshot).shape;
    const float x = shape.right - 13, y = shape.centre().y;
    const RectF dot{x - 4, y - 4, x + 4, y + 4};
    const bool camera = (snapshot.privacy_bits & 2) != 0;
    EXPECT_GT(CountPixels(*picture, dot, camera ? Green : Orange), 12);
    EXPECT_EQ(CountPixels(*picture, dot, camera ? Orange : Green), 0);
  }
  EXPECT_GE(pictures, 4);
}

TEST_F(SnapshotsToolTest, HudPicturesShowTheirColoursOnTheRight) {
  using snapshots::HudSample;
  for (const snapshots::IslandSnapshot& snapshot : snapshots::IslandSnapshots()) {
    if (snapshot.state != IslandState::Hud) continue;
    SCOPED_TRACE(WideToUtf8(snapshot.file_name));
    const auto picture = Read(snapshot.file_name);
    ASSERT_TRUE(picture);
    const snapshots::ShapeAtRest at_rest = snapshots::ShapeOf(snapshot);
    const RectF inner = InnerArea(snapshot.style, at_rest.shape, at_rest.geometry.upper_radius);
    // The right half of the shape: texts and the level bar.
    const RectF right{inner.centre().x, at_rest.shape.top, inner.right, at_rest.shape.bottom};
    switch (snapshot.hud) {
      case HudSample::CapsLockOn:
      case HudSample::Charging:
        EXPECT_GT(CountPixels(*picture, right, Green), 10);
        break;
      case HudSample::BatteryLow:
        EXPECT_GT(CountPixels(*picture, right, Red), 10);
        break;
      case HudSample::Volume:
        EXPECT_GT(CountPixels(*picture, right, snapshot.theme == Theme::Leopard ? Blue : Light), 10);  // the bar's fill
        break;
      default:
        EXPECT_EQ(CountPixels(*picture, right, Green) + CountPixels(*picture, right, Red), 0);
        break;
    }
  }
}

TEST_F(SnapshotsToolTest, BadgesAndTheSymbolSheetAreDrawn) {
  for (const snapshots::BadgeSnapshot& badge : snapshots::BadgeSnapshots()) {
    SCOPED_TRACE(WideToUtf8(badge.file_name));
    const auto picture = Read(badge.file_name);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, badge.size);
    EXPECT_EQ(picture->height, badge.size);
    EXPECT_GT(picture->At(badge.size / 2, badge.size / 2)[3], 200);  // the page
    EXPECT_EQ(picture->At(0, 0)[3], 0);
  }
  const auto sheet = Read(snapshots::kSymbolSheet);
  ASSERT_TRUE(sheet);
  EXPECT_TRUE(testing::OpaqueBounds(*sheet));
}

}  // namespace
}  // namespace notch
