#include "screen_pixels_win.h"

#include <algorithm>
#include <cstring>

namespace notch::snapshots {

std::vector<std::uint8_t> ScreenPixels(const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return {};
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr) {
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    std::memcpy(pixels.data(), bits, pixels.size());
    SelectObject(memory, previous);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  for (std::size_t i = 3; i < pixels.size(); i += 4) pixels[i] = 255;
  return pixels;
}

std::optional<RECT> DarkBounds(const RECT& window_area) {
  // Only what is on the screen: a capture reads black beyond its edges, and
  // a window taller than the screen (the island's at 192 DPI on a 720-pixel
  // screen) would otherwise seem dark to its bottom.
  const RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                    GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                    GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  RECT area{};
  if (!IntersectRect(&area, &window_area, &screen)) return std::nullopt;
  const std::vector<std::uint8_t> pixels = ScreenPixels(area);
  const int width = area.right - area.left;
  std::optional<RECT> bounds;
  for (std::size_t i = 0; i + 3 < pixels.size(); i += 4) {
    if (pixels[i] > 64 || pixels[i + 1] > 64 || pixels[i + 2] > 64) continue;
    const int x = static_cast<int>((i / 4) % static_cast<std::size_t>(width));
    const int y = static_cast<int>((i / 4) / static_cast<std::size_t>(width));
    if (!bounds) bounds = RECT{x, y, x + 1, y + 1};
    bounds->left = std::min<LONG>(bounds->left, x);
    bounds->top = std::min<LONG>(bounds->top, y);
    bounds->right = std::max<LONG>(bounds->right, x + 1);
    bounds->bottom = std::max<LONG>(bounds->bottom, y + 1);
  }
  if (bounds) OffsetRect(&*bounds, area.left, area.top);
  return bounds;
}

}  // namespace notch::snapshots
