#include "skin/bitmap_transforms.h"

#include <algorithm>

#include "skin/skin_raster.h"

namespace telvana {

void GrayscaleBitmap(PixelImage& image) {
  for (std::uint32_t& p : image.pixels) {
    const std::uint32_t grey = (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
    p = kOpaque | grey << 16 | grey << 8 | grey;
  }
}

void MirrorBitmap(PixelImage& image) {
  for (int y = 0; y < image.height; ++y) {
    auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
    std::reverse(row, row + image.width);
  }
  for (std::uint32_t& p : image.pixels) p |= kOpaque;
}

void FlipBitmap(PixelImage& image) {
  for (int top = 0, bottom = image.height - 1; top < bottom; ++top, --bottom) {
    std::swap_ranges(&image.at(0, top), &image.at(0, top) + image.width, &image.at(0, bottom));
  }
  for (std::uint32_t& p : image.pixels) p |= kOpaque;
}

namespace {

PixelImage Turned(const PixelImage& image) {
  PixelImage out;
  out.width = image.height;
  out.height = image.width;
  out.pixels.resize(image.pixels.size());
  return out;
}

}  // namespace

PixelImage RotateLeft(const PixelImage& image) {
  PixelImage out = Turned(image);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) out.at(y, image.width - 1 - x) = image.at(x, y) | kOpaque;
  }
  return out;
}

PixelImage RotateRight(const PixelImage& image) {
  PixelImage out = Turned(image);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x)
      out.at(image.height - 1 - y, x) = image.at(x, y) | kOpaque;
  }
  return out;
}

}  // namespace telvana
