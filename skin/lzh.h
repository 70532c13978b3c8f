// TLZH: the LZHUF decompressor of skin files.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace telvana {

class TLZH {
 public:
  // Decodes from the start of `source` and appends to `target` until at least `count` bytes
  // have been appended. A match that crosses `count` is still copied whole, so up to 59
  // bytes more can arrive. Past the end of `source` the decoder reads zero bits, so a
  // truncated stream still yields `count` bytes. The caller bounds `count`: the output is
  // held in memory. Throws ElzhException when the tables cannot be allocated.
  void Unpack(std::uint32_t count, std::span<const std::uint8_t> source,
              std::vector<std::uint8_t>& target);
};

}  // namespace telvana
