// The playback start that a double-click on the channel list runs.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "player/media_player.h"

namespace telvana {

// Plays the channel of the selected row: closes the player's current media, sets the
// channel's stream address, starts playback and names the channel in the status bar. A
// channel offered as "…连接1", "…连接2" gives the player its other connections to go on to;
// the status bar then names the one that plays.
// `selectedRowText` throws when no row is selected. A blank row does nothing. Every failure
// is swallowed; the steps after the failing one do not run.
void StartPlayback(const std::function<std::u16string()>& selectedRowText, MediaPlayer& player,
                   const std::function<void(std::u16string_view)>& setPlayingStatus);

// Plays an address given as it is (on the command line) the way a double-click plays a
// channel of that name: closes the current media, sets the address, starts playback and
// names the address in the status bar. Every failure is swallowed in the same way.
void StartPlaybackOfAddress(std::u16string_view address, MediaPlayer& player,
                            const std::function<void(std::u16string_view)>& setPlayingStatus);

}  // namespace telvana
