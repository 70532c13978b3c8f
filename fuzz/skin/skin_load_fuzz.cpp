// The whole read of a skin, as the skin data component does it: a skin file (or a SkinStream
// value), its description, and every bitmap.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/bmp_decoder.h"
#include "skin/byte_order.h"
#include "skin/quick_ini.h"
#include "skin/skin_error.h"
#include "skin/skin_reader.h"
#include "skin/skin_stream.h"

namespace {

void ReadWhole(std::span<const std::uint8_t> file) {
  // 256 KiB unpacked keeps each run quick; the program's limit only differs in size.
  telvana::TSkinReader reader({256u * 1024});
  if (!reader.ReadSkin(file)) return;
  std::vector<std::uint8_t> entry;
  std::string name;
  reader.FindEntry(".ini", entry, name);
  telvana::TQuickIni ini;
  ini.Load(entry);
  const telvana::BitmapLimits limits{4096, 1 << 20};
  for (const std::string& section : ini.ReadSections()) {
    for (const char* key : {"Image", "Bitmap", "ButtonImage", "CheckButton", "Left"}) {
      reader.GetEntry(ini.ReadString(section, key, ""), entry);
      if (!entry.empty()) telvana::TryDecodeBitmap(entry, limits);
    }
  }
  for (int i = 0; i < reader.EntryCount(); ++i) telvana::TryDecodeBitmap(reader.Entry(i), limits);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  try {
    if (size >= 4 && telvana::ReadLe32(input, 0) == size - 4) {
      ReadWhole(telvana::SkinFileOfStreamProperty(input));
    } else {
      ReadWhole(input);
    }
  } catch (const telvana::SkinLoadError&) {
  }
  return 0;
}
