// Writing Windows bitmap files, for tools that make skins and for tests: bottom-up rows
// with a plain info header, 24 bits (alpha dropped) or 32 bits (alpha kept in the fourth
// byte).
#pragma once

#include <cstdint>
#include <vector>

#include "ui/pixel_image.h"

namespace telvana {

std::vector<std::uint8_t> EncodeBitmap(const PixelImage& image, int bits_per_pixel = 24);

}  // namespace telvana
