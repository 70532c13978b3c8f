#include "skin/skin_stream.h"

#include <limits>
#include <stdexcept>

#include "skin/byte_order.h"
#include "skin/skin_error.h"

namespace telvana {

std::span<const std::uint8_t> SkinFileOfStreamProperty(std::span<const std::uint8_t> value) {
  if (value.size() < 4) {
    throw SkinLoadError(SkinFault::kTruncated, "SkinStream value too short for its byte count");
  }
  const std::int32_t count = ReadLe32Signed(value, 0);
  if (count <= 0) return {};
  if (static_cast<std::size_t>(count) > value.size() - 4) {
    throw SkinLoadError(SkinFault::kTruncated, "SkinStream value shorter than its byte count");
  }
  return value.subspan(4, static_cast<std::size_t>(count));
}

std::vector<std::uint8_t> MakeSkinStreamProperty(std::span<const std::uint8_t> skin_file) {
  if (skin_file.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) - 4) {
    throw std::length_error("skin file too large for a SkinStream value");
  }
  std::vector<std::uint8_t> value;
  value.reserve(4 + skin_file.size());
  AppendLe32(value, static_cast<std::uint32_t>(skin_file.size()));
  value.insert(value.end(), skin_file.begin(), skin_file.end());
  return value;
}

}  // namespace telvana
