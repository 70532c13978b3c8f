// Little-endian integers in byte buffers (skin files and bitmaps are little-endian on every
// platform we build for).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace telvana {

inline std::uint16_t ReadLe16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

inline std::uint32_t ReadLe32(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t{b[at]} | (std::uint32_t{b[at + 1]} << 8) | (std::uint32_t{b[at + 2]} << 16) |
         (std::uint32_t{b[at + 3]} << 24);
}

inline std::int32_t ReadLe32Signed(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::int32_t>(ReadLe32(b, at));
}

inline void AppendLe16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void AppendLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

}  // namespace telvana
