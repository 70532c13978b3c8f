// Decoding of the JPEG pictures stored with the windows (the advertisement columns of the main
// window, the pictures of the information windows) into plain pixels, with libjpeg.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "ui/pixel_image.h"

namespace telvana {

// Pictures larger than this are refused before anything is allocated for them: ours are a few
// hundred pixels wide, and a damaged or hostile header must not make us reserve gigabytes.
inline constexpr std::uint32_t kMaxJpegSide = 16384;
inline constexpr std::uint64_t kMaxJpegPixels = 64ull * 1024 * 1024;

// libjpeg's own working memory (the whole-picture coefficient buffers of progressive files).
inline constexpr long kMaxLibjpegMemory = 1L << 30;

// What one picture may ask for; the defaults are the program's (a fuzz target asks for less).
struct JpegLimits {
  std::uint32_t max_side = kMaxJpegSide;
  std::uint64_t max_pixels = kMaxJpegPixels;
  long max_memory = kMaxLibjpegMemory;
};

// True when a picture of this size is small enough to decode.
bool JpegSizeAllowed(std::uint32_t width, std::uint32_t height, const JpegLimits& limits = {});

// Decodes a whole JPEG file (baseline or progressive; grayscale, RGB/YCbCr or CMYK/YCCK) into
// opaque 0xAARRGGBB pixels, rows top-down. Returns nullopt for empty, truncated or damaged data
// (libjpeg's "corrupt data" warnings count as failures), for colour spaces it cannot show and for
// pictures that fail JpegSizeAllowed. Never ends the process and never writes to the console.
std::optional<PixelImage> DecodeJpeg(std::span<const std::uint8_t> data,
                                     const JpegLimits& limits = {});

}  // namespace telvana
