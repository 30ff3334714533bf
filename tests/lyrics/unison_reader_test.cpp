#include "lyrics/unison_reader.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "lyrics/provider_table.h"

namespace notch::lyrics {
namespace {

using nlohmann::json;

const std::string kVideoId = "dQw4w9W_-cQ";
const std::string kKeyId(64, 'a');

json Answer(std::string format, std::string lyrics) {
  return {{"success", true},
          {"data",
           {{"videoId", kVideoId},
            {"format", std::move(format)},
            {"lyrics", std::move(lyrics)},
            {"submitter", {{"keyId", kKeyId}, {"displayName", "Curator Ana"}}}}}};
}

std::optional<Sheet> Read(const json& answer) { return ReadUnison(answer.dump()); }

TEST(UnisonReaderTest, EachFormatGoesToItsReaderWithTheCuratorsCredit) {
  const std::wstring site(ProviderSite(ProviderId::Unison));
  const Credit credit{L"Lyrics from Unison", site + L"/song/dQw4w9W_-cQ", L"Curator Ana",
                      site + L"/curator/" + std::wstring(64, L'a')};

  const std::optional<Sheet> lrc = Read(Answer("lrc", "[00:01.00]one\n[00:02.00]two"));
  ASSERT_TRUE(lrc);
  EXPECT_EQ(lrc->lines.size(), 2u);
  EXPECT_EQ(lrc->credit, credit);

  const std::optional<Sheet> plain = Read(Answer("plain", "one\n[00:02.00]two"));
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->plain, (std::vector<std::wstring>{L"one", L"[00:02.00]two"}));
  EXPECT_EQ(plain->credit, credit);

  const std::optional<Sheet> ttml = Read(
      Answer("ttml",
             "<tt xmlns=\"http://www.w3.org/ns/ttml\"><body><p begin=\"1.5\" end=\"2\"><span begin=\"1.5\" end=\"2\">"
             "sung</span></p></body></tt>"));
  ASSERT_TRUE(ttml);
  EXPECT_EQ(KindOf(&*ttml), SheetKind::WordSynced);
  EXPECT_EQ(ttml->credit, credit);

  EXPECT_FALSE(Read(Answer("srt", "1\n00:00:01,000 --> 00:00:02,000\nx")));
  EXPECT_FALSE(Read(Answer("lrc", "")));
}

TEST(UnisonReaderTest, IdentifiersMustBeExactlyTheirLengthAndAlphabet) {
  const auto with = [](const char* pointer, json value) {
    json answer = Answer("plain", "words");
    answer[json::json_pointer(pointer)] = std::move(value);
    return Read(answer);
  };
  ASSERT_TRUE(with("/data/videoId", kVideoId));
  ASSERT_TRUE(with("/data/submitter/keyId", std::string(32, 'F') + std::string(32, '0')));
  ASSERT_TRUE(with("/data/submitter/displayName", std::string(120, 'n')));
  ASSERT_TRUE(with("/data/submitter/displayName", "\xC3\xA9"));

  for (const json& bad :
       {json("dQw4w9WgXc"), json("dQw4w9WgXcQQ"), json("dQw4w9WgXc/"), json("dQw4w9WgXc?"), json(7)}) {
    EXPECT_FALSE(with("/data/videoId", bad)) << bad;
  }
  for (const json& bad : {json(std::string(63, 'a')), json(std::string(65, 'a')), json(std::string(63, 'a') + "g")}) {
    EXPECT_FALSE(with("/data/submitter/keyId", bad)) << bad;
  }
  for (const json& bad : {json(""), json(std::string(121, 'n')), json(std::string("a\0b", 3)), json(nullptr)}) {
    EXPECT_FALSE(with("/data/submitter/displayName", bad)) << bad;
  }
}

TEST(UnisonReaderTest, OnlyASuccessWithDataAndSubmitterIsRead) {
  json answer = Answer("plain", "words");
  ASSERT_TRUE(Read(answer));
  answer["success"] = "true";
  EXPECT_FALSE(Read(answer));
  answer["success"] = false;
  EXPECT_FALSE(Read(answer));

  json no_submitter = Answer("plain", "words");
  no_submitter["data"]["submitter"] = "someone";
  EXPECT_FALSE(Read(no_submitter));
  EXPECT_FALSE(Read({{"success", true}, {"data", json::array()}}));
  EXPECT_FALSE(ReadUnison("{\"success\":true,"));
  EXPECT_FALSE(ReadUnison(""));
}

}  // namespace
}  // namespace notch::lyrics
