#include "skin/bmp_decoder.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <new>
#include <string>

#include "skin/bmp_layout.h"
#include "skin/byte_order.h"
#include "skin/skin_error.h"

namespace telvana {
namespace {

using namespace bmp;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // OS/2 1.x and Windows 2.x
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr std::uint32_t kV2HeaderSize = 52;    // adds the red, green and blue masks
constexpr std::uint32_t kV3HeaderSize = 56;    // adds the alpha mask
constexpr std::uint32_t kV4HeaderSize = 108;
constexpr std::uint32_t kV5HeaderSize = 124;

[[noreturn]] void Fail(SkinFault fault, const std::string& what) {
  throw SkinLoadError(fault, "bitmap: " + what);
}

// One colour channel of a bit-field pixel.
class Channel {
 public:
  Channel() = default;
  explicit Channel(std::uint32_t mask) : mask_(mask) {
    if (mask == 0) return;
    shift_ = std::countr_zero(mask);
    bits_ = std::popcount(mask);
    if ((std::uint64_t{mask} >> shift_) != (std::uint64_t{1} << bits_) - 1) {
      Fail(SkinFault::kUnsupportedBitmap, "colour mask with gaps");
    }
  }

  bool present() const { return mask_ != 0; }

  // The channel's value scaled to 0..255.
  std::uint32_t Take(std::uint32_t pixel) const {
    if (mask_ == 0) return 0;
    const std::uint32_t v = (pixel & mask_) >> shift_;
    if (bits_ >= 8) return v >> (bits_ - 8);
    const std::uint32_t max = (1u << bits_) - 1;
    return (v * 255 + max / 2) / max;
  }

 private:
  std::uint32_t mask_ = 0;
  int shift_ = 0;
  int bits_ = 0;
};

void CheckDimensions(std::int64_t width, std::int64_t height, const BitmapLimits& limits) {
  if (width <= 0 || height <= 0) Fail(SkinFault::kBadBitmap, "empty or negative size");
  if (width > limits.max_side || height > limits.max_side || width * height > limits.max_pixels) {
    Fail(SkinFault::kBitmapTooLarge,
         std::to_string(width) + " x " + std::to_string(height) + " pixels is beyond the limit");
  }
}

void CheckFormat(const Layout& l) {
  switch (l.compression) {
    case kRgb:
      if (l.bits == 1 || l.bits == 4 || l.bits == 8 || l.bits == 16 || l.bits == 24 ||
          l.bits == 32) {
        return;
      }
      break;
    case kRle8:
    case kRle4:
      if (l.bits != (l.compression == kRle8 ? 8 : 4))
        Fail(SkinFault::kBadBitmap, "RLE with wrong depth");
      if (l.top_down) Fail(SkinFault::kBadBitmap, "RLE with top-down rows");
      return;
    case kBitFields:
    case kAlphaBitFields:
      if (l.bits == 16 || l.bits == 32) return;
      Fail(SkinFault::kBadBitmap, "bit fields with " + std::to_string(l.bits) + " bits");
    default:
      Fail(SkinFault::kUnsupportedBitmap, "compression " + std::to_string(l.compression));
  }
  Fail(SkinFault::kUnsupportedBitmap, std::to_string(l.bits) + " bits a pixel");
}

std::uint64_t RowBits(const Layout& l) {
  return static_cast<std::uint64_t>(l.width) * static_cast<std::uint64_t>(l.bits);
}

std::uint64_t Stride(const Layout& l) {
  return (RowBits(l) + 31) / 32 * 4;
}

Layout ReadLayout(std::span<const std::uint8_t> file, const BitmapLimits& limits) {
  if (file.size() < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M') {
    Fail(SkinFault::kBadBitmap, "not a Windows bitmap");
  }
  const std::uint32_t pixel_offset = ReadLe32(file, 10);
  const std::uint32_t header_size = ReadLe32(file, kFileHeaderSize);
  if (header_size != kCoreHeaderSize && header_size != kInfoHeaderSize &&
      header_size != kV2HeaderSize && header_size != kV3HeaderSize &&
      header_size != kV4HeaderSize && header_size != kV5HeaderSize) {
    Fail(SkinFault::kUnsupportedBitmap, "header of " + std::to_string(header_size) + " bytes");
  }
  if (file.size() < kFileHeaderSize + header_size) Fail(SkinFault::kBadBitmap, "header cut short");

  Layout l;
  std::size_t table_at = kFileHeaderSize + header_size;
  std::size_t entry_size = 4;
  std::uint32_t colours_used = 0;
  if (header_size == kCoreHeaderSize) {
    l.width = ReadLe16(file, 18);
    l.height = ReadLe16(file, 20);
    l.bits = ReadLe16(file, 24);
    entry_size = 3;
  } else {
    const std::int32_t width = ReadLe32Signed(file, 18);
    const std::int32_t height = ReadLe32Signed(file, 22);
    if (height == std::numeric_limits<std::int32_t>::min()) {
      Fail(SkinFault::kBadBitmap, "bad height");
    }
    l.width = width;
    l.height = height < 0 ? -height : height;
    l.top_down = height < 0;
    l.bits = ReadLe16(file, 28);
    l.compression = ReadLe32(file, 30);
    colours_used = ReadLe32(file, 46);
  }
  CheckDimensions(l.width, l.height, limits);
  CheckFormat(l);

  if (l.compression == kBitFields || l.compression == kAlphaBitFields) {
    // The masks follow a plain info header; later headers hold them at the same place, the
    // alpha mask too from the V3 size on.
    const std::size_t wanted = l.compression == kAlphaBitFields ? 4 : 3;
    const std::size_t in_header = header_size >= kV3HeaderSize ? 4 : 0;
    if (header_size == kInfoHeaderSize) table_at += 4 * wanted;
    const std::size_t count = std::max(wanted, in_header);
    const std::size_t at = kFileHeaderSize + kInfoHeaderSize;
    if (at + 4 * count > file.size()) Fail(SkinFault::kBadBitmap, "colour masks cut short");
    for (std::size_t i = 0; i < count; ++i) l.masks[i] = ReadLe32(file, at + 4 * i);
  } else if (l.bits == 16) {
    l.masks[0] = 0x7C00, l.masks[1] = 0x03E0, l.masks[2] = 0x001F;
  } else if (l.bits == 32) {
    l.masks[0] = 0xFF0000, l.masks[1] = 0x00FF00, l.masks[2] = 0x0000FF;
  }

  for (std::uint32_t mask : l.masks) static_cast<void>(Channel(mask));  // refuses masks with gaps

  if (l.bits <= 8) {
    const std::uint32_t full = 1u << l.bits;
    const std::uint32_t count = (colours_used == 0 || colours_used > full) ? full : colours_used;
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::size_t at = table_at + i * entry_size;
      if (at + 3 > file.size()) break;  // a short table: the rest stays black
      l.palette.push_back(Argb(0xFF, file[at + 2], file[at + 1], file[at]));
    }
    table_at += count * entry_size;
  }

  const std::size_t data_at = pixel_offset != 0 ? pixel_offset : table_at;
  if (data_at > file.size()) Fail(SkinFault::kBadBitmap, "pixel data past the end of the file");
  l.pixels = file.subspan(data_at);
  if (l.compression != kRle8 && l.compression != kRle4) {
    // Rows are padded to four bytes; the last row's padding may be missing.
    const std::uint64_t needed =
        Stride(l) * static_cast<std::uint64_t>(l.height - 1) + (RowBits(l) + 7) / 8;
    if (needed > l.pixels.size()) Fail(SkinFault::kBadBitmap, "pixel data cut short");
  }
  return l;
}

void DecodeRows(const Layout& l, PixelImage& image) {
  const std::uint64_t stride = Stride(l);

  const Channel red(l.masks[0]), green(l.masks[1]), blue(l.masks[2]), alpha(l.masks[3]);
  auto from_fields = [&](std::uint32_t p) {
    const std::uint32_t a = alpha.present() ? alpha.Take(p) : 0xFFu;
    return (a << 24) | (red.Take(p) << 16) | (green.Take(p) << 8) | blue.Take(p);
  };

  const bool plain_32 = l.bits == 32 && l.masks[0] == 0xFF0000 && l.masks[1] == 0x00FF00 &&
                        l.masks[2] == 0x0000FF && l.masks[3] == 0;
  for (int n = 0; n < l.height; ++n) {
    const std::uint8_t* row = l.pixels.data() + stride * static_cast<std::uint64_t>(n);
    std::uint32_t* out = &image.at(0, ImageRow(l, n));
    for (int x = 0; x < l.width; ++x) {
      switch (l.bits) {
        case 1:
          out[x] = PaletteColour(l, (row[x >> 3] >> (7 - (x & 7))) & 1u);
          break;
        case 4:
          out[x] = PaletteColour(l, (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0Fu);
          break;
        case 8:
          out[x] = PaletteColour(l, row[x]);
          break;
        case 16:
          out[x] = from_fields(std::uint32_t{row[2 * x]} | (std::uint32_t{row[2 * x + 1]} << 8));
          break;
        case 24:
          out[x] = Argb(0xFF, row[3 * x + 2], row[3 * x + 1], row[3 * x]);
          break;
        default: {
          const std::uint32_t p = ReadLe32(std::span<const std::uint8_t>(row + 4 * x, 4), 0);
          out[x] = plain_32 ? (0xFF000000u | (p & 0x00FFFFFFu)) : from_fields(p);
          break;
        } break;
      }
    }
  }
}

}  // namespace

PixelImage DecodeBitmap(std::span<const std::uint8_t> file, const BitmapLimits& limits) {
  const Layout layout = ReadLayout(file, limits);
  PixelImage image;
  image.width = layout.width;
  image.height = layout.height;
  image.pixels.assign(
      static_cast<std::size_t>(layout.width) * static_cast<std::size_t>(layout.height),
      0xFF000000u);
  if (layout.compression == kRle8 || layout.compression == kRle4) {
    DecodeRle(layout, image);
  } else {
    DecodeRows(layout, image);
  }
  return image;
}

std::optional<PixelImage> TryDecodeBitmap(std::span<const std::uint8_t> file,
                                          const BitmapLimits& limits) noexcept {
  try {
    return DecodeBitmap(file, limits);
  } catch (const SkinLoadError&) {
    return std::nullopt;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace telvana
