// Reading the channel lists users keep: M3U (plain, or extended with #EXTINF lines and their
// group-title and tvg-name attributes; .m3u and .m3u8), PLS and ASX. Real lists are sloppy,
// so reading is lenient: unknown tags are passed over, a missing name is made from the
// address, and every entry that cannot be played is counted with its reason instead of
// stopping the reading. Portable.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "playlists/text_decoding.h"

namespace telvana::playlists {

struct UserChannel {
  std::u16string name;
  std::u16string group;
  std::u16string address;
  bool operator==(const UserChannel&) const = default;
};

// Why an entry was left out. The order is the order the import notice names them in.
enum class SkipReason {
  kNotNetwork,  // a local or relative path: the player plays only from the network
  kUnplayable,  // an address with a scheme the player does not play
  kNoAddress,   // a title with no address after it
  kDuplicate,   // already in the user's list
  kListFull,    // the user's list holds as many channels as it may
  kCount
};

struct SkipCounts {
  std::array<std::size_t, static_cast<std::size_t>(SkipReason::kCount)> counts{};
  std::size_t& operator[](SkipReason reason) { return counts[static_cast<std::size_t>(reason)]; }
  std::size_t operator[](SkipReason reason) const {
    return counts[static_cast<std::size_t>(reason)];
  }
  std::size_t Total() const;
};

enum class PlaylistFormat { kM3u, kPls, kAsx };

// Names and addresses longer than these are not names or addresses.
inline constexpr std::size_t kMaxNameLength = 200;
inline constexpr std::size_t kMaxAddressLength = 2048;
// The most bytes of one file that are read; a longer file is read that far.
inline constexpr std::size_t kMaxPlaylistBytes = 32 * 1024 * 1024;

struct PlaylistContents {
  bool is_text = true;  // false: not a list at all (a binary file), nothing was read
  std::vector<UserChannel> channels;
  SkipCounts skipped;
};

// The format a text is in, from its first line or tag, or else from the file's extension
// ("pls", "asx", ...; anything else reads as M3U, which one address a line is too).
PlaylistFormat GuessFormat(std::u16string_view text, std::string_view extension);

// Reads a list. Entries without a group of their own go into `default_group`.
PlaylistContents ReadPlaylistText(std::u16string_view text, PlaylistFormat format,
                                  std::u16string_view default_group);
// The same from a file's bytes, decoded as text_decoding.h says.
PlaylistContents ReadPlaylist(std::string_view bytes, std::string_view extension,
                              std::u16string_view default_group, const LegacyDecoder& legacy);

// Whether an address is one the player plays (a network address with a scheme it knows),
// and if not, why not. Surrounding blanks are ignored.
bool IsPlayableAddress(std::u16string_view address, SkipReason* why_not = nullptr);

// The name an entry without one is shown under: the last part of its address's path, or its
// host.
std::u16string NameFromAddress(std::u16string_view address);

}  // namespace telvana::playlists
