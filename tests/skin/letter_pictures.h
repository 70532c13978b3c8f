// Small pictures written as rows of letters: each letter a colour of its own, '#' the key
// colour (magenta) and '.' black. A painted result read back as letters shows at a glance
// which source pixel landed where.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/pixel_image.h"

namespace telvana::testing {

inline constexpr std::string_view kLetters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

inline std::uint32_t LetterColour(char c) {
  if (c == '#') return 0xFFFF00FFu;
  if (c == '.') return 0xFF000000u;
  const auto i = static_cast<std::uint32_t>(kLetters.find(c));
  return 0xFF000000u | (0x40 + i) << 16 | (0x80 + i) << 8 | (0x20 + i * 3);
}

inline PixelImage Lettered(const std::vector<std::string>& rows) {
  PixelImage image;
  image.height = static_cast<int>(rows.size());
  image.width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
  for (const std::string& row : rows)
    for (char c : row) image.pixels.push_back(LetterColour(c));
  return image;
}

inline char LetterOf(std::uint32_t pixel) {
  for (char c : std::string(kLetters) + "#.")
    if ((LetterColour(c) & 0xFFFFFF) == (pixel & 0xFFFFFF)) return c;
  return '?';
}

inline std::vector<std::string> Letters(const PixelImage& image) {
  std::vector<std::string> rows(static_cast<std::size_t>(image.height));
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) rows[y] += LetterOf(image.at(x, y));
  return rows;
}

}  // namespace telvana::testing
