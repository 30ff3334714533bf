#include "winrt/guid.h"

#include <gtest/gtest.h>

namespace notch::winrt {
namespace {

TEST(GuidTest, ReadsTheFieldsInRegistryOrder) {
  constexpr auto guid = ParseGuid("7148c835-9b14-5ae2-ab85-dc9b1c14e1a8");
  ASSERT_TRUE(guid.has_value());
  EXPECT_EQ(guid->data1, 0x7148c835u);
  EXPECT_EQ(guid->data2, 0x9b14u);
  EXPECT_EQ(guid->data3, 0x5ae2u);
  const std::array<std::uint8_t, 8> data4 = {0xab, 0x85, 0xdc, 0x9b, 0x1c, 0x14, 0xe1, 0xa8};
  EXPECT_EQ(guid->data4, data4);
}

TEST(GuidTest, FormatsLowerCaseAndRoundTrips) {
  const auto upper = ParseGuid("C4A57C5E-32B0-55B3-AD13-CE1C23041ED6");
  ASSERT_TRUE(upper.has_value());
  EXPECT_EQ(FormatGuid(*upper), "c4a57c5e-32b0-55b3-ad13-ce1c23041ed6");
  EXPECT_EQ(FormatGuid(Guid{}), "00000000-0000-0000-0000-000000000000");
  const auto all_ones = ParseGuid("ffffffff-ffff-ffff-ffff-ffffffffffff");
  ASSERT_TRUE(all_ones.has_value());
  EXPECT_EQ(FormatGuid(*all_ones), "ffffffff-ffff-ffff-ffff-ffffffffffff");
}

TEST(GuidTest, RejectsAnythingButTheRegistryForm) {
  for (const char* text : {"", "{7148c835-9b14-5ae2-ab85-dc9b1c14e1a8}", "7148c835-9b14-5ae2-ab85-dc9b1c14e1a",
                           "7148c835-9b14-5ae2-ab85-dc9b1c14e1a8a", "7148c8359b14-5ae2-ab85-dc9b1c14e1a8-",
                           "7-48c835-9b14-5ae2-ab85-dc9b1c14e1a8", "7148c835-9b14-5ae2-ab85-dc9b1c14e1ag",
                           "7148c835 9b14 5ae2 ab85 dc9b1c14e1a8"}) {
    EXPECT_FALSE(ParseGuid(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace notch::winrt
