// Feeds arbitrary bytes to the JPEG decoder: it must return a whole opaque picture within the
// size limits or nothing, and never crash, leak, hang or print.
#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/jpeg_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Far below the program's limits, so that a header that asks for a large picture is refused
  // at once instead of having its buffers filled; the test pictures are a few pixels a side.
  const telvana::JpegLimits limits{1024, 256 * 1024, 64L << 20};
  const auto image = telvana::DecodeJpeg(std::span(data, size), limits);
  if (!image) return 0;
  if (!telvana::JpegSizeAllowed(static_cast<std::uint32_t>(image->width),
                                static_cast<std::uint32_t>(image->height), limits) ||
      image->pixels.size() != static_cast<std::size_t>(image->width) * image->height) {
    __builtin_trap();
  }
  for (std::uint32_t pixel : image->pixels) {
    if ((pixel >> 24) != 0xFF) __builtin_trap();
  }
  return 0;
}
