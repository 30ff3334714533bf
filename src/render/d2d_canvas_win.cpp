#include "render/d2d_canvas_win.h"

#include <d2d1helper.h>

#include "render/fonts_win.h"
#include "render/graphics_device_win.h"

namespace notch {
namespace {

using Microsoft::WRL::ComPtr;

class D2DPath final : public CanvasPath {
 public:
  ComPtr<ID2D1PathGeometry> geometry;
};

class D2DBitmap final : public CanvasBitmap {
 public:
  ComPtr<ID2D1Bitmap> bitmap;
};

D2D1_POINT_2F Point(PointF p) { return D2D1::Point2F(p.x, p.y); }
D2D1_COLOR_F Colour2D(const Colour& c) { return D2D1::ColorF(c.r, c.g, c.b, c.a); }
D2D1_RECT_F Rect2D(const RectF& r) { return D2D1::RectF(r.left, r.top, r.right, r.bottom); }

ID2D1Geometry* GeometryOf(const CanvasPath& path) { return static_cast<const D2DPath&>(path).geometry.Get(); }

void AddFigure(ID2D1GeometrySink* sink, const PathData& figure) {
  sink->BeginFigure(Point(figure.start), D2D1_FIGURE_BEGIN_FILLED);
  for (const PathSegment& segment : figure.segments) {
    switch (segment.kind) {
      case PathSegment::Kind::Line:
        sink->AddLine(Point(segment.end));
        break;
      case PathSegment::Kind::Quadratic:
        sink->AddQuadraticBezier(D2D1::QuadraticBezierSegment(Point(segment.control), Point(segment.end)));
        break;
      case PathSegment::Kind::Arc:
        sink->AddArc(D2D1::ArcSegment(Point(segment.end), D2D1::SizeF(segment.radius, segment.radius), 0.0f,
                                      D2D1_SWEEP_DIRECTION_CLOCKWISE, D2D1_ARC_SIZE_SMALL));
        break;
    }
  }
  sink->EndFigure(figure.closed ? D2D1_FIGURE_END_CLOSED : D2D1_FIGURE_END_OPEN);
}

}  // namespace

std::unique_ptr<CanvasPath> D2DCanvas::CreatePath(std::span<const PathData> figures) {
  auto path = std::make_unique<D2DPath>();
  ComPtr<ID2D1GeometrySink> sink;
  if (FAILED(factory_->CreatePathGeometry(&path->geometry)) || FAILED(path->geometry->Open(&sink))) {
    path->geometry.Reset();
    return path;
  }
  sink->SetFillMode(D2D1_FILL_MODE_WINDING);
  for (const PathData& figure : figures) {
    // Wine draws arcs as straight lines and strokes curves with stray
    // spikes; short lines along them look right.
    AddFigure(sink.Get(), implementation_ == Direct2DImplementation::Wine ? AsPolyline(figure, 8) : figure);
  }
  if (FAILED(sink->Close())) path->geometry.Reset();
  return path;
}

ComPtr<ID2D1Brush> D2DCanvas::MakeBrush(const Brush& brush) {
  ComPtr<ID2D1Brush> result;
  if (brush.stops.empty()) {
    ComPtr<ID2D1SolidColorBrush> solid;
    if (SUCCEEDED(drawing_->CreateSolidColorBrush(Colour2D(brush.colour), &solid))) result = solid;
    return result;
  }
  std::vector<D2D1_GRADIENT_STOP> stops;
  stops.reserve(brush.stops.size());
  const bool premultiply = implementation_ == Direct2DImplementation::Wine;
  for (const GradientStop& stop : brush.stops) {
    const Colour& c = stop.colour;
    stops.push_back({stop.position, premultiply ? D2D1::ColorF(c.r * c.a, c.g * c.a, c.b * c.a, c.a) : Colour2D(c)});
  }
  ComPtr<ID2D1GradientStopCollection> collection;
  ComPtr<ID2D1LinearGradientBrush> linear;
  if (SUCCEEDED(drawing_->CreateGradientStopCollection(stops.data(), static_cast<UINT32>(stops.size()), &collection)) &&
      SUCCEEDED(drawing_->CreateLinearGradientBrush(
          D2D1::LinearGradientBrushProperties(Point(brush.start), Point(brush.end)), collection.Get(), &linear))) {
    result = linear;
  }
  return result;
}

ID2D1StrokeStyle* D2DCanvas::StrokeStyleFor(LineStyle style) {
  if (style == LineStyle::Sharp) return nullptr;
  if (!round_stroke_) {
    factory_->CreateStrokeStyle(
        D2D1::StrokeStyleProperties(D2D1_CAP_STYLE_ROUND, D2D1_CAP_STYLE_ROUND, D2D1_CAP_STYLE_ROUND,
                                    D2D1_LINE_JOIN_ROUND, 10.0f, D2D1_DASH_STYLE_SOLID, 0.0f),
        nullptr, 0, &round_stroke_);
  }
  return round_stroke_.Get();
}

void D2DCanvas::FillPath(const CanvasPath& path, const Brush& brush) {
  ID2D1Geometry* geometry = GeometryOf(path);
  if (const auto b = MakeBrush(brush); b && geometry != nullptr) drawing_->FillGeometry(geometry, b.Get());
}

void D2DCanvas::StrokePath(const CanvasPath& path, const Brush& brush, float width, LineStyle style) {
  ID2D1Geometry* geometry = GeometryOf(path);
  if (const auto b = MakeBrush(brush); b && geometry != nullptr) {
    drawing_->DrawGeometry(geometry, b.Get(), width, StrokeStyleFor(style));
  }
}

void D2DCanvas::FillRect(const RectF& rect, const Brush& brush) {
  if (const auto b = MakeBrush(brush)) drawing_->FillRectangle(Rect2D(rect), b.Get());
}

void D2DCanvas::FillRoundedRect(const RectF& rect, float radius, const Brush& brush) {
  if (const auto b = MakeBrush(brush))
    drawing_->FillRoundedRectangle(D2D1::RoundedRect(Rect2D(rect), radius, radius), b.Get());
}

void D2DCanvas::StrokeRoundedRect(const RectF& rect, float radius, const Brush& brush, float width) {
  if (const auto b = MakeBrush(brush)) {
    drawing_->DrawRoundedRectangle(D2D1::RoundedRect(Rect2D(rect), radius, radius), b.Get(), width);
  }
}

void D2DCanvas::DrawText(std::wstring_view text, const TextFormat& format, const RectF& box, const Brush& brush) {
  IDWriteTextFormat* platform_format = DirectWriteFormat(format);
  if (platform_format == nullptr || text.empty()) return;
  if (const auto b = MakeBrush(brush)) {
    drawing_->DrawText(text.data(), static_cast<UINT32>(text.size()), platform_format, Rect2D(box), b.Get(),
                       D2D1_DRAW_TEXT_OPTIONS_CLIP);
  }
}

float D2DCanvas::MeasureTextWidth(std::wstring_view text, const TextFormat& format) {
  return MeasureTextWidthWithDirectWrite(text, format);
}

std::unique_ptr<CanvasBitmap> D2DCanvas::CreateBitmap(int width, int height, std::span<const std::uint8_t> pixels) {
  auto bitmap = std::make_unique<D2DBitmap>();
  bitmap->bitmap = CreateBitmapFromPixels(drawing_, width, height, pixels);
  if (!bitmap->bitmap) return nullptr;
  return bitmap;
}

void D2DCanvas::DrawBitmap(const CanvasBitmap& bitmap, const RectF& destination, float opacity) {
  drawing_->DrawBitmap(static_cast<const D2DBitmap&>(bitmap).bitmap.Get(), Rect2D(destination), opacity,
                       D2D1_BITMAP_INTERPOLATION_MODE_LINEAR);
}

Direct2DImplementation RunningDirect2D() {
  static const Direct2DImplementation running = [] {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr ? Direct2DImplementation::Wine
                                                                                    : Direct2DImplementation::Windows;
  }();
  return running;
}

void D2DCanvas::PushLayer(const CanvasPath* mask, float opacity) {
  ID2D1Geometry* geometry = mask != nullptr ? GeometryOf(*mask) : nullptr;
  if (implementation_ == Direct2DImplementation::Wine) {
    PushBitmapLayer(geometry, opacity);
    return;
  }
  // Without a layer object Direct2D sizes the layer itself (Windows 8 on).
  drawing_->PushLayer(D2D1::LayerParameters(D2D1::InfiniteRect(), geometry, D2D1_ANTIALIAS_MODE_PER_PRIMITIVE,
                                            D2D1::IdentityMatrix(), opacity),
                      nullptr);
}

void D2DCanvas::PushClip(const RectF& rect) {
  drawing_->PushAxisAlignedClip(Rect2D(rect), D2D1_ANTIALIAS_MODE_ALIASED);
}

void D2DCanvas::PopClip() { drawing_->PopAxisAlignedClip(); }

void D2DCanvas::PopLayer() {
  if (implementation_ == Direct2DImplementation::Wine) {
    PopBitmapLayer();
    return;
  }
  drawing_->PopLayer();
}

void D2DCanvas::PushBitmapLayer(ID2D1Geometry* mask, float opacity) {
  BitmapLayer layer{nullptr, drawing_, mask, opacity};
  if (FAILED(drawing_->CreateCompatibleRenderTarget(&layer.target))) layer.target.Reset();
  if (layer.target) {
    D2D1_MATRIX_3X2_F transform;
    drawing_->GetTransform(&transform);
    layer.target->SetTextAntialiasMode(drawing_->GetTextAntialiasMode());
    layer.target->BeginDraw();
    layer.target->Clear(D2D1::ColorF(0.0f, 0.0f, 0.0f, 0.0f));
    layer.target->SetTransform(transform);
    drawing_ = layer.target.Get();
  }
  bitmap_layers_.push_back(std::move(layer));
}

void D2DCanvas::PopBitmapLayer() {
  if (bitmap_layers_.empty()) return;
  BitmapLayer layer = std::move(bitmap_layers_.back());
  bitmap_layers_.pop_back();
  drawing_ = layer.parent;
  ComPtr<ID2D1Bitmap> bitmap;
  if (!layer.target || FAILED(layer.target->EndDraw()) || FAILED(layer.target->GetBitmap(&bitmap))) return;
  // The bitmap holds device space; the mask is in the space of the push.
  D2D1_MATRIX_3X2_F transform;
  drawing_->GetTransform(&transform);
  if (layer.mask == nullptr) {
    drawing_->SetTransform(D2D1::Matrix3x2F::Identity());
    const D2D1_SIZE_F size = bitmap->GetSize();
    drawing_->DrawBitmap(bitmap.Get(), D2D1::RectF(0.0f, 0.0f, size.width, size.height), layer.opacity,
                         D2D1_BITMAP_INTERPOLATION_MODE_NEAREST_NEIGHBOR);
    drawing_->SetTransform(transform);
    return;
  }
  ComPtr<ID2D1BitmapBrush> brush;
  if (FAILED(drawing_->CreateBitmapBrush(bitmap.Get(), &brush))) return;
  D2D1::Matrix3x2F to_device = *D2D1::Matrix3x2F::ReinterpretBaseType(&transform);
  to_device.Invert();
  brush->SetTransform(to_device);
  brush->SetOpacity(layer.opacity);
  brush->SetInterpolationMode(D2D1_BITMAP_INTERPOLATION_MODE_NEAREST_NEIGHBOR);
  drawing_->FillGeometry(layer.mask, brush.Get());
}

void D2DCanvas::PushTransform(const Transform& t) {
  D2D1_MATRIX_3X2_F current;
  drawing_->GetTransform(&current);
  saved_transforms_.push_back(current);
  drawing_->SetTransform(D2D1::Matrix3x2F(t.m11, t.m12, t.m21, t.m22, t.dx, t.dy) *
                         *D2D1::Matrix3x2F::ReinterpretBaseType(&current));
}

void D2DCanvas::PopTransform() {
  if (saved_transforms_.empty()) return;
  drawing_->SetTransform(saved_transforms_.back());
  saved_transforms_.pop_back();
}

}  // namespace notch
