#include "lyrics/service_envelopes.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "lyrics/provider_table.h"

namespace notch::lyrics {
namespace {

using nlohmann::json;

TEST(LrclibReaderTest, SyncedLyricsWinAndPlainLyricsAreTheFallback) {
  const std::optional<Sheet> synced =
      ReadLrclib(json{{"syncedLyrics", "[00:01.00]la"}, {"plainLyrics", "la"}, {"instrumental", false}}.dump());
  ASSERT_TRUE(synced);
  EXPECT_EQ(KindOf(&*synced), SheetKind::LineSynced);
  EXPECT_FALSE(synced->credit);

  const std::optional<Sheet> plain = ReadLrclib(json{{"syncedLyrics", nullptr}, {"plainLyrics", "la\nla"}}.dump());
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->plain.size(), 2u);
}

TEST(LrclibReaderTest, InstrumentalGivesNoSheetEvenWithLyrics) {
  EXPECT_FALSE(ReadLrclib(json{{"syncedLyrics", "[00:01.00]la"}, {"instrumental", true}}.dump()));
  EXPECT_TRUE(ReadLrclib(json{{"syncedLyrics", "[00:01.00]la"}, {"instrumental", "true"}}.dump()));
  EXPECT_FALSE(ReadLrclib(json{{"id", 5}}.dump()));
  EXPECT_FALSE(ReadLrclib("[\"syncedLyrics\"]"));
  EXPECT_FALSE(ReadLrclib("{\"plainLyrics\":\"la"));
}

TEST(BetterLyricsReaderTest, TtmlMemberIsReadWithTheServicesCredit) {
  const std::optional<Sheet> sheet = ReadBetterLyrics(
      json{{"ttml", "<tt xmlns=\"http://www.w3.org/ns/ttml\"><body><p begin=\"1\" end=\"2\">x</p></body></tt>"}}
          .dump());
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->credit, (Credit{L"Better Lyrics", std::wstring(ProviderSite(ProviderId::BetterLyrics)), L"", L""}));
  EXPECT_FALSE(ReadBetterLyrics(json{{"ttml", 5}}.dump()));
  EXPECT_FALSE(ReadBetterLyrics(json{{"ttml", "<tt"}}.dump()));
  EXPECT_FALSE(ReadBetterLyrics("<tt/>"));
}

TEST(GeniusReaderTest, PlainLinesWithoutSectionHeadings) {
  const std::optional<Sheet> sheet =
      ReadGenius(json{{"lyrics", "[Verse 1]\nFirst line\r\n\n  [Chorus]\nSecond [sic] line \n"}}.dump());
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->plain, (std::vector<std::wstring>{L"First line", L"Second [sic] line"}));
  EXPECT_EQ(sheet->credit, (Credit{L"Genius", std::wstring(ProviderSite(ProviderId::Genius)), L"", L""}));
  EXPECT_FALSE(ReadGenius(json{{"lyrics", "[Intro]\n\n[Outro]"}}.dump()));
  EXPECT_FALSE(ReadGenius(json{{"lyrics", json::array({"a"})}}.dump()));
  EXPECT_FALSE(ReadGenius("lyrics"));
}

}  // namespace
}  // namespace notch::lyrics
