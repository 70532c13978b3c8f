// The bitmap decoder over arbitrary files.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/skin/fuzz_checks.h"
#include "skin/bmp_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Far below the program's limits, so that each run stays quick; the checks are the same.
  const telvana::BitmapLimits limits{1024, 256 * 1024};
  const auto image = telvana::TryDecodeBitmap(std::span<const std::uint8_t>(data, size), limits);
  if (image) {
    FUZZ_CHECK(image->width > 0 && image->height > 0);
    FUZZ_CHECK(image->pixels.size() == static_cast<std::size_t>(image->width) * image->height);
  }
  return 0;
}
