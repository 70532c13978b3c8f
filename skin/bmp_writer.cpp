#include "skin/bmp_writer.h"

#include <stdexcept>

#include "skin/byte_order.h"

namespace telvana {

std::vector<std::uint8_t> EncodeBitmap(const PixelImage& image, int bits_per_pixel) {
  if (bits_per_pixel != 24 && bits_per_pixel != 32) {
    throw std::invalid_argument("bitmaps are written with 24 or 32 bits a pixel");
  }
  if (image.empty()) throw std::invalid_argument("an empty picture makes no bitmap");
  const int bytes_pp = bits_per_pixel / 8;
  const std::size_t stride = (static_cast<std::size_t>(image.width) * bytes_pp + 3) / 4 * 4;
  const std::size_t data_size = stride * static_cast<std::size_t>(image.height);
  constexpr std::uint32_t kHeaders = 14 + 40;

  std::vector<std::uint8_t> out;
  out.reserve(kHeaders + data_size);
  out.push_back('B');
  out.push_back('M');
  AppendLe32(out, static_cast<std::uint32_t>(kHeaders + data_size));
  AppendLe32(out, 0);
  AppendLe32(out, kHeaders);
  AppendLe32(out, 40);
  AppendLe32(out, static_cast<std::uint32_t>(image.width));
  AppendLe32(out, static_cast<std::uint32_t>(image.height));
  AppendLe16(out, 1);
  AppendLe16(out, static_cast<std::uint16_t>(bits_per_pixel));
  AppendLe32(out, 0);  // uncompressed
  AppendLe32(out, static_cast<std::uint32_t>(data_size));
  AppendLe32(out, 2835);  // 72 dots an inch
  AppendLe32(out, 2835);
  AppendLe32(out, 0);
  AppendLe32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    const std::size_t row_start = out.size();
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.at(x, y);
      out.push_back(static_cast<std::uint8_t>(p));
      out.push_back(static_cast<std::uint8_t>(p >> 8));
      out.push_back(static_cast<std::uint8_t>(p >> 16));
      if (bytes_pp == 4) out.push_back(static_cast<std::uint8_t>(p >> 24));
    }
    out.resize(row_start + stride, 0);
  }
  return out;
}

}  // namespace telvana
