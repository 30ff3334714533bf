#pragma once
// A canvas that records every call, for tests of painting code. Text is
// measured by a fixed rule: each character is half the format's size wide.
#include <memory>
#include <string>
#include <vector>

#include "render/canvas.h"

namespace notch::testing {

struct CanvasOp {
  enum class Kind {
    CreatePath,
    FillPath,
    StrokePath,
    FillRect,
    FillRoundedRect,
    StrokeRoundedRect,
    DrawText,
    DrawBitmap,
    PushLayer,
    PopLayer,
    PushTransform,
    PopTransform,
    PushClip,
    PopClip,
  };
  Kind kind = Kind::FillRect;
  int path = -1;  // the path made or used; -1 for none (a layer without a mask)
  RectF rect;     // rectangles, text boxes, bitmap destinations
  float radius = 0.0f;
  float width = 0.0f;    // strokes
  float opacity = 1.0f;  // layers and bitmaps
  LineStyle line_style = LineStyle::Sharp;
  // The brush.
  Colour colour;
  std::vector<GradientStop> stops;
  PointF start, end;
  // Text.
  std::wstring text;
  TextFormat format;
  // The transform in force for drawing calls; the one pushed for PushTransform.
  Transform transform;

  bool gradient() const { return !stops.empty(); }
};

class RecordingCanvas final : public Canvas {
 public:
  static constexpr float kCharacterWidth = 0.5f;  // times the format's size

  using Canvas::CreatePath;
  const void* PathDomain() const override { return domain_; }
  std::unique_ptr<CanvasPath> CreatePath(std::span<const PathData> figures) override {
    const int id = static_cast<int>(paths.size());
    paths.emplace_back(figures.begin(), figures.end());
    CanvasOp op;
    op.kind = CanvasOp::Kind::CreatePath;
    op.path = id;
    ops.push_back(op);
    return std::make_unique<Path>(id);
  }
  void FillPath(const CanvasPath& path, const Brush& brush) override {
    Record(CanvasOp::Kind::FillPath, brush).path = IdOf(path);
  }
  void StrokePath(const CanvasPath& path, const Brush& brush, float width, LineStyle style) override {
    CanvasOp& op = Record(CanvasOp::Kind::StrokePath, brush);
    op.path = IdOf(path);
    op.width = width;
    op.line_style = style;
  }
  void FillRect(const RectF& rect, const Brush& brush) override { Record(CanvasOp::Kind::FillRect, brush).rect = rect; }
  void FillRoundedRect(const RectF& rect, float radius, const Brush& brush) override {
    CanvasOp& op = Record(CanvasOp::Kind::FillRoundedRect, brush);
    op.rect = rect;
    op.radius = radius;
  }
  void StrokeRoundedRect(const RectF& rect, float radius, const Brush& brush, float width) override {
    CanvasOp& op = Record(CanvasOp::Kind::StrokeRoundedRect, brush);
    op.rect = rect;
    op.radius = radius;
    op.width = width;
  }
  void DrawText(std::wstring_view text, const TextFormat& format, const RectF& box, const Brush& brush) override {
    CanvasOp& op = Record(CanvasOp::Kind::DrawText, brush);
    op.text = text;
    op.format = format;
    op.rect = box;
  }
  float MeasureTextWidth(std::wstring_view text, const TextFormat& format) override {
    return static_cast<float>(text.size()) * kCharacterWidth * format.size;
  }
  const void* BitmapDomain() const override { return this; }
  std::unique_ptr<CanvasBitmap> CreateBitmap(int width, int height, std::span<const std::uint8_t> pixels) override {
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<std::size_t>(width) * height * 4) return nullptr;
    return std::make_unique<CanvasBitmap>();
  }
  void DrawBitmap(const CanvasBitmap&, const RectF& destination, float opacity) override {
    CanvasOp& op = Record(CanvasOp::Kind::DrawBitmap, Brush{});
    op.rect = destination;
    op.opacity = opacity;
  }
  void PushLayer(const CanvasPath* mask, float opacity) override {
    CanvasOp& op = Record(CanvasOp::Kind::PushLayer, Brush{});
    op.path = mask != nullptr ? IdOf(*mask) : -1;
    op.opacity = opacity;
  }
  void PopLayer() override { Record(CanvasOp::Kind::PopLayer, Brush{}); }
  void PushClip(const RectF& rect) override { Record(CanvasOp::Kind::PushClip, Brush{}).rect = rect; }
  void PopClip() override { Record(CanvasOp::Kind::PopClip, Brush{}); }
  void PushTransform(const Transform& transform) override {
    Record(CanvasOp::Kind::PushTransform, Brush{}).transform = transform;
    transforms_.push_back(transform * current());
  }
  void PopTransform() override {
    Record(CanvasOp::Kind::PopTransform, Brush{});
    if (!transforms_.empty()) transforms_.pop_back();
  }

  // Paths made on another recording canvas with the same domain may be drawn here.
  void ShareDomainWith(const RecordingCanvas& other) { domain_ = other.domain_; }

  std::vector<const CanvasOp*> Ops(CanvasOp::Kind kind) const {
    std::vector<const CanvasOp*> found;
    for (const CanvasOp& op : ops) {
      if (op.kind == kind) found.push_back(&op);
    }
    return found;
  }
  // Every drawing call, without path creation.
  std::vector<CanvasOp::Kind> Kinds() const {
    std::vector<CanvasOp::Kind> kinds;
    for (const CanvasOp& op : ops) {
      if (op.kind != CanvasOp::Kind::CreatePath) kinds.push_back(op.kind);
    }
    return kinds;
  }
  void Clear() { ops.clear(); }

  std::vector<CanvasOp> ops;
  std::vector<std::vector<PathData>> paths;  // by id

 private:
  class Path final : public CanvasPath {
   public:
    explicit Path(int path_id) : id(path_id) {}
    int id;
  };
  static int IdOf(const CanvasPath& path) { return static_cast<const Path&>(path).id; }
  Transform current() const { return transforms_.empty() ? Transform{} : transforms_.back(); }

  CanvasOp& Record(CanvasOp::Kind kind, const Brush& brush) {
    CanvasOp op;
    op.kind = kind;
    op.colour = brush.colour;
    op.stops.assign(brush.stops.begin(), brush.stops.end());
    op.start = brush.start;
    op.end = brush.end;
    op.transform = current();
    ops.push_back(std::move(op));
    return ops.back();
  }

  const void* domain_ = this;
  std::vector<Transform> transforms_;
};

}  // namespace notch::testing
