#include "skin/skin_packer.h"

#include <algorithm>
#include <stdexcept>

#include "skin/ascii.h"
#include "skin/byte_order.h"
#include "skin/lzh_encoder.h"
#include "skin/skin_limits.h"
#include "skin/skin_reader.h"

namespace telvana {

std::vector<std::uint8_t> BuildSkinContainer(std::span<const SkinEntry> entries) {
  if (entries.size() > static_cast<std::size_t>(kMaxSkinEntries)) {
    throw std::invalid_argument("a skin holds at most " + std::to_string(kMaxSkinEntries) +
                                " entries, not " + std::to_string(entries.size()));
  }
  std::string names;
  std::size_t total = 16;
  for (const SkinEntry& e : entries) {
    if (e.name.empty()) throw std::invalid_argument("a skin entry needs a name");
    if (e.name.find_first_of("\r\n") != std::string::npos) {
      throw std::invalid_argument("skin entry name \"" + e.name + "\" contains a line break");
    }
    names += e.name;
    names += "\r\n";
    total += e.name.size() + 2 + 4 + e.bytes.size();
    if (total > kMaxUnpackedSkinBytes) {
      throw std::invalid_argument("skin container above " + std::to_string(kMaxUnpackedSkinBytes) +
                                  " bytes");
    }
  }

  std::vector<std::uint8_t> out;
  out.reserve(total);
  AppendLe32(out, static_cast<std::uint32_t>(kSkinFormatMark));
  AppendLe32(out, static_cast<std::uint32_t>(names.size()));
  AppendLe32(out, 0);  // two words no reader looks at
  AppendLe32(out, 0);
  out.insert(out.end(), names.begin(), names.end());
  for (const SkinEntry& e : entries) AppendLe32(out, static_cast<std::uint32_t>(e.bytes.size()));
  for (const SkinEntry& e : entries) out.insert(out.end(), e.bytes.begin(), e.bytes.end());
  return out;
}

std::vector<std::uint8_t> PackSkinContainer(std::span<const std::uint8_t> container) {
  if (container.size() > kMaxUnpackedSkinBytes) {
    throw std::invalid_argument("skin container above the unpacked-size limit");
  }
  std::vector<std::uint8_t> file;
  AppendLe32(file, static_cast<std::uint32_t>(container.size()));
  const std::vector<std::uint8_t> stream = LzhPack(container);
  file.insert(file.end(), stream.begin(), stream.end());
  return file;
}

std::vector<std::uint8_t> PackSkin(std::span<const SkinEntry> entries) {
  return PackSkinContainer(BuildSkinContainer(entries));
}

bool IsDescriptionName(const std::string& name) {
  return AsciiLowered(name).find(".ini") != std::string::npos;
}

void SortForPacking(std::vector<SkinEntry>& entries) {
  std::stable_sort(entries.begin(), entries.end(), [](const SkinEntry& a, const SkinEntry& b) {
    const bool a_ini = IsDescriptionName(a.name);
    const bool b_ini = IsDescriptionName(b.name);
    if (a_ini != b_ini) return b_ini;
    const std::string la = AsciiLowered(a.name);
    const std::string lb = AsciiLowered(b.name);
    if (la != lb) return la < lb;
    return a.name < b.name;
  });
}

}  // namespace telvana
