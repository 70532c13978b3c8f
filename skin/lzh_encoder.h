// Our LZHUF encoder: produces the bit stream that TLZH::Unpack reads back. Used by the skin
// packer and by tests; the program itself only reads skins.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace telvana {

// The compressed bit stream for `data`, without any length in front. The encoder never lets
// a match cross the end, so Unpack(data.size(), ...) yields exactly `data`. Deterministic.
std::vector<std::uint8_t> LzhPack(std::span<const std::uint8_t> data);

}  // namespace telvana
