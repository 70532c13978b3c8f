#include "skin/skin_reader.h"

#include <algorithm>
#include <new>

#include "skin/ascii.h"
#include "skin/byte_order.h"
#include "skin/lzh.h"
#include "skin/skin_error.h"

namespace telvana {

namespace {
constexpr std::size_t kHeaderSize = 16;
}  // namespace

std::vector<std::string> SplitNameList(std::string_view text, std::size_t max_lines) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size() && lines.size() <= max_lines) {
    const std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(pos));
      break;
    }
    lines.emplace_back(text.substr(pos, end - pos));
    pos = end + 1;
    if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
  }
  return lines;
}

bool TSkinReader::ReadSkin(std::span<const std::uint8_t> skin_file) {
  if (skin_file.size() < 4) {
    throw SkinLoadError(SkinFault::kTruncated, "skin file too short for its length field");
  }
  const std::uint32_t unpacked = ReadLe32(skin_file, 0);
  if (unpacked > limits_.max_unpacked_bytes) {
    throw SkinLoadError(SkinFault::kTooLarge, "skin file declares " + std::to_string(unpacked) +
                                                  " unpacked bytes, above the limit of " +
                                                  std::to_string(limits_.max_unpacked_bytes));
  }
  std::vector<std::uint8_t> container;
  try {
    TLZH().Unpack(unpacked, skin_file.subspan(4), container);
  } catch (const std::bad_alloc&) {
    throw SkinLoadError(SkinFault::kNoMemory,
                        "no memory for " + std::to_string(unpacked) + " unpacked skin bytes");
  }
  return Adopt(std::move(container));
}

bool TSkinReader::ReadContainer(std::span<const std::uint8_t> container) {
  return Adopt(std::vector<std::uint8_t>(container.begin(), container.end()));
}

bool TSkinReader::Adopt(std::vector<std::uint8_t>&& owned) {
  const std::span<const std::uint8_t> container(owned);
  if (container.size() < kHeaderSize) {
    throw SkinLoadError(SkinFault::kTruncated, "skin container shorter than its header");
  }
  if (ReadLe32Signed(container, 0) != kSkinFormatMark) return false;

  const std::int32_t list_length = ReadLe32Signed(container, 4);
  if (list_length < 0 || static_cast<std::size_t>(list_length) > container.size() - kHeaderSize) {
    throw SkinLoadError(SkinFault::kNameListOverrun, "skin name list runs past the container");
  }
  const auto list_bytes = container.subspan(kHeaderSize, static_cast<std::size_t>(list_length));
  std::vector<std::string> names = SplitNameList(
      std::string_view(reinterpret_cast<const char*>(list_bytes.data()), list_bytes.size()),
      kMaxSkinEntries);
  if (names.size() > static_cast<std::size_t>(kMaxSkinEntries)) {
    throw SkinLoadError(
        SkinFault::kTooManyEntries,
        "skin directory has more than " + std::to_string(kMaxSkinEntries) + " entries");
  }
  for (std::string& name : names) name = AsciiLowered(name);

  const std::size_t table_at = kHeaderSize + list_bytes.size();
  const std::size_t data_at = table_at + 4 * names.size();
  if (data_at > container.size()) {
    throw SkinLoadError(SkinFault::kSizeTableOverrun, "skin size table runs past the container");
  }
  const std::size_t data_size = container.size() - data_at;

  std::vector<std::size_t> offsets;
  std::vector<std::size_t> sizes;
  offsets.reserve(names.size());
  sizes.reserve(names.size());
  std::size_t next = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::int32_t size = ReadLe32Signed(container, table_at + 4 * i);
    if (size < 0 || static_cast<std::size_t>(size) > data_size - next) {
      throw SkinLoadError(SkinFault::kEntryOverrun,
                          "skin entry \"" + names[i] + "\" runs past the entry data");
    }
    offsets.push_back(next);
    sizes.push_back(static_cast<std::size_t>(size));
    next += static_cast<std::size_t>(size);
  }

  std::copy_n(container.begin(), kHeaderSize, header_.begin());
  names_ = std::move(names);
  offsets_ = std::move(offsets);
  sizes_ = std::move(sizes);
  data_ = std::move(owned);
  data_at_ = data_at;
  return true;
}

std::span<const std::uint8_t> TSkinReader::Entry(int i) const {
  const auto k = static_cast<std::size_t>(i);
  return std::span<const std::uint8_t>(data_).subspan(data_at_ + offsets_[k], sizes_[k]);
}

void TSkinReader::GetEntry(std::string_view name, std::vector<std::uint8_t>& target) const {
  target.clear();
  const std::string wanted = AsciiLowered(name);
  const auto it = std::find(names_.begin(), names_.end(), wanted);
  if (it == names_.end()) return;
  const auto bytes = Entry(static_cast<int>(it - names_.begin()));
  target.assign(bytes.begin(), bytes.end());
}

bool TSkinReader::FindEntry(std::string_view fragment, std::vector<std::uint8_t>& target,
                            std::string& found_name) const {
  target.clear();
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i].find(fragment) == std::string::npos) continue;
    const auto bytes = Entry(static_cast<int>(i));
    target.assign(bytes.begin(), bytes.end());
    found_name = names_[i];
    return true;
  }
  return false;
}

}  // namespace telvana
