#include "activities/lyric_line_view.h"

#include <algorithm>

#include "common/text.h"

namespace notch {
namespace {

bool IsRightToLeft(char32_t c) {
  return (c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF) ||
         (c >= 0x10800 && c <= 0x10FFF) || (c >= 0x1E800 && c <= 0x1EFFF);
}

bool IsStrongLeftToRight(char32_t c) {
  return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
         (c >= 0x00C0 && c <= 0x058F && c != 0x00D7 && c != 0x00F7) || (c >= 0x0900 && c <= 0x1FFF) ||
         (c >= 0x3040 && c <= 0xFAFF);
}

constexpr float kUnsungAlpha = 0.52f;

}  // namespace

Colour LyricColour(Colour tint, bool lyrics_loaded) {
  if (!lyrics_loaded) return tint;
  const auto lighten = [](float c) { return c + (1.0f - c) * 0.2f; };
  return {lighten(tint.r), lighten(tint.g), lighten(tint.b), tint.a};
}

bool StartsRightToLeft(std::wstring_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    if (IsRightToLeft(c)) return true;
    if (IsStrongLeftToRight(c)) return false;
  }
  return false;
}

float SungWidth(const lyrics::Line& line, double position_ms, const std::function<float(std::wstring_view)>& measure) {
  const std::wstring_view text = line.text;
  if (line.words.empty()) return measure(text);
  float sung = 0.0f;
  for (const lyrics::Word& word : line.words) {
    const auto offset = static_cast<std::size_t>(std::max(word.offset, 0));
    const auto end = std::min(text.size(), offset + static_cast<std::size_t>(std::max(word.length, 0)));
    if (offset > text.size()) break;
    if (word.end <= position_ms) {
      sung = measure(text.substr(0, end));
      continue;
    }
    if (word.start < position_ms && word.end > word.start) {
      const float before = measure(text.substr(0, offset));
      const float after = measure(text.substr(0, end));
      const double fraction = (position_ms - word.start) / (word.end - word.start);
      sung = before + static_cast<float>(fraction) * (after - before);
    }
    break;
  }
  return sung;
}

void DrawLyricLine(Canvas& canvas, const lyrics::Line& line, const RectF& box, const TextFormat& format, Colour colour,
                   float opacity, double position_ms) {
  const Colour full = WithAlpha(colour, colour.a * opacity);
  if (line.words.empty()) {
    canvas.DrawText(line.text, format, box, Brush::Solid(full));
    return;
  }
  const auto measure = [&](std::wstring_view part) { return canvas.MeasureTextWidth(part, format); };
  const float width = std::min(measure(line.text), box.width());
  const float sung = std::min(SungWidth(line, position_ms, measure), width);
  canvas.DrawText(line.text, format, box, Brush::Solid(WithAlpha(full, full.a * kUnsungAlpha)));
  if (sung <= 0.0f) return;

  float start = box.left;
  if (format.alignment == TextAlignment::Centre) start = box.centre().x - width / 2.0f;
  if (format.alignment == TextAlignment::Trailing) start = box.right - width;
  const bool rtl = StartsRightToLeft(line.text);
  const RectF clip = rtl ? RectF{start + width - sung, box.top, start + width, box.bottom}
                         : RectF{start, box.top, start + sung, box.bottom};
  canvas.PushClip(clip);
  canvas.DrawText(line.text, format, box, Brush::Solid(full));
  canvas.PopClip();
}

void DrawLyricTransition(Canvas& canvas, const lyrics::Line& old_line, const lyrics::Line& new_line, const RectF& box,
                         const TextFormat& format, Colour colour, float progress, double position_ms) {
  const float height = box.height();
  canvas.PushClip(box);
  canvas.PushTransform(Transform::Translation(0.0f, -progress * height));
  DrawLyricLine(canvas, old_line, box, format, colour, 1.0f - progress,
                old_line.end > 0 ? old_line.end : lyrics::kMaxLyricTimeMs);
  canvas.PopTransform();
  canvas.PushTransform(Transform::Translation(0.0f, (1.0f - progress) * height));
  DrawLyricLine(canvas, new_line, box, format, colour, progress, position_ms);
  canvas.PopTransform();
  canvas.PopClip();
}

}  // namespace notch
