#include "winrt/sha1.h"

#include <gtest/gtest.h>

#include <string>

namespace notch::winrt {
namespace {

std::string Hex(const Sha1Digest& digest) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (const std::uint8_t byte : digest) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

TEST(Sha1Test, PublishedTestVectors) {
  EXPECT_EQ(Hex(Sha1("")), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
  EXPECT_EQ(Hex(Sha1("abc")), "a9993e364706816aba3e25717850c26c9cd0d89d");
  EXPECT_EQ(Hex(Sha1("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
            "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
  EXPECT_EQ(Hex(Sha1("abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrs"
                     "mnopqrstnopqrstu")),
            "a49b2446a02c645bf419f995b67091253a04a259");
  EXPECT_EQ(Hex(Sha1(std::string(1'000'000, 'a'))), "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
}

// The padding takes one extra block exactly when fewer than nine bytes are
// left in the last one; these lengths sit on both sides of that edge.
TEST(Sha1Test, LengthsAroundTheBlockEdges) {
  const struct {
    std::size_t length;
    const char* digest;
  } cases[] = {{55, "c1c8bbdc22796e28c0e15163d20899b65621d65a"},  {56, "c2db330f6083854c99d4b5bfb6e8f29f201be699"},
               {63, "03f09f5b158a7a8cdad920bddc29b81c18a551f5"},  {64, "0098ba824b5c16427bd7a1122a5a442a25ec644d"},
               {119, "ee971065aaa017e0632a8ca6c77bb3bf8b1dfc56"}, {120, "f34c1488385346a55709ba056ddd08280dd4c6d6"}};
  for (const auto& c : cases) EXPECT_EQ(Hex(Sha1(std::string(c.length, 'a'))), c.digest) << c.length;
}

TEST(Sha1Test, EveryByteValue) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  EXPECT_EQ(Hex(Sha1(bytes)), "4916d6bdb7f78e6803698cab32d1586ea457dfc8");
}

}  // namespace
}  // namespace notch::winrt
