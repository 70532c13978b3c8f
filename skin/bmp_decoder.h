// Decoding of Windows bitmap files (the pictures inside skins) into PixelImage.
//
// Takes the core (OS/2 1.x), info, V2, V3, V4 and V5 headers; 1, 4 and 8 bits a pixel with
// a colour table, 16 and 32 bits with or without bit-field masks, 24 bits; bottom-up and
// top-down rows; RLE8 and RLE4. Pixels are opaque unless bit fields give an alpha mask:
// for plain 32-bit pixels the fourth byte is reserved, as Windows treats it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "skin/skin_limits.h"
#include "ui/pixel_image.h"

namespace telvana {

struct BitmapLimits {
  int max_side = kMaxBitmapSide;
  std::int64_t max_pixels = kMaxBitmapPixels;
};

// Throws SkinLoadError: kBadBitmap for damaged data, kUnsupportedBitmap for a compression or
// depth we do not take (JPEG, PNG, 2 or 64 bits, ...), kBitmapTooLarge beyond `limits`.
PixelImage DecodeBitmap(std::span<const std::uint8_t> file, const BitmapLimits& limits = {});

// The same, with every failure as an empty result.
std::optional<PixelImage> TryDecodeBitmap(std::span<const std::uint8_t> file,
                                          const BitmapLimits& limits = {}) noexcept;

}  // namespace telvana
