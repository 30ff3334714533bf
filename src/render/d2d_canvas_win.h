#pragma once
// The canvas on a Direct2D render target (a device context, the DC render
// target of the layered surface or a WIC bitmap's target). Only what every
// kind of render target offers is used. Bitmaps belong to the target that
// made them; paths and text formats to the factory and DirectWrite.
#include <d2d1_1.h>
#include <wrl/client.h>

#include <vector>

#include "render/canvas.h"

namespace notch {

// Wine's Direct2D (8.x) takes gradient stop colours as premultiplied and
// has no layers. A canvas made for it premultiplies the stops itself and
// builds layers from offscreen bitmaps.
enum class Direct2DImplementation { Windows, Wine };

// The Direct2D this process runs on (Wine's ntdll exports its version).
Direct2DImplementation RunningDirect2D();

class D2DCanvas final : public Canvas {
 public:
  D2DCanvas(ID2D1Factory* factory, ID2D1RenderTarget* target,
            Direct2DImplementation implementation = Direct2DImplementation::Windows)
      : factory_(factory), target_(target), drawing_(target), implementation_(implementation) {}

  using Canvas::CreatePath;
  const void* PathDomain() const override { return factory_; }
  const void* BitmapDomain() const override { return target_; }
  std::unique_ptr<CanvasPath> CreatePath(std::span<const PathData> figures) override;
  void FillPath(const CanvasPath& path, const Brush& brush) override;
  void StrokePath(const CanvasPath& path, const Brush& brush, float width, LineStyle style) override;
  void FillRect(const RectF& rect, const Brush& brush) override;
  void FillRoundedRect(const RectF& rect, float radius, const Brush& brush) override;
  void StrokeRoundedRect(const RectF& rect, float radius, const Brush& brush, float width) override;
  void DrawText(std::wstring_view text, const TextFormat& format, const RectF& box, const Brush& brush) override;
  float MeasureTextWidth(std::wstring_view text, const TextFormat& format) override;
  std::unique_ptr<CanvasBitmap> CreateBitmap(int width, int height, std::span<const std::uint8_t> pixels) override;
  void DrawBitmap(const CanvasBitmap& bitmap, const RectF& destination, float opacity) override;
  void PushLayer(const CanvasPath* mask, float opacity) override;
  void PushClip(const RectF& rect) override;
  void PopClip() override;
  void PopLayer() override;
  void PushTransform(const Transform& transform) override;
  void PopTransform() override;

  ID2D1RenderTarget* target() const { return target_; }

 private:
  // A layer drawn into an offscreen bitmap, for Direct2D without layers.
  struct BitmapLayer {
    Microsoft::WRL::ComPtr<ID2D1BitmapRenderTarget> target;
    ID2D1RenderTarget* parent = nullptr;
    ID2D1Geometry* mask = nullptr;
    float opacity = 1.0f;
  };

  Microsoft::WRL::ComPtr<ID2D1Brush> MakeBrush(const Brush& brush);
  ID2D1StrokeStyle* StrokeStyleFor(LineStyle style);
  void PushBitmapLayer(ID2D1Geometry* mask, float opacity);
  void PopBitmapLayer();

  ID2D1Factory* factory_;
  ID2D1RenderTarget* target_;
  ID2D1RenderTarget* drawing_;  // the target, or the innermost bitmap layer
  Direct2DImplementation implementation_;
  Microsoft::WRL::ComPtr<ID2D1StrokeStyle> round_stroke_;
  std::vector<D2D1_MATRIX_3X2_F> saved_transforms_;
  std::vector<BitmapLayer> bitmap_layers_;
};

}  // namespace notch
