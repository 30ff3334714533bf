#pragma once
// PNG files through WIC.
#include <cstdint>
#include <span>
#include <string>

namespace notch::snapshots {

// Premultiplied BGRA pixels, rows of width * 4 bytes, written as a PNG with
// straight alpha.
bool WritePng(const std::wstring& path, int width, int height, std::span<const std::uint8_t> pixels);

}  // namespace notch::snapshots
