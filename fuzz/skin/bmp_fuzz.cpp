// The bitmap decoder over arbitrary files.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/skin/fuzz_checks.h"
#include "skin/bmp_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A smaller pixel limit than the program's keeps each run quick; the checks are the same.
  const telvana::BitmapLimits limits{4096, 1 << 20};
  const auto image = telvana::TryDecodeBitmap(std::span<const std::uint8_t>(data, size), limits);
  if (image) {
    FUZZ_CHECK(image->width > 0 && image->height > 0);
    FUZZ_CHECK(image->pixels.size() == static_cast<std::size_t>(image->width) * image->height);
  }
  return 0;
}
