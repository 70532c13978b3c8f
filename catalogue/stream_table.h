// The compiled-in stream table: channel name to stream address (UTF-16, possibly empty).
#pragma once

#include <span>
#include <string_view>

#include "player/media_player.h"

namespace telvana {

struct StreamRow {
  std::u16string_view channel;
  std::u16string_view url;  // "mms", "mmst", "rtsp" or "http" address, or empty
};

std::span<const StreamRow> StreamTable();

// Sets the player's URL to the address of the channel named exactly `channelName`
// (also when that address is empty); sets nothing when no row matches. Every failure is
// swallowed.
void SetChannelStream(std::u16string_view channelName, MediaPlayer& player);

}  // namespace telvana
