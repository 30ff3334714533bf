#pragma once
// Reads what the screen shows, to check the island's pixels.
#include <windows.h>

#include <optional>
#include <vector>

namespace notch::testing {

// The bounding box (screen pixels) of dark pixels inside `area`, or nothing
// when there are none. The island is black; the test desktop is white.
inline std::optional<RECT> DarkPixelBounds(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
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
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  std::optional<RECT> bounds;
  const auto* pixels = static_cast<const unsigned char*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const unsigned char* p = pixels + (static_cast<std::size_t>(y) * width + x) * 4;
      if (p[0] > 64 || p[1] > 64 || p[2] > 64) continue;
      if (!bounds) {
        bounds = RECT{x, y, x + 1, y + 1};
      } else {
        bounds->left = std::min<LONG>(bounds->left, x);
        bounds->top = std::min<LONG>(bounds->top, y);
        bounds->right = std::max<LONG>(bounds->right, x + 1);
        bounds->bottom = std::max<LONG>(bounds->bottom, y + 1);
      }
    }
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (bounds) OffsetRect(&*bounds, area.left, area.top);
  return bounds;
}

}  // namespace notch::testing
