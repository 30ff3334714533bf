#include "render/fonts_win.h"

#include <gtest/gtest.h>

#include "host/host_links_win.h"
#include "render/fonts.h"
#include "support/log_capture.h"

namespace notch {
namespace {

TEST(FontsWinTest, InitFontsChoosesInstalledFamiliesAndLogsThem) {
  testing::LogCapture log;
  ASSERT_TRUE(links::InitFonts());
  const FontSet& fonts = SharedFonts();
  // The test set-up installs Inter; Wine has neither SF Pro nor the icon fonts.
  EXPECT_EQ(fonts.text_font, L"Inter");
  EXPECT_EQ(fonts.icon_font, L"Segoe MDL2 Assets");
  EXPECT_TRUE(fonts.Installed(L"Inter"));
  EXPECT_FALSE(fonts.Installed(L"No Such Family"));
  const auto lines = log.lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), L"fonte: Inter, ícones: Segoe MDL2 Assets");
}

TEST(FontsWinTest, FormatsAreKeptAndMeasureSingleLines) {
  const TextFormat format{L"Inter", 12.0f, 600, TextAlignment::Leading, true};
  IDWriteTextFormat* made = DirectWriteFormat(format);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(DirectWriteFormat(format), made);
  EXPECT_EQ(made->GetWordWrapping(), DWRITE_WORD_WRAPPING_NO_WRAP);
  EXPECT_EQ(made->GetParagraphAlignment(), DWRITE_PARAGRAPH_ALIGNMENT_CENTER);
  wchar_t locale[16] = {};
  made->GetLocaleName(locale, 16);
  EXPECT_STREQ(locale, L"pt-br");
  const float narrow = MeasureTextWidthWithDirectWrite(L"iiii", format);
  const float wide = MeasureTextWidthWithDirectWrite(L"WWWW", format);
  EXPECT_GT(narrow, 0.0f);
  EXPECT_GT(wide, narrow);
  // One line, however long: the space does not wrap.
  EXPECT_GT(MeasureTextWidthWithDirectWrite(L"WWWW WWWW", format), 2 * wide);
}

}  // namespace
}  // namespace notch
