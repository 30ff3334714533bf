#include "common/ini_document.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

TEST(IniDocumentTest, ReadsWithTheProfileFunctionRules) {
  const auto ini = IniDocument::Parse(
      L"; a comment\r\n"
      L"[Other]\r\n"
      L"ilha=0\r\n"
      L"  [ notch ]  \r\n"
      L"  ILHA_Estilo   =   ilha   \r\n"
      L"quoted=\"  spaced  \"\r\n"
      L"single='x'\r\n"
      L"mismatched=\"x'\r\n"
      L"lone=\"\r\n"
      L"empty=\r\n"
      L"twice=first\r\n"
      L"twice=second\r\n"
      L";commented=1\r\n"
      L"[Notch]\r\n"
      L"later=ignored\n");
  EXPECT_EQ(ini.Read(L"Notch", L"ilha_estilo", L"notch"), L"ilha");
  EXPECT_EQ(ini.Read(L"NOTCH", L"quoted", L""), L"  spaced  ");
  EXPECT_EQ(ini.Read(L"Notch", L"single", L""), L"x");
  EXPECT_EQ(ini.Read(L"Notch", L"mismatched", L""), L"\"x'");
  EXPECT_EQ(ini.Read(L"Notch", L"lone", L""), L"\"");
  EXPECT_EQ(ini.Read(L"Notch", L"empty", L"fallback"), L"");
  EXPECT_EQ(ini.Read(L"Notch", L"twice", L""), L"first");
  EXPECT_EQ(ini.Read(L"Notch", L";commented", L"none"), L"none");
  // Only the first section of a name is read; other sections do not leak.
  EXPECT_EQ(ini.Read(L"Notch", L"later", L"none"), L"none");
  EXPECT_EQ(ini.Read(L"Notch", L"ilha", L"1"), L"1");
  EXPECT_EQ(ini.Read(L"Missing", L"ilha", L"d  "), L"d");
}

TEST(IniDocumentTest, CutsValuesToTheReadBuffer) {
  const std::wstring long_value(700, L'v');
  const auto ini = IniDocument::Parse(L"[Notch]\nk=" + long_value + L"\n");
  EXPECT_EQ(ini.Read(L"Notch", L"k", L"").size(), kProfileValueChars - 1);
  EXPECT_EQ(ini.Find(L"Notch", L"k")->size(), 700u);
  EXPECT_EQ(ini.Read(L"Notch", L"none", long_value).size(), kProfileValueChars - 1);
}

TEST(IniDocumentTest, WritesInPlaceAndKeepsEverythingElse) {
  auto ini = IniDocument::Parse(L"; keep me\r\n[Notch]\r\nIlha_Estilo = notch\r\nlyrics=1\r\n\r\n[Other]\r\nx=1\r\n");
  ini.Set(L"Notch", L"ilha_estilo", L"ilha");
  ini.Set(L"Notch", L"auto_hide_seconds", L"20");
  ini.Set(L"Fresh", L"k", L"v");
  EXPECT_EQ(ini.ToText(),
            L"; keep me\r\n[Notch]\r\nilha_estilo=ilha\r\nlyrics=1\r\nauto_hide_seconds=20\r\n\r\n[Other]\r\nx=1\r\n"
            L"[Fresh]\r\nk=v\r\n");
  EXPECT_EQ(ini.Read(L"Other", L"x", L""), L"1");
}

}  // namespace
}  // namespace notch
