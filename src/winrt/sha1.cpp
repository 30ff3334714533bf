#include "winrt/sha1.h"

#include <cstddef>

namespace notch::winrt {
namespace {

constexpr std::size_t kBlockBytes = 64;

std::uint32_t RotateLeft(std::uint32_t value, int bits) { return (value << bits) | (value >> (32 - bits)); }

void ProcessBlock(const std::uint8_t* block, std::array<std::uint32_t, 5>& state) {
  std::array<std::uint32_t, 80> words{};
  for (std::size_t i = 0; i < 16; ++i) {
    words[i] = (std::uint32_t{block[4 * i]} << 24) | (std::uint32_t{block[4 * i + 1]} << 16) |
               (std::uint32_t{block[4 * i + 2]} << 8) | std::uint32_t{block[4 * i + 3]};
  }
  for (std::size_t i = 16; i < 80; ++i) {
    words[i] = RotateLeft(words[i - 3] ^ words[i - 8] ^ words[i - 14] ^ words[i - 16], 1);
  }
  std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
  for (std::size_t i = 0; i < 80; ++i) {
    std::uint32_t mix = 0;
    std::uint32_t constant = 0;
    if (i < 20) {
      mix = (b & c) | (~b & d);
      constant = 0x5A827999;
    } else if (i < 40) {
      mix = b ^ c ^ d;
      constant = 0x6ED9EBA1;
    } else if (i < 60) {
      mix = (b & c) | (b & d) | (c & d);
      constant = 0x8F1BBCDC;
    } else {
      mix = b ^ c ^ d;
      constant = 0xCA62C1D6;
    }
    const std::uint32_t next = RotateLeft(a, 5) + mix + e + constant + words[i];
    e = d;
    d = c;
    c = RotateLeft(b, 30);
    b = a;
    a = next;
  }
  state[0] += a;
  state[1] += b;
  state[2] += c;
  state[3] += d;
  state[4] += e;
}

}  // namespace

Sha1Digest Sha1(std::string_view message) {
  std::array<std::uint32_t, 5> state = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};

  const auto* bytes = reinterpret_cast<const std::uint8_t*>(message.data());
  std::size_t offset = 0;
  for (; message.size() - offset >= kBlockBytes; offset += kBlockBytes) ProcessBlock(bytes + offset, state);

  // The tail, the 0x80 marker and the 64-bit bit length fill one block, or two
  // when fewer than nine bytes are left after the tail.
  std::array<std::uint8_t, 2 * kBlockBytes> tail{};
  const std::size_t tail_size = message.size() - offset;
  for (std::size_t i = 0; i < tail_size; ++i) tail[i] = bytes[offset + i];
  tail[tail_size] = 0x80;
  const std::size_t tail_blocks = tail_size + 9 <= kBlockBytes ? 1 : 2;
  const std::uint64_t bit_length = static_cast<std::uint64_t>(message.size()) * 8;
  for (std::size_t i = 0; i < 8; ++i) {
    tail[tail_blocks * kBlockBytes - 1 - i] = static_cast<std::uint8_t>(bit_length >> (8 * i));
  }
  for (std::size_t block = 0; block < tail_blocks; ++block) ProcessBlock(tail.data() + block * kBlockBytes, state);

  Sha1Digest digest{};
  for (std::size_t i = 0; i < digest.size(); ++i) {
    digest[i] = static_cast<std::uint8_t>(state[i / 4] >> (24 - 8 * (i % 4)));
  }
  return digest;
}

}  // namespace notch::winrt
