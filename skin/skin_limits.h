// Bounds on what a skin may declare. A skin file is outside data: these keep a damaged or
// hostile one from exhausting memory. Each is far above any real skin (the main window's
// own skin unpacks to about 250 KB, with bitmaps of a few hundred pixels a side).
#pragma once

#include <cstdint>

namespace telvana {

// The uncompressed container of a skin file: 64 MiB, about 260 times the stored skin.
inline constexpr std::uint32_t kMaxUnpackedSkinBytes = 64u * 1024 * 1024;

// Slots of the container directory.
inline constexpr int kMaxSkinEntries = 1001;

// A skin bitmap: at most 16384 pixels a side and 4 Mi pixels (16 MiB once decoded). Skin
// pictures are strips and frames of a few hundred pixels a side.
inline constexpr int kMaxBitmapSide = 16384;
inline constexpr std::int64_t kMaxBitmapPixels = std::int64_t{4} * 1024 * 1024;

// All pictures of one skin together: 8 Mi pixels (32 MiB decoded). A skin names about forty
// pictures, and the per-bitmap bound alone would let them take forty times 16 MiB; the
// stored skin holds fewer than 100 000 pixels.
inline constexpr std::int64_t kMaxSkinPixels = std::int64_t{8} * 1024 * 1024;

}  // namespace telvana
