#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "winrt/hstring_win.h"

namespace notch::winrt {
namespace {

TEST(HStringTest, KeepsEveryCharacterOfTheText) {
  // An embedded NUL and a character outside the BMP (a surrogate pair).
  const std::wstring text = std::wstring(L"Mídia\0 ", 7) + L"\U0001F3B5";
  HString value;
  ASSERT_EQ(value.Set(text), S_OK);
  EXPECT_NE(value.Get(), nullptr);
  EXPECT_EQ(value.ToWide(), text);
  EXPECT_EQ(HStringToWide(value.Get()), text);
}

TEST(HStringTest, TheEmptyTextIsTheNullString) {
  HString value;
  ASSERT_EQ(value.Set(L"old"), S_OK);
  ASSERT_EQ(value.Set(L""), S_OK);
  EXPECT_EQ(value.Get(), nullptr);
  EXPECT_EQ(value.ToWide(), L"");
  EXPECT_EQ(HStringToWide(nullptr), L"");
}

TEST(HStringTest, MovesOwnershipAndFreesForOutParameters) {
  HString first;
  ASSERT_EQ(first.Set(L"Windows.Media.Control"), S_OK);
  const HSTRING raw = first.Get();
  HString second = std::move(first);
  EXPECT_EQ(first.Get(), nullptr);
  EXPECT_EQ(second.Get(), raw);
  HString third;
  third = std::move(second);
  EXPECT_EQ(third.ToWide(), L"Windows.Media.Control");

  HSTRING* slot = third.Put();
  EXPECT_EQ(*slot, nullptr);
  EXPECT_EQ(third.Get(), nullptr);
}

}  // namespace
}  // namespace notch::winrt
