// TSkinReader: the directory and entries of a skin container.
//
// A skin file is a 32-bit uncompressed length followed by an LZHUF stream; the stream
// unpacks to a container: a 16-byte header (format mark 20000, length of the name list, two
// unused words), the name list (one name a line), one 32-bit size per name, then the
// entries back to back.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_limits.h"

namespace telvana {

inline constexpr std::int32_t kSkinFormatMark = 20000;

// The message the program shows for a container with another format mark.
inline constexpr std::string_view kOlderSkinMessage =
    "This is Older Skin File\rPlease update to new version !";

struct SkinReaderLimits {
  std::uint32_t max_unpacked_bytes = kMaxUnpackedSkinBytes;
};

class TSkinReader {
 public:
  TSkinReader() = default;
  explicit TSkinReader(SkinReaderLimits limits) : limits_(limits) {}

  // Reads a whole skin file. Returns false, and keeps nothing, when the container carries
  // another format mark: the caller shows kOlderSkinMessage. Throws SkinLoadError when the
  // bytes are damaged (see skin_error.h); the reader then also keeps what it had.
  bool ReadSkin(std::span<const std::uint8_t> skin_file);

  // The same for an already unpacked container.
  bool ReadContainer(std::span<const std::uint8_t> container);

  // Clears `target`, then copies into it the first entry whose name equals `name` in any
  // case. Without a match `target` stays empty.
  void GetEntry(std::string_view name, std::vector<std::uint8_t>& target) const;

  // Clears `target`, then copies into it the first entry whose stored (lower-case) name
  // contains `fragment` as given, and sets `found_name`. Without a match `target` stays empty,
  // `found_name` unchanged, and the result is false.
  bool FindEntry(std::string_view fragment, std::vector<std::uint8_t>& target,
                 std::string& found_name) const;

  int EntryCount() const { return static_cast<int>(names_.size()); }
  const std::string& EntryName(int i) const { return names_[static_cast<std::size_t>(i)]; }
  std::span<const std::uint8_t> Entry(int i) const;
  const std::vector<std::string>& Names() const { return names_; }
  const std::array<std::uint8_t, 16>& Header() const { return header_; }
  std::size_t EntryDataSize() const { return data_.size() - data_at_; }

 private:
  bool Adopt(std::vector<std::uint8_t>&& container);

  SkinReaderLimits limits_;
  std::array<std::uint8_t, 16> header_{};
  std::vector<std::string> names_;    // lower-cased
  std::vector<std::size_t> offsets_;  // from data_at_, one per name
  std::vector<std::size_t> sizes_;
  std::vector<std::uint8_t> data_;  // the whole container; entries start at data_at_
  std::size_t data_at_ = 0;
};

// Splits a name list: a line ends at CR, LF or CR LF, and a break after the last line adds
// no line. Stops early, with more than `max_lines` lines, once it has found one too many.
std::vector<std::string> SplitNameList(std::string_view text, std::size_t max_lines);

}  // namespace telvana
