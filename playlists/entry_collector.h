// Where the readers of each kind of list put what they read: each entry's address checked,
// its name and group cleaned or made up, and every entry left out counted with its reason.
// Portable.
#pragma once

#include <string>
#include <string_view>

#include "playlists/playlist_reader.h"
#include "playlists/playlist_text.h"

namespace telvana::playlists {

// What one list's entries are collected into, with the reasons of those left out.
class EntryCollector {
 public:
  EntryCollector(PlaylistContents& out, std::u16string_view default_group)
      : out_(out), default_group_(CleanText(default_group)) {
    if (default_group_.empty()) default_group_ = u"未分组";
  }

  void Add(std::u16string_view address, std::u16string_view name, std::u16string_view group) {
    address = Trim(address);
    SkipReason why;
    if (!IsPlayableAddress(address, &why)) {
      ++out_.skipped[why];
      return;
    }
    UserChannel channel{CleanText(name), CleanText(group), std::u16string(address)};
    if (channel.name.empty()) channel.name = NameFromAddress(address);
    if (channel.name.empty()) channel.name = CleanText(address);
    if (channel.group.empty()) channel.group = default_group_;
    out_.channels.push_back(std::move(channel));
  }
  void NoAddress() { ++out_.skipped[SkipReason::kNoAddress]; }

 private:
  PlaylistContents& out_;
  std::u16string default_group_;
};

// The readers of each kind of list (m3u_reader.cpp, pls_reader.cpp, asx_reader.cpp).
void ReadM3u(std::u16string_view text, EntryCollector& collector);
void ReadPls(std::u16string_view text, EntryCollector& collector);
void ReadAsx(std::u16string_view text, EntryCollector& collector);

}  // namespace telvana::playlists
