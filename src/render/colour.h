#pragma once
// Colours as Direct2D takes them: straight (not premultiplied) RGBA floats.
#include <cstdint>

namespace notch {

struct Colour {
  float r = 0.0f, g = 0.0f, b = 0.0f, a = 1.0f;
  friend bool operator==(const Colour&, const Colour&) = default;
};

// #RRGGBB with each channel divided by 255.
constexpr Colour ColourFromRgb(std::uint32_t rgb, float alpha = 1.0f) {
  return Colour{static_cast<float>((rgb >> 16) & 0xFF) / 255.0f, static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
                static_cast<float>(rgb & 0xFF) / 255.0f, alpha};
}

constexpr Colour White(float alpha = 1.0f) { return {1.0f, 1.0f, 1.0f, alpha}; }
constexpr Colour Black(float alpha = 1.0f) { return {0.0f, 0.0f, 0.0f, alpha}; }
constexpr Colour WithAlpha(Colour c, float alpha) { return {c.r, c.g, c.b, alpha}; }

}  // namespace notch
