#include "render/symbols.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/recording_canvas.h"
#include "support/temp_folder.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

const TextFormat kIconFormat{L"Segoe Fluent Icons", 12.0f, 400, TextAlignment::Centre, false};
constexpr Colour kColour{0.2f, 0.4f, 0.6f, 1.0f};

TEST(SymbolTableTest, NamesAreExact) {
  EXPECT_EQ(SymbolCodePoint(L"music.note"), u'\xEC4F');
  EXPECT_EQ(SymbolCodePoint(L"forward.fill"), u'\xEB9D');
  EXPECT_EQ(SymbolCodePoint(L"battery.50percent"), u'\xEBA5');
  EXPECT_EQ(SymbolCodePoint(L"speaker.wave.3.fill"), u'\xE995');
  EXPECT_FALSE(SymbolCodePoint(L"Timer"));
  EXPECT_FALSE(SymbolCodePoint(L"speaker.wave.4.fill"));
}

TEST(SymbolsTest, WithoutAFolderTheGlyphIsDrawnInABoxCentredOnTheRectangle) {
  testing::RecordingCanvas canvas;
  Symbols symbols(L"");
  symbols.DrawSymbol(canvas, L"speaker.wave.2.fill", {100, 10, 140, 30}, kColour, kIconFormat);
  ASSERT_EQ(canvas.Kinds(), std::vector<K>{K::DrawText});
  const CanvasOp& glyph = canvas.ops[0];
  EXPECT_EQ(glyph.text, std::wstring(1, L'\xE994'));
  EXPECT_EQ(glyph.rect, (RectF{110, 11, 130, 29}));
  EXPECT_EQ(glyph.format, kIconFormat);
  EXPECT_EQ(glyph.colour, kColour);
}

TEST(SymbolsTest, AnUnknownNameDrawsNothing) {
  testing::RecordingCanvas canvas;
  Symbols symbols(L"");
  symbols.DrawSymbol(canvas, L"star.fill", {0, 0, 20, 20}, kColour, kIconFormat);
  EXPECT_FALSE(symbols.DrawSvgSymbol(canvas, L"", {0, 0, 20, 20}, kColour));
  EXPECT_TRUE(canvas.ops.empty());
}

TEST(SymbolPlacementTest, FitsTheBoundsKeepingTheirAspect) {
  // A 24 x 24 drawing in a 40 x 20 box: scaled by 20 / 24, centred across.
  EXPECT_EQ(SvgPlacement({0, 0, 24, 24}, {0, 0, 40, 20}), Transform::ScaleThenMove(20.0f / 24.0f, 10.0f, 0.0f));
  // Bounds off the origin move back to the box's corner.
  EXPECT_EQ(SvgPlacement({4, 2, 14, 22}, {0, 0, 20, 20}), Transform::ScaleThenMove(1.0f, 1.0f, -2.0f));
  // Flat bounds count as at least 1 unit.
  EXPECT_EQ(SvgPlacement({0, 5, 10, 5}, {0, 0, 20, 20}), Transform::ScaleThenMove(2.0f, 0.0f, -1.0f));
}

class SvgSymbolsTest : public ::testing::Test {
 protected:
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(folder_.path() / (name + ".svg"), std::ios::binary) << text;
  }
  Symbols MakeSymbols() const { return Symbols(folder_.path().wstring()); }

  testing::TempFolder folder_;
  testing::RecordingCanvas canvas_;
};

TEST_F(SvgSymbolsTest, AFileOfTheNameReplacesTheGlyph) {
  Write("music.note", "<svg width='24' height='24'><path d='M 0 0 L 24 0 L 24 24 L 0 24 Z'/></svg>");
  Symbols symbols = MakeSymbols();
  symbols.DrawSymbol(canvas_, L"music.note", {0, 0, 40, 20}, kColour, kIconFormat);
  ASSERT_EQ(canvas_.Kinds(), (std::vector<K>{K::PushTransform, K::FillPath, K::StrokePath, K::PopTransform}));
  const CanvasOp& outline = *canvas_.Ops(K::StrokePath)[0];
  EXPECT_EQ(canvas_.Ops(K::PushTransform)[0]->transform, Transform::ScaleThenMove(20.0f / 24.0f, 10.0f, 0.0f));
  EXPECT_EQ(outline.width, 1.0f);
  EXPECT_EQ(outline.colour, kColour);
  ASSERT_EQ(canvas_.paths.size(), 1u);
  EXPECT_EQ(canvas_.paths[0][0].start, (PointF{0, 24}));

  // The geometry is kept; a canvas of another domain gets its own.
  symbols.DrawSymbol(canvas_, L"music.note", {0, 0, 40, 20}, kColour, kIconFormat);
  EXPECT_EQ(canvas_.paths.size(), 1u);
  testing::RecordingCanvas other;
  symbols.DrawSymbol(other, L"music.note", {0, 0, 40, 20}, kColour, kIconFormat);
  EXPECT_EQ(other.paths.size(), 1u);
}

TEST_F(SvgSymbolsTest, FilesWithoutASizeOrWithDoubleQuotesFallBackToTheGlyph) {
  Write("timer", "<svg height='24'><path d='M 0 0 L 24 24'/></svg>");
  Write("bolt.fill", "<svg width=\"24\" height=\"24\"><path d=\"M 0 0 L 24 24\"/></svg>");
  Symbols symbols = MakeSymbols();
  symbols.DrawSymbol(canvas_, L"timer", {0, 0, 20, 20}, kColour, kIconFormat);
  symbols.DrawSymbol(canvas_, L"bolt.fill", {0, 0, 20, 20}, kColour, kIconFormat);
  EXPECT_EQ(canvas_.Kinds(), (std::vector<K>{K::DrawText, K::DrawText}));
}

TEST_F(SvgSymbolsTest, EachFileIsReadOnceEvenWhenItWasMissing) {
  Symbols symbols = MakeSymbols();
  EXPECT_EQ(symbols.LoadSvg(L"play.fill"), nullptr);
  Write("play.fill", "<svg width='24' height='24'><path d='M 0 0 L 24 24'/></svg>");
  EXPECT_EQ(symbols.LoadSvg(L"play.fill"), nullptr);
  EXPECT_NE(MakeSymbols().LoadSvg(L"play.fill"), nullptr);  // as after a restart
}

}  // namespace
}  // namespace notch
