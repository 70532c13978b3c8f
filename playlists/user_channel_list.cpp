#include "playlists/user_channel_list.h"

#include "ui/utf.h"

namespace telvana::playlists {

std::u16string UserChannelList::Key(std::u16string_view group, std::u16string_view address) {
  std::u16string key(group);
  key.push_back(u'\0');  // never part of a cleaned group
  key += address;
  return key;
}

std::vector<const UserChannel*> UserChannelList::ChannelsOf(std::u16string_view group) const {
  std::vector<const UserChannel*> out;
  for (const UserChannel& channel : channels_) {
    if (channel.group == group) out.push_back(&channel);
  }
  return out;
}

const UserChannel* UserChannelList::Find(std::u16string_view group,
                                         std::u16string_view name) const {
  for (const UserChannel& channel : channels_) {
    if (channel.group == group && channel.name == name) return &channel;
  }
  return nullptr;
}

bool UserChannelList::Add(UserChannel channel, SkipReason* why_not) {
  SkipReason reason;
  if (channels_.size() >= kMaxUserChannels) {
    reason = SkipReason::kListFull;
  } else if (!keys_.insert(Key(channel.group, channel.address)).second) {
    reason = SkipReason::kDuplicate;
  } else {
    if (group_index_.emplace(channel.group, groups_.size()).second) {
      groups_.push_back(channel.group);
    }
    channels_.push_back(std::move(channel));
    return true;
  }
  if (why_not) *why_not = reason;
  return false;
}

MergeResult UserChannelList::Merge(const PlaylistContents& contents) {
  MergeResult result;
  result.skipped = contents.skipped;
  for (const UserChannel& channel : contents.channels) {
    SkipReason why;
    if (Add(channel, &why)) {
      ++result.taken;
    } else {
      ++result.skipped[why];
    }
  }
  return result;
}

void UserChannelList::Clear() {
  channels_.clear();
  groups_.clear();
  group_index_.clear();
  keys_.clear();
}

std::string UserChannelList::ToM3u() const {
  std::string out = "#EXTM3U\r\n";
  out.reserve(channels_.size() * 96);
  for (const UserChannel& channel : channels_) {
    // A group with a quote in it cannot stand in group-title="...": it gets a line of its own.
    const bool quoted_group = channel.group.find(u'"') == std::u16string::npos;
    out += "#EXTINF:-1";
    if (quoted_group) {
      out += " group-title=\"";
      out += Utf16ToUtf8(channel.group);
      out += '"';
    }
    out += ',';
    out += Utf16ToUtf8(channel.name);
    out += "\r\n";
    if (!quoted_group) {
      out += "#EXTGRP:";
      out += Utf16ToUtf8(channel.group);
      out += "\r\n";
    }
    out += Utf16ToUtf8(channel.address);
    out += "\r\n";
  }
  return out;
}

}  // namespace telvana::playlists
