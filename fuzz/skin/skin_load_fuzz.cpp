// The whole load of a skin, as the skin data component does it: a skin file (or a SkinStream
// value), its container, its description, every picture it names, and the element records.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "fuzz/skin/fuzz_checks.h"
#include "skin/byte_order.h"
#include "skin/skin_error.h"
#include "skin/skin_parse.h"
#include "skin/skin_stream.h"

namespace {

void CheckRecords(const telvana::SkinRecords& r) {
  // Three buttons of a maximised child window always close the list.
  FUZZ_CHECK(r.SysButtons.size() >= 3);
  for (std::size_t i = 0; i < 3; ++i) {
    FUZZ_CHECK(r.SysButtons[r.SysButtons.size() - 3 + i]->Action == 7 + static_cast<int>(i));
  }
  auto check_picture = [](const telvana::PixelImage& p) {
    FUZZ_CHECK(p.pixels.size() ==
                   static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height) ||
               (p.width == 0 && p.pixels.empty()));
  };
  for (const auto& b : r.SysButtons) {
    FUZZ_CHECK(b->FrameCount >= 1);
    check_picture(b->Image);
  }
  for (const auto* b : {&r.Left, &r.Right, &r.Top, &r.Bottom}) {
    FUZZ_CHECK(b->FrameCount >= 1);
    check_picture(b->Image);
  }
  FUZZ_CHECK(r.Buttons.CheckButtonFrame >= 1 && r.Buttons.RadioButtonFrame >= 1);
  for (const auto& o : r.Slots) {
    if (!o) continue;
    FUZZ_CHECK(o->FrameCount >= 1);
    check_picture(o->Image);
  }
  if (const auto* combo = r.SlotAs<telvana::TDataSkinBorder>(telvana::SkinSlot::kComboButton)) {
    FUZZ_CHECK(combo->Image2.width == combo->Image.width);
  }
}

void LoadWhole(std::span<const std::uint8_t> file) {
  // Far below the program's limits, and still far above the seeds (a skin of a few bitmaps
  // that unpacks to under 1 KiB): 16 KiB unpacked, pictures of up to 1024 pixels a side and
  // 64 Ki pixels, 256 Ki pixels in all. An input that asks for more is refused at once
  // instead of having its bytes unpacked or its pixels filled.
  const telvana::SkinParseLimits parse{{1024, 64 * 1024}, 256 * 1024};
  const auto records = telvana::LoadSkinRecords(file, {16u * 1024}, parse);
  if (records) CheckRecords(*records);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  try {
    if (size >= 4 && telvana::ReadLe32(input, 0) == size - 4) {
      LoadWhole(telvana::SkinFileOfStreamProperty(input));
    } else {
      LoadWhole(input);
    }
  } catch (const telvana::SkinLoadError&) {
  }
  return 0;
}
