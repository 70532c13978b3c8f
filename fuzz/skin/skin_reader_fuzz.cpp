// TSkinReader over arbitrary uncompressed containers: every entry it accepts must lie inside
// the data, and lookups must find what the directory lists.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "fuzz/skin/fuzz_checks.h"
#include "skin/skin_error.h"
#include "skin/skin_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  telvana::TSkinReader reader;
  try {
    if (!reader.ReadContainer(std::span<const std::uint8_t>(data, size))) return 0;
  } catch (const telvana::SkinLoadError&) {
    return 0;
  }
  FUZZ_CHECK(reader.EntryCount() <= telvana::kMaxSkinEntries);
  std::size_t total = 0;
  std::vector<std::uint8_t> target;
  for (int i = 0; i < reader.EntryCount(); ++i) {
    total += reader.Entry(i).size();
    // GetEntry answers with the first entry of that name.
    const auto& names = reader.Names();
    const auto first = std::find(names.begin(), names.end(), reader.EntryName(i)) - names.begin();
    reader.GetEntry(reader.EntryName(i), target);
    const auto expected = reader.Entry(static_cast<int>(first));
    FUZZ_CHECK(std::equal(target.begin(), target.end(), expected.begin(), expected.end()));
  }
  FUZZ_CHECK(total <= reader.EntryDataSize());
  std::string name;
  if (reader.FindEntry(".ini", target, name)) FUZZ_CHECK(name.find(".ini") != std::string::npos);
  return 0;
}
