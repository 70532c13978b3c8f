// Feeds arbitrary bytes to the playlist reader as each kind of list. Every channel that comes
// out must be playable, named and grouped on one line within the bounds; and the user's list
// made of them must read back from its own M3U text exactly as it was. Nothing may crash, leak
// or hang.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "playlists/import_notice.h"
#include "playlists/playlist_reader.h"
#include "playlists/user_channel_list.h"

namespace {

void CheckLine(std::u16string_view text) {
  if (text.empty() || text.size() > telvana::playlists::kMaxNameLength) __builtin_trap();
  for (const char16_t c : text) {
    if (c < 0x20) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace telvana::playlists;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const std::string_view extension : {"m3u", "pls", "asx"}) {
    const PlaylistContents contents = ReadPlaylist(bytes, extension, u"导入", nullptr);
    UserChannelList list;
    const MergeResult merged = list.Merge(contents);
    if (merged.taken != list.Channels().size()) __builtin_trap();
    for (const UserChannel& channel : list.Channels()) {
      if (!IsPlayableAddress(channel.address)) __builtin_trap();
      CheckLine(channel.name);
      CheckLine(channel.group);
    }
    (void)ImportNotice(merged);

    UserChannelList again;
    again.Merge(ReadPlaylist(list.ToM3u(), "m3u", u"导入", nullptr));
    if (again.Channels() != list.Channels()) __builtin_trap();
  }
  return 0;
}
