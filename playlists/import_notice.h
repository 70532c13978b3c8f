// The short notice an import ends with: how many channels were taken, how many were left out
// and why. Portable.
#pragma once

#include <string>

#include "playlists/user_channel_list.h"

namespace telvana::playlists {

std::u16string ImportNotice(const MergeResult& result);
// For a file that is no list at all.
inline constexpr std::u16string_view kNotAPlaylistNotice =
    u"这个文件不是频道列表，没有导入任何频道。";

}  // namespace telvana::playlists
