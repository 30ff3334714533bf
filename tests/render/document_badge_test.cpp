#include "render/document_badge.h"

#include <gtest/gtest.h>

#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

FontSet InterOnly() {
  FontSet fonts;
  fonts.text_font = L"Inter";
  fonts.icon_font = L"Segoe MDL2 Assets";
  fonts.installed = [](std::wstring_view family) { return family == L"Inter"; };
  return fonts;
}

// The page of a badge of size g, as the drawing lays it out.
struct PageBox {
  explicit PageBox(float size) : g(size) {}
  float g;
  float w = 0.74f * g, o = 0.94f * g;
  float left = g / 2 - w / 2, right = g / 2 + w / 2, top = g - o, bottom = g - 1.3f;
};

std::vector<const CanvasOp*> Texts(const testing::RecordingCanvas& canvas) { return canvas.Ops(K::DrawText); }

TEST(BadgeFamilyTest, ExtensionsChooseTheirFamily) {
  EXPECT_EQ(BadgeFamilyFor(L"gz"), BadgeFamily::Archive);
  EXPECT_EQ(BadgeFamilyFor(L"7z"), BadgeFamily::Archive);
  EXPECT_EQ(BadgeFamilyFor(L"json"), BadgeFamily::Text);
  EXPECT_EQ(BadgeFamilyFor(L"ps1"), BadgeFamily::Text);
  EXPECT_EQ(BadgeFamilyFor(L"opus"), BadgeFamily::Audio);
  EXPECT_EQ(BadgeFamilyFor(L"m4v"), BadgeFamily::Video);
  EXPECT_EQ(BadgeFamilyFor(L"svg"), BadgeFamily::Image);
  EXPECT_EQ(BadgeFamilyFor(L"pdf"), BadgeFamily::Pdf);
  EXPECT_EQ(BadgeFamilyFor(L"markdown"), BadgeFamily::Other);
  EXPECT_EQ(BadgeFamilyFor(L"JSON"), BadgeFamily::Other);  // the caller lower-cases
  EXPECT_EQ(BadgeFamilyFor(L""), BadgeFamily::Other);
}

TEST(BadgeFamilyTest, LabelsAreTheFirstFourCharactersUpperCased) {
  EXPECT_EQ(BadgeLabel(L"markdown"), L"MARK");
  EXPECT_EQ(BadgeLabel(L"7z"), L"7Z");
  EXPECT_EQ(BadgeLabel(L"appref-ms"), L"APPR");
  EXPECT_EQ(BadgeLabel(L"\u00e9t\u00e9s"), L"\u00e9T\u00e9S");  // only ASCII letters change
  EXPECT_EQ(BadgeLabel(L""), L"");
}

TEST(DocumentBadgeTest, APageWithAShadowAndAFoldedCorner) {
  testing::RecordingCanvas canvas;
  EXPECT_FALSE(DrawDocumentBadge(canvas, 7, L"txt", InterOnly()));
  EXPECT_TRUE(canvas.ops.empty());
  ASSERT_TRUE(DrawDocumentBadge(canvas, 32, L"zip", InterOnly()));
  const std::vector<K> paper = {K::PushTransform, K::FillPath, K::PopTransform, K::FillPath,
                                K::StrokePath,    K::FillPath, K::StrokePath};
  const std::vector<K> kinds = canvas.Kinds();
  ASSERT_GE(kinds.size(), paper.size());
  EXPECT_EQ(std::vector<K>(kinds.begin(), kinds.begin() + 7), paper);
  EXPECT_EQ(canvas.Ops(K::PushTransform)[0]->transform, Transform::Translation(0, 0.8f));
  const auto fills = canvas.Ops(K::FillPath);
  EXPECT_EQ(fills[0]->colour, Black(0.22f));
  EXPECT_EQ(fills[1]->colour, (Colour{0.985f, 0.985f, 0.985f}));
  EXPECT_EQ(fills[2]->colour, (Colour{0.86f, 0.86f, 0.87f}));
  for (const CanvasOp* edge : canvas.Ops(K::StrokePath)) EXPECT_EQ(edge->colour, Black(0.18f));

  const PageBox p(32);
  const PathData& page = canvas.paths[0][0];
  EXPECT_EQ(page.start, (PointF{p.left, p.top + 1.28f}));
  EXPECT_EQ(page.segments[1].end, (PointF{p.right - 0.24f * p.w, p.top}));
  EXPECT_EQ(page.segments[2].end, (PointF{p.right, p.top + 0.24f * p.w}));
  EXPECT_TRUE(page.closed);
}

TEST(DocumentBadgeTest, ArchivesGetAZipperAndNoLabel) {
  testing::RecordingCanvas canvas;
  ASSERT_TRUE(DrawDocumentBadge(canvas, 64, L"zip", InterOnly()));
  const PageBox p(64);
  const auto bars = canvas.Ops(K::FillRect);
  ASSERT_GE(bars.size(), 4u);
  const float step = 0.05f * 64;
  for (std::size_t k = 0; k < bars.size(); ++k) {
    EXPECT_NEAR(bars[k]->rect.height(), 0.55f * step, 1e-4f);
    EXPECT_LE(bars[k]->rect.bottom, p.top + 0.55f * p.o);
    EXPECT_EQ(bars[k]->rect.right == 32.0f, k % 2 == 0);  // left of the centre line, then right
    EXPECT_EQ(bars[k]->colour, (Colour{0.55f, 0.55f, 0.57f}));
  }
  EXPECT_GT(bars.back()->rect.bottom + step, p.top + 0.55f * p.o);
  const auto tab = canvas.Ops(K::FillRoundedRect);
  ASSERT_EQ(tab.size(), 1u);
  EXPECT_NEAR(tab[0]->rect.top, p.top + 0.56f * p.o, 1e-4f);
  EXPECT_NEAR(tab[0]->rect.bottom, p.top + 0.72f * p.o, 1e-4f);
  EXPECT_TRUE(Texts(canvas).empty());
}

TEST(DocumentBadgeTest, JsonGetsShorterTextLinesAndItsLabel) {
  testing::RecordingCanvas canvas;
  ASSERT_TRUE(DrawDocumentBadge(canvas, 64, L"json", InterOnly()));
  const PageBox p(64);
  const auto lines = canvas.Ops(K::FillRect);
  ASSERT_EQ(lines.size(), 6u);
  const float limit = p.bottom - 0.3f * p.o;
  EXPECT_NEAR(lines[0]->rect.top, p.top + 0.3f * p.o, 1e-4f);
  EXPECT_LE(lines.back()->rect.bottom, limit);
  EXPECT_GT(lines.back()->rect.bottom + 0.065f * 64, limit);
  EXPECT_NEAR(lines[0]->rect.width(), 0.68f * p.w, 1e-4f);
  EXPECT_NEAR(lines[3]->rect.width(), 0.55f * 0.68f * p.w, 1e-4f);
  EXPECT_NEAR(lines[0]->rect.left, p.left + 0.16f * p.w, 1e-4f);

  const auto texts = Texts(canvas);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->text, L"JSON");
  EXPECT_EQ(texts[0]->format, (TextFormat{L"Inter", 0.13f * 64, 700, TextAlignment::Centre, false}));
  EXPECT_EQ(texts[0]->colour, (Colour{0.5f, 0.5f, 0.52f}));
  EXPECT_NEAR(texts[0]->rect.top, p.bottom - 0.27f * p.o, 1e-4f);
  EXPECT_NEAR(texts[0]->rect.bottom, p.bottom - 0.06f * p.o, 1e-4f);
}

TEST(DocumentBadgeTest, PlainTextLinesRunLowerAndHaveNoLabel) {
  testing::RecordingCanvas canvas;
  ASSERT_TRUE(DrawDocumentBadge(canvas, 64, L"txt", InterOnly()));
  const PageBox p(64);
  EXPECT_LE(canvas.Ops(K::FillRect).back()->rect.bottom, p.bottom - 0.12f * p.o);
  EXPECT_GT(canvas.Ops(K::FillRect).size(), 6u);
  EXPECT_TRUE(Texts(canvas).empty());
}

TEST(DocumentBadgeTest, UnknownTypesShowTheirExtensionInTheFamilyColour) {
  testing::RecordingCanvas canvas;
  ASSERT_TRUE(DrawDocumentBadge(canvas, 64, L"markdown", InterOnly()));
  const PageBox p(64);
  const auto texts = Texts(canvas);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->text, L"MARK");
  EXPECT_FLOAT_EQ(texts[0]->format.size, 0.15f * 64);
  EXPECT_EQ(texts[0]->colour, (Colour{0.45f, 0.45f, 0.48f}));
  EXPECT_NEAR(texts[0]->rect.top, p.top + 0.45f * p.o, 1e-4f);
  EXPECT_NEAR(texts[0]->rect.bottom, p.top + 0.75f * p.o, 1e-4f);
}

TEST(DocumentBadgeTest, MediaGetsAGlyphAndAGreyLabelFrom28Pixels) {
  testing::RecordingCanvas canvas;
  ASSERT_TRUE(DrawDocumentBadge(canvas, 32, L"mp3", InterOnly()));
  const PageBox p(32);
  const auto texts = Texts(canvas);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0]->text, std::wstring(1, L'\xE8D6'));
  EXPECT_EQ(texts[0]->format, (TextFormat{L"Segoe MDL2 Assets", 0.34f * 32, 400, TextAlignment::Centre, false}));
  EXPECT_EQ(texts[0]->colour, (Colour{0.93f, 0.27f, 0.45f}));
  EXPECT_NEAR(texts[0]->rect.top, p.top + 0.15f * p.o, 1e-4f);
  EXPECT_EQ(texts[1]->text, L"MP3");
  EXPECT_FLOAT_EQ(texts[1]->format.size, 6.0f);  // 0.15 g is below the smallest size
  EXPECT_EQ(texts[1]->colour, (Colour{0.5f, 0.5f, 0.52f}));
  EXPECT_NEAR(texts[1]->rect.top, p.top + 0.66f * p.o, 1e-4f);

  canvas.ops.clear();
  ASSERT_TRUE(DrawDocumentBadge(canvas, 24, L"mp3", InterOnly()));
  EXPECT_EQ(Texts(canvas).size(), 1u);  // the glyph, no label
}

}  // namespace
}  // namespace notch
