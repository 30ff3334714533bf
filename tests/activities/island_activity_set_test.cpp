#include "activities/island_activity_set.h"

#include <gtest/gtest.h>

#include "common/ini_document.h"
#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

FontSet InterAndLucida() {
  FontSet fonts;
  fonts.text_font = L"Inter";
  fonts.installed = [](std::wstring_view family) { return family == L"Lucida Sans Unicode"; };
  return fonts;
}

class IslandActivitySetTest : public ::testing::Test {
 protected:
  IslandActivitySetTest() {
    record_.style = IslandStyle::Pill;
    record_.card = NoticeCard{L"Timer concluído", L"5:00", kTimerGlyph, kTimerOrange, {}, {}};
  }
  void Draw(IslandState state, float opacity) {
    activities_.DrawContent(canvas_,
                            {state, record_, media_, countdown_, {90, 4, 410, 58}, 20.0f, opacity, 30.0f, 0.0});
  }

  FontSet fonts_ = InterAndLucida();
  IniDocument file_;
  Settings settings_{file_};
  IslandActivitySet activities_{fonts_, settings_, {}};
  IslandRecord record_;
  MediaSnapshot media_;
  Countdown countdown_;
  testing::RecordingCanvas canvas_;
};

TEST_F(IslandActivitySetTest, TheNotificationStateDrawsTheRecordsCard) {
  Draw(IslandState::Notification, 1.0f);
  const auto texts = canvas_.Ops(K::DrawText);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[1]->text, L"Timer concluído");
  EXPECT_EQ(texts[1]->rect.left, 146.0f);
  EXPECT_EQ(canvas_.Ops(K::PushLayer).size(), 0u);
}

TEST_F(IslandActivitySetTest, AFadingCardIsDrawnInALayerOfItsOpacity) {
  Draw(IslandState::Notification, 0.4f);
  ASSERT_GE(canvas_.ops.size(), 2u);
  EXPECT_EQ(canvas_.ops.front().kind, K::PushLayer);
  EXPECT_EQ(canvas_.ops.front().path, -1);
  EXPECT_FLOAT_EQ(canvas_.ops.front().opacity, 0.4f);
  EXPECT_EQ(canvas_.ops.back().kind, K::PopLayer);
}

TEST_F(IslandActivitySetTest, StatesWithoutAnActivityDrawNothing) {
  for (const IslandState state : {IslandState::Idle}) Draw(state, 1.0f);
  EXPECT_TRUE(canvas_.ops.empty());
}

TEST_F(IslandActivitySetTest, TheHudStateDrawsTheRecordsHud) {
  record_.hud_kind = HudKind::Battery;
  record_.on_ac_power = false;
  record_.battery_percent = 42;
  Draw(IslandState::Hud, 1.0f);
  const auto texts = canvas_.Ops(K::DrawText);
  ASSERT_EQ(texts.size(), 2u);  // the battery glyph and the percentage
  EXPECT_EQ(texts[1]->text, L"42%");
  EXPECT_EQ(texts[1]->rect.right, 410.0f - 11.0f);
}

TEST_F(IslandActivitySetTest, AThemeChangeRemakesTheTextFormats) {
  EXPECT_EQ(activities_.text_formats()[TextRole::Title].family, L"Inter");
  activities_.ApplyThemeColours(static_cast<unsigned>(Theme::Leopard));
  EXPECT_EQ(activities_.text_formats()[TextRole::Title].family, L"Lucida Sans Unicode");
  Draw(IslandState::Notification, 1.0f);
  EXPECT_EQ(canvas_.Ops(K::DrawText)[1]->format.weight, 700);
  activities_.ApplyThemeColours(static_cast<unsigned>(Theme::Tahoe));
  EXPECT_EQ(activities_.text_formats()[TextRole::Title].family, L"Inter");
}

}  // namespace
}  // namespace notch
