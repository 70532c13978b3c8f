// Where the user's own channels are kept: a UTF-8 M3U file in the user's roaming
// application data (Korvane\Telvana\我的频道.m3u), or wherever the store is pointed (tests).
// The file is always written whole to a temporary file beside it and then put in the old
// one's place, so that a crash or a full disk leaves either the old list or the new one,
// never half of one.
#pragma once

#include <string>

#include "playlists/user_channel_list.h"

namespace telvana::playlists {

// Reads a whole file, up to `limit` bytes. False when it cannot be opened or read.
bool ReadFileBytes(const std::wstring& path, std::size_t limit, std::string& bytes);

class ChannelStore {
 public:
  explicit ChannelStore(std::wstring path) : path_(std::move(path)) {}
  // The user's own file; empty when the system names no application-data folder.
  static std::wstring DefaultPath();

  const std::wstring& Path() const { return path_; }

  // The kept list; a list never saved is empty, and so is one that cannot be read.
  UserChannelList Load() const;
  // Replaces the kept list with `list`. False, with the old file untouched, when the new one
  // cannot be written whole.
  bool Save(const UserChannelList& list) const;

 private:
  std::wstring path_;
};

}  // namespace telvana::playlists
