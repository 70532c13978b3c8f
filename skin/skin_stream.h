// The SkinStream property of a skin data component in a form description: a signed 32-bit
// byte count, then that many bytes of skin file.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace telvana {

// The skin file inside a property value; empty when the count is 0 or below (no skin
// stored). Throws SkinLoadError when the value is too short for its count. Bytes after the
// counted ones belong to no skin and are ignored.
std::span<const std::uint8_t> SkinFileOfStreamProperty(std::span<const std::uint8_t> value);

// The property value that stores `skin_file`: its size, then its bytes.
std::vector<std::uint8_t> MakeSkinStreamProperty(std::span<const std::uint8_t> skin_file);

}  // namespace telvana
