// Writing skin files, for the packing tool and for tests (the program only reads them).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace telvana {

struct SkinEntry {
  std::string name;
  std::vector<std::uint8_t> bytes;
};

// The uncompressed container for `entries`, in the given order. Throws std::invalid_argument
// for what no reader could take back: an empty name, a name with a line break, more entries
// than the directory holds, or a container above the unpacked-size limit.
std::vector<std::uint8_t> BuildSkinContainer(std::span<const SkinEntry> entries);

// A skin file: the container's length, then the container compressed with LzhPack.
std::vector<std::uint8_t> PackSkinContainer(std::span<const std::uint8_t> container);

// Both steps: the skin file for `entries`.
std::vector<std::uint8_t> PackSkin(std::span<const SkinEntry> entries);

// True for the entry a reader takes as the description: its lower-cased name contains ".ini".
bool IsDescriptionName(const std::string& name);

// Puts entries in the order our skins are packed in: bitmaps and other entries sorted by
// lower-cased name (then by name), the description last. Stable for equal names.
void SortForPacking(std::vector<SkinEntry>& entries);

}  // namespace telvana
