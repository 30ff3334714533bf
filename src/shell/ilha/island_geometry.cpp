#include "shell/ilha/island_geometry.h"

#include <algorithm>
#include <cmath>

namespace notch {
namespace {

constexpr float kPrivacyWidth = 24.0f;
constexpr float kWidestMedia = 472.0f;

float MediaWidth(IslandState state, const GeometryInputs& in) {
  const float privacy = in.privacy ? kPrivacyWidth : 0.0f;
  const float base_width = (in.style == IslandStyle::Notch ? 264.0f : 232.0f) + privacy;
  if (state != IslandState::Media || !in.lyrics_timed) return base_width;
  const float lyric_width = (in.countdown_running ? 118.0f : 78.0f) + in.lyric_width + privacy;
  return std::min(std::max(lyric_width, base_width), kWidestMedia);
}

SizeF ExpandedContentSize(const GeometryInputs& in) {
  if (in.page == page::kQuickControls) {
    return {std::max(in.panel_size.width + 22.0f, 300.0f), in.panel_size.height + 14.0f};
  }
  if (in.page == page::kMedia && in.track_exists) {
    return {std::clamp(in.lyric_width + 106.0f, 300.0f, 432.0f), 106.0f + (in.lyrics_panel_open ? 18.0f : 0.0f)};
  }
  return {300.0f, 106.0f};
}

ShapeGeometry PillGeometry(IslandState state, const GeometryInputs& in) {
  const float privacy = in.privacy ? kPrivacyWidth : 0.0f;
  switch (state) {
    case IslandState::Hidden:
      return {90, 14, 7, 7};
    case IslandState::Idle:
      return {112 + privacy, 22, 11, 11};
    case IslandState::Media:
    case IslandState::Timer:
      return {MediaWidth(state, in), 22, 11, 11};
    case IslandState::Hud:
      return {244, 22, 11, 11};
    case IslandState::Notification:
      return {320, 54, 20, 20};
    case IslandState::Expanded: {
      const SizeF content = ExpandedContentSize(in);
      const float radius = in.theme == Theme::GoldenGate ? 30.0f : in.theme == Theme::Leopard ? 12.0f : 24.0f;
      return {content.width, content.height + 28, radius, radius};
    }
  }
  return {};
}

ShapeGeometry NotchGeometry(IslandState state, const GeometryInputs& in) {
  const bool leopard = in.theme == Theme::Leopard;
  const float n = in.notch_height;
  const float privacy = in.privacy ? kPrivacyWidth : 0.0f;
  const float upper = leopard ? 0.0f : 6.0f;
  const float lower = leopard ? 6.0f : 9.0f;
  switch (state) {
    case IslandState::Hidden:
      return {128.8f, n * 0.5f, leopard ? 0.0f : 4.0f, leopard ? 4.0f : 6.0f};
    case IslandState::Idle:
      return {184 + privacy, n, upper, lower};
    case IslandState::Media:
    case IslandState::Timer:
      return {MediaWidth(state, in), n, upper, lower};
    case IslandState::Hud:
      return {316, n, upper, lower};
    case IslandState::Notification:
      return leopard ? ShapeGeometry{320, n + 50, 0, 10} : ShapeGeometry{344, n + 50, 12, 20};
    case IslandState::Expanded: {
      const SizeF content = ExpandedContentSize(in);
      return leopard ? ShapeGeometry{content.width, n + content.height, 0, 10}
                     : ShapeGeometry{content.width + 38, n + content.height, 19, 24};
    }
  }
  return {};
}

float RegionMargin(IslandStyle style, Theme theme) {
  return style != IslandStyle::Notch || theme == Theme::Leopard ? 4.0f : 1.0f;
}

}  // namespace

ShapeGeometry TargetGeometry(IslandState state, const GeometryInputs& inputs) {
  return inputs.style == IslandStyle::Notch ? NotchGeometry(state, inputs) : PillGeometry(state, inputs);
}

float NotchHeight(unsigned monitor_dpi, float scale, Theme theme) {
  const float base = theme == Theme::Tahoe || theme == Theme::GoldenGate ? 30.0f
                     : theme == Theme::Leopard                           ? 22.0f
                                                                         : 26.0f;
  const float pixels = std::round(static_cast<float>(monitor_dpi) * base / 96.0f);
  return std::max(pixels / scale, 18.0f);
}

float ShapeTop(IslandStyle style, float notch_height) {
  return style == IslandStyle::Notch ? 0.0f : std::max(0.0f, (notch_height - 22.0f) / 2.0f);
}

RectF ShapeRect(float width, float height, IslandStyle style, float notch_height) {
  const float w = std::max(width, 1.0f);
  const float h = std::max(height, 1.0f);
  const float top = ShapeTop(style, notch_height);
  return {(kCanvasWidth - w) / 2.0f, top, (kCanvasWidth + w) / 2.0f, top + h};
}

PixelRect RegionRect(float width, float height, IslandStyle style, Theme theme, float notch_height, float scale,
                     float opacity, float opacity_target) {
  if (opacity < 0.05f && opacity_target == 0.0f) return {};
  const float w = std::max(width, 1.0f);
  const float h = std::max(height, 1.0f);
  const float k = ShapeTop(style, notch_height);
  const float margin = RegionMargin(style, theme);
  return {static_cast<int>(std::floor(((kCanvasWidth - w) / 2.0f - margin) * scale)),
          static_cast<int>(std::floor(std::max(k - margin, 0.0f) * scale)),
          static_cast<int>(std::ceil(((kCanvasWidth + w) / 2.0f + margin) * scale)),
          static_cast<int>(std::ceil((k + h + margin) * scale))};
}

PixelRect WindowPlacement(const PixelRect& monitor, float scale) {
  const int width = static_cast<int>(std::lround(kCanvasWidth * scale));
  const int height = static_cast<int>(std::lround(kCanvasHeight * scale));
  const int left = monitor.left + (monitor.width() - width) / 2;
  return {left, monitor.top, left + width, monitor.top + height};
}

PixelRect RevealStrip(const PixelRect& monitor, float reveal_width, float scale) {
  const int width = std::min(static_cast<int>(std::lround(reveal_width * scale)), monitor.width());
  const int left = monitor.left + (monitor.width() - width) / 2;
  return {left, monitor.top, left + width, monitor.top + static_cast<int>(std::ceil(3.0f * scale))};
}

SurfaceSize DrawingSurfaceSize(float scale, bool tall) {
  return {static_cast<int>(std::lround(kCanvasWidth * scale)),
          static_cast<int>(std::ceil((tall ? kCanvasHeight : kCompactSurfaceHeight) * scale))};
}

}  // namespace notch
