#include "lyrics/percent_encode.h"

#include <gtest/gtest.h>

#include "common/text.h"

namespace notch::lyrics {
namespace {

TEST(PercentEncodeTest, KeepsOnlyUnreservedBytes) {
  EXPECT_EQ(PercentEncode(L"AC/DC & Co"), L"AC%2FDC%20%26%20Co");
  EXPECT_EQ(PercentEncode(L"az-AZ_09.~"), L"az-AZ_09.~");
  EXPECT_EQ(PercentEncode(L"a+b=c?d#e%"), L"a%2Bb%3Dc%3Fd%23e%25");
}

TEST(PercentEncodeTest, EncodesTheUtf8BytesOfEveryPlane) {
  EXPECT_EQ(PercentEncode(Utf8ToWide("\xC3\xA9\xF0\x9F\x98\x80")), L"%C3%A9%F0%9F%98%80");  // é 😀
}

TEST(PercentEncodeTest, InvalidTextGivesNothing) {
  std::wstring lone = L"ab";
  lone.push_back(static_cast<wchar_t>(0xDC00));
  EXPECT_EQ(PercentEncode(lone), L"");
  EXPECT_EQ(PercentEncode(L""), L"");
}

}  // namespace
}  // namespace notch::lyrics
