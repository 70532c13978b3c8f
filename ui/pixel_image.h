// A decoded picture in memory, independent of any platform: 32 bits a pixel, rows top-down,
// each pixel 0xAARRGGBB (so the bytes in memory are B, G, R, A, as in a 32-bit Windows DIB).
#pragma once

#include <cstdint>
#include <vector>

namespace telvana {

struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width * height, row after row, top row first

  bool empty() const { return width <= 0 || height <= 0; }
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

constexpr std::uint32_t Argb(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (std::uint32_t{a} << 24) | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}

}  // namespace telvana
