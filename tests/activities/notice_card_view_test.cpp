#include "activities/notice_card_view.h"

#include <gtest/gtest.h>

#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

constexpr NoticeCardArea kArea{90.0f, 410.0f, 52.0f};

class NoticeCardViewTest : public ::testing::Test {
 protected:
  NoticeCardViewTest() {
    fonts_.text_font = L"Inter";
    formats_ = IslandTextFormats(fonts_, Theme::Sequoia);
  }
  void Draw(const NoticeCard& card) { DrawNoticeCard(canvas_, card, kArea, formats_); }

  FontSet fonts_;
  IslandTextFormats formats_;
  testing::RecordingCanvas canvas_;
};

TEST_F(NoticeCardViewTest, BadgeTitleAndSubtitle) {
  NoticeCard card{L"Download concluído", L"report.pdf", kDownloadGlyph, kDownloadBlue, {}, {}};
  Draw(card);
  ASSERT_EQ(canvas_.Kinds(), (std::vector<K>{K::FillRoundedRect, K::DrawText, K::DrawText, K::DrawText}));
  const CanvasOp& circle = canvas_.ops[0];
  EXPECT_EQ(circle.rect, (RectF{104, 36, 136, 68}));
  EXPECT_EQ(circle.radius, 16.0f);
  EXPECT_EQ(circle.colour, WithAlpha(kDownloadBlue, 0.22f));
  const CanvasOp& glyph = canvas_.ops[1];
  EXPECT_EQ(glyph.text, std::wstring(1, L'\xE896'));
  EXPECT_EQ(glyph.rect, circle.rect);
  EXPECT_EQ(glyph.format, formats_[TextRole::Icon12]);
  EXPECT_EQ(glyph.colour, kDownloadBlue);
  const CanvasOp& title = canvas_.ops[2];
  EXPECT_EQ(title.text, L"Download concluído");
  EXPECT_EQ(title.rect, (RectF{146, 36, 394, 53}));
  EXPECT_EQ(title.format, formats_[TextRole::Title]);
  EXPECT_EQ(title.colour, White());
  const CanvasOp& subtitle = canvas_.ops[3];
  EXPECT_EQ(subtitle.rect, (RectF{146, 53, 394, 68}));
  EXPECT_EQ(subtitle.format, formats_[TextRole::Secondary]);
  EXPECT_EQ(subtitle.colour, White(0.55f));
}

TEST_F(NoticeCardViewTest, WithoutSubtitleTheTitleIsCentredOnTheBadge) {
  Draw(NoticeCard{L"Timer concluído", L"", kTimerGlyph, kTimerOrange, {}, {}});
  const auto texts = canvas_.Ops(K::DrawText);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1]->rect, (RectF{146, 44, 394, 61}));
}

TEST_F(NoticeCardViewTest, ALongTitleIsTrimmedWithAnEllipsisBeforeTheRightMargin) {
  Draw(NoticeCard{std::wstring(200, L'W'), L"", 0, White(), {}, {}});
  const CanvasOp& title = *canvas_.Ops(K::DrawText).back();
  EXPECT_EQ(title.rect.right, kArea.right - 16);
  EXPECT_TRUE(title.format.ellipsis);
}

TEST_F(NoticeCardViewTest, GlyphZeroShowsOnlyTheTintedCircle) {
  Draw(NoticeCard{L"Mensagem", L"", 0, {1, 1, 1, 1}, {}, {}});
  ASSERT_EQ(canvas_.Kinds(), (std::vector<K>{K::FillRoundedRect, K::DrawText}));
  EXPECT_EQ(canvas_.ops[1].text, L"Mensagem");
}

TEST_F(NoticeCardViewTest, ABadgeDrawerTakesTheBadgesPlace) {
  RectF given;
  NoticeCard card{L"Download concluído", L"photo.png", kDownloadGlyph, kDownloadBlue, {}, {}};
  card.badge_drawer = [&](Canvas& canvas, const RectF& box) {
    given = box;
    canvas.FillRect(box, Brush::Solid(Black()));
  };
  Draw(card);
  EXPECT_EQ(given, (RectF{104, 36, 136, 68}));
  EXPECT_EQ(canvas_.Kinds(), (std::vector<K>{K::FillRect, K::DrawText, K::DrawText}));
}

TEST(NoticeCardAreaTest, TheNotchLeavesItsFlaresAndBandOut) {
  // Sequoia's notch card: 344 wide, N + 50 high, flares of 12.
  const NoticeCardArea notch = NoticeCardAreaIn(IslandStyle::Notch, {78, 0, 422, 76}, 12.0f, 26.0f);
  EXPECT_EQ(notch.left, 90.0f);
  EXPECT_EQ(notch.right, 410.0f);
  EXPECT_EQ(notch.centre_y, 48.0f);  // (26 + 76) / 2 - 3
  const NoticeCardArea pill = NoticeCardAreaIn(IslandStyle::Pill, {90, 4, 410, 58}, 20.0f, 30.0f);
  EXPECT_EQ(pill.left, 90.0f);
  EXPECT_EQ(pill.right, 410.0f);
  EXPECT_EQ(pill.centre_y, 31.0f);
}

}  // namespace
}  // namespace notch
