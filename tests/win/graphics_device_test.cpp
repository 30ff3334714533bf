#include <gtest/gtest.h>

#include <vector>

#include "render/graphics_device_win.h"

namespace notch {
namespace {

TEST(GraphicsDeviceTest, DeviceIsCreatedOnceAndUploadsWholePixelBuffers) {
  ID2D1DeviceContext* context = EnsureGraphicsDevice();
  ASSERT_NE(context, nullptr);
  EXPECT_EQ(EnsureGraphicsDevice(), context);

  std::vector<std::uint8_t> pixels(3 * 2 * 4, 0x80);
  const auto bitmap = CreateBitmapFromPixels(context, 3, 2, pixels);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->GetPixelSize().width, 3u);
  EXPECT_EQ(bitmap->GetPixelSize().height, 2u);

  pixels.pop_back();  // one byte short
  EXPECT_EQ(CreateBitmapFromPixels(context, 3, 2, pixels), nullptr);
  EXPECT_EQ(CreateBitmapFromPixels(context, 0, 2, pixels), nullptr);
}

}  // namespace
}  // namespace notch
