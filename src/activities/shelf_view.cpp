#include "activities/shelf_view.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "host/translate.h"
#include "render/button_highlight.h"

namespace notch {
namespace {

constexpr wchar_t kDropGlyph = 0xE7B8;
constexpr wchar_t kFileGlyph = 0xE8A5;
constexpr float kTileStep = 56.0f;
constexpr float kTileWidth = 52.0f;
constexpr float kPictureSize = 34.0f;

// A walk along a rounded rectangle's outline, clockwise from the start of
// its top edge.
class Outline {
 public:
  Outline(const RectF& rect, float radius) : rect_(rect) {
    r_ = std::clamp(radius, 0.0f, std::min(rect.width(), rect.height()) / 2.0f);
    const float w = rect.width() - 2.0f * r_, h = rect.height() - 2.0f * r_;
    const float arc = static_cast<float>(std::numbers::pi / 2.0) * r_;
    lengths_ = {w, arc, h, arc, w, arc, h, arc};
  }
  // Whether the point `s` along the outline lies on a corner.
  bool OnCorner(float s) const {
    for (std::size_t i = 0; i < lengths_.size(); ++i) {
      if (s <= lengths_[i]) return i % 2 == 1;
      s -= lengths_[i];
    }
    return false;
  }
  float length() const {
    float total = 0.0f;
    for (const float l : lengths_) total += l;
    return total;
  }
  PointF At(float s) const {
    const RectF& b = rect_;
    for (std::size_t i = 0; i < lengths_.size(); ++i) {
      if (s <= lengths_[i] || i + 1 == lengths_.size()) {
        const float t = lengths_[i] > 0.0f ? std::clamp(s / lengths_[i], 0.0f, 1.0f) : 0.0f;
        switch (i) {
          case 0:
            return {b.left + r_ + t * lengths_[0], b.top};
          case 2:
            return {b.right, b.top + r_ + t * lengths_[2]};
          case 4:
            return {b.right - r_ - t * lengths_[4], b.bottom};
          case 6:
            return {b.left, b.bottom - r_ - t * lengths_[6]};
          default: {
            // Corners: a quarter turn around the corner's centre.
            const std::array<PointF, 4> centres = {{{b.right - r_, b.top + r_},
                                                    {b.right - r_, b.bottom - r_},
                                                    {b.left + r_, b.bottom - r_},
                                                    {b.left + r_, b.top + r_}}};
            const PointF c = centres[i / 2];
            const double angle = (static_cast<double>(i / 2) + t) * std::numbers::pi / 2.0;
            return {c.x + r_ * static_cast<float>(std::sin(angle)), c.y - r_ * static_cast<float>(std::cos(angle))};
          }
        }
      }
      s -= lengths_[i];
    }
    return {b.left + r_, b.top};
  }

 private:
  RectF rect_;
  float r_ = 0.0f;
  std::array<float, 8> lengths_{};
};

RectF Fitted(const RectF& box, int width, int height) {
  const float scale = std::min(box.width() / static_cast<float>(width), box.height() / static_cast<float>(height));
  const float w = static_cast<float>(width) * scale, h = static_cast<float>(height) * scale;
  const PointF c = box.centre();
  return {c.x - w / 2.0f, c.y - h / 2.0f, c.x + w / 2.0f, c.y + h / 2.0f};
}

}  // namespace

const CanvasBitmap* ShelfIcons::Get(Canvas& canvas, const std::wstring& path) {
  auto [it, added] = icons_.try_emplace(path);
  Icon& icon = it->second;
  if (added) {
    ++pictures_asked_;
    if (source_) icon.picture = source_(path);
  }
  if (!icon.picture) return nullptr;
  // One try per canvas domain: a bitmap the canvas refused stays missing.
  if (icon.domain != canvas.BitmapDomain()) {
    icon.bitmap = canvas.CreateBitmap(icon.picture->width, icon.picture->height, icon.picture->pixels);
    icon.domain = canvas.BitmapDomain();
  }
  return icon.bitmap.get();
}

ShelfIcons::Size ShelfIcons::SizeOf(const std::wstring& path) const {
  const auto it = icons_.find(path);
  if (it == icons_.end() || !it->second.picture) return {};
  return {it->second.picture->width, it->second.picture->height};
}

void ShelfIcons::Prune(const std::vector<std::wstring>& kept) {
  std::erase_if(icons_,
                [&](const auto& icon) { return std::find(kept.begin(), kept.end(), icon.first) == kept.end(); });
}

std::vector<PathData> DashedRoundedRect(const RectF& rect, float radius, float dash, float gap) {
  std::vector<PathData> dashes;
  if (dash <= 0.0f || gap < 0.0f || rect.width() <= 0.0f || rect.height() <= 0.0f) return dashes;
  const Outline outline(rect, radius);
  const float total = outline.length();
  constexpr float kStep = 1.0f;  // corners are followed in short steps
  for (float s = 0.0f; s < total; s += dash + gap) {
    const float end = std::min(s + dash, total);
    PathData figure{outline.At(s), {}, false};
    for (float at = s + kStep;; at += kStep) {
      const float point = std::min(at, end);
      // Straight stretches are one line each: collinear joins make stray
      // spikes on some renderers.
      if (point >= end || outline.OnCorner(point) || outline.OnCorner(point - kStep)) {
        figure.LineTo(outline.At(point));
      }
      if (point >= end) break;
    }
    dashes.push_back(std::move(figure));
  }
  return dashes;
}

std::wstring ShelfItemName(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  // A drive or share root has no name after its separator: show it whole.
  if (slash == std::wstring::npos || slash + 1 == path.size()) return path;
  return path.substr(slash + 1);
}

int ShelfView::TilesThatFit(float box_width) {
  return std::max(0, static_cast<int>(std::floor((box_width - 24.0f) / kTileStep)));
}

void ShelfView::Draw(Canvas& canvas, const ShelfPageInputs& in, const IslandTextFormats& formats, HitRegions& hits) {
  if (in.entries.empty() || in.drag_hovering) {
    DrawDropZone(canvas, in, formats);
  } else {
    DrawTiles(canvas, in, formats, hits);
  }
}

void ShelfView::DrawDropZone(Canvas& canvas, const ShelfPageInputs& in, const IslandTextFormats& formats) {
  const RectF& b = in.box;
  const RectF zone{b.left + 12.0f, b.top + 2.0f, b.right - 12.0f, b.top + 92.0f};
  const float radius = in.record.theme == Theme::Leopard ? 6.0f : 14.0f;
  const bool hovering = in.drag_hovering;
  if (hovering) canvas.FillRoundedRect(zone, radius, Brush::Solid(White(0.08f)));
  if (!zone_ || zone_domain_ != canvas.PathDomain() || !(zone_rect_ == zone) || zone_radius_ != radius) {
    zone_ = canvas.CreatePath(DashedRoundedRect(zone, radius, 4.0f, 3.0f));
    zone_rect_ = zone;
    zone_radius_ = radius;
    zone_domain_ = canvas.PathDomain();
  }
  if (zone_) canvas.StrokePath(*zone_, Brush::Solid(White(hovering ? 0.6f : 0.25f)), 1.0f, LineStyle::Round);

  const Colour text = White(hovering ? 1.0f : 0.55f);
  const float cy = zone.centre().y;
  canvas.DrawText(std::wstring(1, kDropGlyph), formats[TextRole::Icon20], {zone.left, cy - 24.0f, zone.right, cy},
                  Brush::Solid(text));
  canvas.DrawText(Translate(L"Arraste arquivos para cá"), formats[TextRole::SmallCentred],
                  {zone.left, cy + 2.0f, zone.right, cy + 18.0f}, Brush::Solid(text));
}

void ShelfView::DrawTiles(Canvas& canvas, const ShelfPageInputs& in, const IslandTextFormats& formats,
                          HitRegions& hits) {
  const RectF& b = in.box;
  const IslandRecord& r = in.record;
  const int count = std::min(TilesThatFit(b.width()), static_cast<int>(in.entries.size()));
  const int first = static_cast<int>(in.entries.size()) - count;
  const float radius = r.theme == Theme::Leopard ? 5.0f : 10.0f;
  for (int k = 0; k < count; ++k) {
    const int index = first + k;
    const std::wstring& path = in.entries[static_cast<std::size_t>(index)];
    const float x = b.left + 12.0f + kTileStep * static_cast<float>(k);
    const RectF tile{x, b.top + 2.0f, x + kTileWidth, b.top + 72.0f};
    const HitItem item{shelf_hit::kItem, index};
    if (r.hovered_item == item) {
      DrawButtonHighlight(canvas, tile, radius, r.theme,
                          r.pressed_item == item ? ButtonState::Pressed : ButtonState::Hovered);
    }
    const PointF centre{x + kTileWidth / 2.0f, b.top + 24.0f};
    const RectF picture_box{centre.x - kPictureSize / 2.0f, centre.y - kPictureSize / 2.0f,
                            centre.x + kPictureSize / 2.0f, centre.y + kPictureSize / 2.0f};
    const CanvasBitmap* bitmap = icons_.Get(canvas, path);
    const ShelfIcons::Size size = icons_.SizeOf(path);
    if (bitmap && size.width > 0 && size.height > 0) {
      canvas.DrawBitmap(*bitmap, Fitted(picture_box, size.width, size.height), 1.0f);
    } else {
      canvas.DrawText(std::wstring(1, kFileGlyph), formats[TextRole::Icon20], picture_box, Brush::Solid(White(0.55f)));
    }
    canvas.DrawText(ShelfItemName(path), formats[TextRole::SmallCentred],
                    {x + 2.0f, b.top + 46.0f, x + 50.0f, b.top + 62.0f}, Brush::Solid(White()));
    hits.Add(item.kind, tile, item.index);
  }

  const RectF clear{b.right - 62.0f, b.top + 76.0f, b.right - 12.0f, b.top + 106.0f};
  const bool hovered = r.hovered_item.kind == shelf_hit::kClear;
  canvas.DrawText(Translate(L"Limpar"), formats[TextRole::SmallTrailing], clear,
                  Brush::Solid(White(hovered ? 1.0f : 0.55f)));
  hits.Add(shelf_hit::kClear, clear);
}

}  // namespace notch
