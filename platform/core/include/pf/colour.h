#pragma once
// Colour reference with the platform's layout: red in the low byte, then green, then blue.

#include <cstdint>

namespace pf {

using ColorRef = std::uint32_t;

// What reading a pixel answers where there is none (outside a bitmap, on a vector surface).
inline constexpr ColorRef kInvalidColor = 0xFFFFFFFFu;

constexpr ColorRef Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<ColorRef>(r) | (static_cast<ColorRef>(g) << 8) |
         (static_cast<ColorRef>(b) << 16);
}
constexpr std::uint8_t RedOf(ColorRef c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GreenOf(ColorRef c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(ColorRef c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

}  // namespace pf
