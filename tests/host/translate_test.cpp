#include "host/translate.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "host/language.h"

namespace notch {
namespace {

class TranslateTest : public ::testing::Test {
 protected:
  ~TranslateTest() override { SetLanguageFlag(saved_); }
  int saved_ = LanguageFlag();
};

TEST_F(TranslateTest, EnglishGivesThePairedText) {
  SetLanguageFlag(kEnglish);
  EXPECT_STREQ(Translate(L"Nada tocando"), L"Not Playing");
  EXPECT_STREQ(Translate(L"Timer concluído"), L"Timer done");
  EXPECT_STREQ(Translate(L"O que você copiar aparece aqui"), L"What you copy shows up here");
}

TEST_F(TranslateTest, TextsWithoutAPairComeBackUnchanged) {
  const wchar_t* unknown = L"Texto que não existe";
  for (const int language : {kEnglish, kPortuguese}) {
    SetLanguageFlag(language);
    EXPECT_EQ(Translate(unknown), unknown);
    EXPECT_EQ(Translate(nullptr), nullptr);
  }
  SetLanguageFlag(kEnglish);
  EXPECT_STREQ(Translate(L"nada tocando"), L"nada tocando");  // exact, case-sensitive
}

TEST_F(TranslateTest, PortugueseReturnsTheSourceText) {
  SetLanguageFlag(kPortuguese);
  const wchar_t* text = L"Estante";
  EXPECT_EQ(Translate(text), text);
}

TEST(TranslationTableTest, PortugueseTextsAreUniqueAndEveryPairIsFilled) {
  std::set<std::wstring> seen;
  for (const TranslationPair& pair : TranslationTable()) {
    ASSERT_NE(pair.portuguese, nullptr);
    ASSERT_NE(pair.english, nullptr);
    EXPECT_FALSE(std::wstring(pair.english).empty()) << pair.portuguese;
    EXPECT_TRUE(seen.insert(pair.portuguese).second) << "duplicate: " << pair.portuguese;
  }
}

}  // namespace
}  // namespace notch
