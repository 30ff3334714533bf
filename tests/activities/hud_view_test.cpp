#include "activities/hud_view.h"

#include <gtest/gtest.h>

#include "host/language.h"
#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

// A 244 x 22 HUD pill at (128, 4): L = 132, R = 361, cy = 15.
constexpr RectF kPill{128, 4, 372, 26};

std::wstring Glyph(const wchar_t* symbol) { return std::wstring(1, static_cast<wchar_t>(*SymbolCodePoint(symbol))); }

class HudViewTest : public ::testing::Test {
 protected:
  HudViewTest() {
    SetLanguageFlag(kPortuguese);
    fonts_.text_font = L"Inter";
    fonts_.icon_font = L"Segoe Fluent Icons";
    formats_ = IslandTextFormats(fonts_, Theme::Sequoia);
    record_.style = IslandStyle::Pill;
  }
  ~HudViewTest() override { SetLanguageFlag(kLanguageUnknown); }

  void Draw(const RectF& shape = kPill, float upper_radius = 11.0f) {
    canvas_.Clear();
    const MediaSnapshot media;
    const Countdown countdown;
    DrawHud(canvas_, {IslandState::Hud, record_, media, countdown, shape, upper_radius, 1.0f, 30.0f, 0.0}, formats_,
            symbols_);
  }
  void Volume(float level, bool muted) {
    record_.hud_kind = HudKind::Volume;
    record_.hud_volume_level = level;
    record_.hud_muted = muted;
    Draw();
  }
  void Battery(int percent, bool charging) {
    record_.hud_kind = HudKind::Battery;
    record_.battery_percent = percent;
    record_.on_ac_power = charging;
    Draw();
  }
  const CanvasOp& Icon() const { return *canvas_.Ops(K::DrawText).front(); }
  const CanvasOp& Text() const { return *canvas_.Ops(K::DrawText).back(); }

  FontSet fonts_;
  IslandTextFormats formats_;
  Symbols symbols_{L""};
  IslandRecord record_;
  testing::RecordingCanvas canvas_;
};

TEST(HudModelTest, VolumeIconsFollowTheLevel) {
  EXPECT_STREQ(VolumeSymbol(0.0f, false), L"speaker.slash.fill");
  EXPECT_STREQ(VolumeSymbol(0.0009f, false), L"speaker.slash.fill");
  EXPECT_STREQ(VolumeSymbol(0.001f, false), L"speaker.wave.1.fill");
  EXPECT_STREQ(VolumeSymbol(0.339f, false), L"speaker.wave.1.fill");
  EXPECT_STREQ(VolumeSymbol(0.34f, false), L"speaker.wave.2.fill");
  EXPECT_STREQ(VolumeSymbol(0.669f, false), L"speaker.wave.2.fill");
  EXPECT_STREQ(VolumeSymbol(0.67f, false), L"speaker.wave.3.fill");
  EXPECT_STREQ(VolumeSymbol(1.0f, true), L"speaker.slash.fill");
}

TEST(HudModelTest, EdgesKeepTheStylesMargins) {
  const HudEdges pill = HudEdgesIn(IslandStyle::Pill, kPill, 11.0f);
  EXPECT_EQ(pill.left, 132.0f);
  EXPECT_EQ(pill.right, 361.0f);
  EXPECT_EQ(pill.centre_y, 15.0f);
  EXPECT_EQ(HudEdgesIn(IslandStyle::ActivityOnly, kPill, 11.0f).left, 132.0f);
  // The notch: 316 wide from the screen edge, upper radius 6.
  const HudEdges notch = HudEdgesIn(IslandStyle::Notch, {92, 0, 408, 30}, 6.0f);
  EXPECT_EQ(notch.left, 92.0f + 6.0f + 6.0f);
  EXPECT_EQ(notch.right, 408.0f - 10.0f - 6.0f);
  EXPECT_EQ(notch.centre_y, 15.0f);
}

TEST_F(HudViewTest, VolumeShowsItsSpeakerAndALevelBarOfTheLevel) {
  Volume(0.5f, false);
  ASSERT_EQ(canvas_.Kinds(), (std::vector<K>{K::DrawText, K::FillRoundedRect, K::FillRoundedRect}));
  EXPECT_EQ(Icon().text, Glyph(L"speaker.wave.2.fill"));
  EXPECT_EQ(Icon().rect, SymbolGlyphBox({134, 9.5f, 151, 20.5f}));  // L + 2 ... L + 19, cy +- 5.5
  EXPECT_EQ(Icon().colour, White());
  EXPECT_EQ(Icon().format, formats_[TextRole::Icon12]);
  const auto bars = canvas_.Ops(K::FillRoundedRect);
  EXPECT_EQ(bars[0]->rect, (RectF{277, 13, 361, 17}));  // R - 84 ... R, cy +- 2
  EXPECT_EQ(bars[0]->colour, White(0.2f));
  EXPECT_EQ(bars[1]->rect, (RectF{277, 13, 277 + 42, 17}));
  EXPECT_EQ(bars[1]->colour, White(0.92f));
}

TEST_F(HudViewTest, MutingShowsTheSlashedSpeakerAndAnEmptyBarWhateverTheLevel) {
  Volume(0.8f, true);
  EXPECT_EQ(Icon().text, Glyph(L"speaker.slash.fill"));
  const auto bars = canvas_.Ops(K::FillRoundedRect);
  ASSERT_EQ(bars.size(), 2u);
  // Fraction 0: the fill keeps only its round end, as wide as the bar is high.
  EXPECT_EQ(bars[1]->rect.width(), bars[1]->rect.height());
  Volume(1.0f, false);
  EXPECT_EQ(Icon().text, Glyph(L"speaker.wave.3.fill"));
  EXPECT_EQ(canvas_.Ops(K::FillRoundedRect)[1]->rect.width(), 84.0f);
}

TEST_F(HudViewTest, TheLevelBarTakesTheLeopardLook) {
  record_.theme = Theme::Leopard;
  Volume(0.25f, false);
  ASSERT_EQ(canvas_.Ops(K::StrokeRoundedRect).size(), 1u);
  EXPECT_EQ(canvas_.Ops(K::FillRoundedRect)[0]->colour, Black(0.55f));
  EXPECT_EQ(canvas_.Ops(K::FillRoundedRect)[1]->rect.width(), 21.0f);
}

TEST_F(HudViewTest, CapsLockOnIsGreenAndOffIsDimAndTranslated) {
  record_.hud_kind = HudKind::CapsLock;
  record_.caps_lock_on = true;
  Draw();
  ASSERT_EQ(canvas_.Kinds(), (std::vector<K>{K::DrawText, K::DrawText}));
  EXPECT_EQ(Icon().text, L"\xE765");
  EXPECT_EQ(Icon().rect, (RectF{132, 6, 154, 24}));  // L ... L + 22, cy +- 9
  EXPECT_EQ(Icon().format, formats_[TextRole::Icon12]);
  EXPECT_EQ(Icon().colour, kHudGreen);
  EXPECT_EQ(Text().text, L"Caps Lock");
  EXPECT_EQ(Text().rect, (RectF{231, 7, 361, 23}));  // R - 130 ... R, cy +- 8
  EXPECT_EQ(Text().format, formats_[TextRole::BoldTrailing]);
  EXPECT_EQ(Text().format.size, 11.0f);
  EXPECT_EQ(Text().format.weight, 600);
  EXPECT_EQ(Text().colour, kHudGreen);

  record_.caps_lock_on = false;
  Draw();
  EXPECT_EQ(Icon().colour, White(0.55f));
  EXPECT_EQ(Text().text, L"Caps Lock desligado");
  EXPECT_EQ(Text().colour, White(0.55f));
  SetLanguageFlag(kEnglish);
  Draw();
  EXPECT_EQ(Text().text, L"Caps Lock off");
}

TEST_F(HudViewTest, UnpluggingAtFiftyFivePercentShowsAWhiteHalfBattery) {
  Battery(55, false);
  ASSERT_EQ(canvas_.Kinds(), (std::vector<K>{K::DrawText, K::DrawText}));
  EXPECT_EQ(Icon().text, Glyph(L"battery.50percent"));
  EXPECT_EQ(Icon().rect, SymbolGlyphBox({134, 8.5f, 156, 21.5f}));  // L + 2 ... L + 24, cy +- 6.5
  EXPECT_EQ(Icon().colour, White());
  EXPECT_EQ(Text().text, L"55%");
  EXPECT_EQ(Text().rect, (RectF{301, 7, 361, 23}));  // R - 60 ... R, cy +- 8
  EXPECT_EQ(Text().format, formats_[TextRole::BoldTrailing]);
  EXPECT_EQ(Text().colour, White());
}

TEST_F(HudViewTest, ChargingShowsAGreenBolt) {
  Battery(10, true);
  EXPECT_EQ(Icon().text, Glyph(L"bolt.fill"));
  EXPECT_EQ(Icon().rect, SymbolGlyphBox({134, 8.5f, 144, 21.5f}));  // L + 2 ... L + 12
  EXPECT_EQ(Icon().colour, kHudGreen);
  EXPECT_EQ(Text().text, L"10%");
  EXPECT_EQ(Text().colour, kHudGreen);
}

TEST_F(HudViewTest, TheBatteryTurnsRedBelowTwentyOnePercent) {
  for (const auto& [percent, colour] : {std::pair{21, White()}, {20, kHudRed}, {10, kHudRed}, {5, kHudRed}}) {
    SCOPED_TRACE(percent);
    Battery(percent, false);
    EXPECT_EQ(Icon().colour, colour);
    EXPECT_EQ(Text().colour, colour);
    EXPECT_EQ(Text().text, std::to_wstring(percent) + L"%");
  }
}

TEST_F(HudViewTest, TheNotchKeepsItsFlaresClear) {
  record_.style = IslandStyle::Notch;
  record_.hud_kind = HudKind::Battery;
  record_.battery_percent = 80;
  record_.on_ac_power = false;
  Draw({92, 0, 408, 30}, 6.0f);
  EXPECT_EQ(Text().rect.right, 392.0f);
  EXPECT_EQ(Icon().rect, SymbolGlyphBox({106, 8.5f, 128, 21.5f}));
}

TEST_F(HudViewTest, AnUnknownIconDrawsNothingButTheText) {
  record_.hud_kind = HudKind::Battery;
  record_.battery_percent = 42;
  record_.on_ac_power = false;
  HudFace face = HudFaceOf(record_, HudEdgesIn(IslandStyle::Pill, kPill, 11.0f));
  face.symbol = L"no.such.symbol";
  DrawHudFace(canvas_, face, Theme::Sequoia, formats_, symbols_);
  ASSERT_EQ(canvas_.Kinds(), (std::vector<K>{K::DrawText}));
  EXPECT_EQ(Text().text, L"42%");
}

}  // namespace
}  // namespace notch
