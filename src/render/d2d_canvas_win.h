#pragma once
// The canvas on a Direct2D render target (a device context or the DC render
// target of the layered surface).
#include <d2d1_1.h>
#include <wrl/client.h>

#include "render/canvas.h"

namespace notch {

class D2DCanvas final : public Canvas {
 public:
  D2DCanvas(ID2D1Factory* factory, ID2D1RenderTarget* target) : factory_(factory), target_(target) {}

  std::unique_ptr<CanvasPath> CreatePath(const PathData& path) override;
  void FillPath(const CanvasPath& path, const Brush& brush) override;
  void StrokePath(const CanvasPath& path, const Brush& brush, float width) override;
  void FillRect(const RectF& rect, const Brush& brush) override;
  void FillRoundedRect(const RectF& rect, float radius, const Brush& brush) override;
  void StrokeRoundedRect(const RectF& rect, float radius, const Brush& brush, float width) override;
  void PushLayer(const CanvasPath& mask, float opacity) override;
  void PopLayer() override;
  void SetTranslation(float dx, float dy) override;

  ID2D1RenderTarget* target() const { return target_; }

 private:
  Microsoft::WRL::ComPtr<ID2D1Brush> MakeBrush(const Brush& brush);

  ID2D1Factory* factory_;
  ID2D1RenderTarget* target_;
};

}  // namespace notch
