// TLZH over arbitrary streams (the first four bytes choose the count), and our encoder's
// round trip over arbitrary data. Outputs stay below 2 KiB: every symbol runs the same code,
// and the rare events of long outputs (the tree is rebuilt after some 32 Ki symbols) are the
// unit tests' part.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz/skin/fuzz_checks.h"
#include "skin/byte_order.h"
#include "skin/lzh.h"
#include "skin/lzh_encoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  if (size >= 4) {
    const std::uint32_t count = telvana::ReadLe32(input, 0) & 0x7FFu;
    std::vector<std::uint8_t> out;
    telvana::TLZH().Unpack(count, input.subspan(4), out);
    FUZZ_CHECK(out.size() >= count && out.size() <= std::size_t{count} + 59);
  }
  const std::vector<std::uint8_t> packed = telvana::LzhPack(input);
  std::vector<std::uint8_t> back;
  telvana::TLZH().Unpack(static_cast<std::uint32_t>(size), packed, back);
  FUZZ_CHECK(back.size() == size && std::equal(back.begin(), back.end(), data));
  return 0;
}
