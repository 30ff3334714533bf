#pragma once
// SHA-1, which the Windows Runtime uses to name generic interface instances.
// Not for anything that needs a secure hash.
#include <array>
#include <cstdint>
#include <string_view>

namespace notch::winrt {

using Sha1Digest = std::array<std::uint8_t, 20>;

Sha1Digest Sha1(std::string_view message);

}  // namespace notch::winrt
