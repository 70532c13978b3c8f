// The user's own channels: entries of a name, a group and an address, in the order they were
// added, each address at most once in a group. The groups are shown in the order of their
// first entry. The list is kept as a UTF-8 M3U text (channel_store_win.h keeps the file).
// Portable.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "playlists/playlist_reader.h"

namespace telvana::playlists {

// No one keeps more; beyond it an import stops taking entries.
inline constexpr std::size_t kMaxUserChannels = 100'000;

// The group that addresses opened one by one go into.
inline constexpr std::u16string_view kRecentGroup = u"最近打开";

struct MergeResult {
  std::size_t taken = 0;
  SkipCounts skipped;
};

class UserChannelList {
 public:
  const std::vector<UserChannel>& Channels() const { return channels_; }
  bool Empty() const { return channels_.empty(); }
  const std::vector<std::u16string>& Groups() const { return groups_; }
  // The channels of a group, in their order.
  std::vector<const UserChannel*> ChannelsOf(std::u16string_view group) const;
  // The first channel of `group` named `name`, or null.
  const UserChannel* Find(std::u16string_view group, std::u16string_view name) const;

  // Adds the channel unless its group holds its address already or the list is full.
  bool Add(UserChannel channel, SkipReason* why_not = nullptr);
  // Adds what was read, counting what was left out on the way and here.
  MergeResult Merge(const PlaylistContents& contents);
  void Clear();

  // The list as an extended M3U text in UTF-8, which ReadPlaylist reads back unchanged.
  std::string ToM3u() const;

 private:
  static std::u16string Key(std::u16string_view group, std::u16string_view address);

  std::vector<UserChannel> channels_;
  std::vector<std::u16string> groups_;
  std::unordered_map<std::u16string, std::size_t> group_index_;
  std::unordered_set<std::u16string> keys_;
};

}  // namespace telvana::playlists
