// The connection details of the player: every attempt of the current opening (address,
// transport, result in plain words with its reason, time taken) and what plays (container,
// codecs, picture size, bit rate, seconds buffered, pictures dropped), as lines of text that
// can be selected and copied. Portable.
#pragma once

#include <string>
#include <vector>

#include "player/playback_engine.h"

namespace telvana::player {

std::vector<std::u16string> ConnectionDetailsLines(const PlaybackStatus& status);

}  // namespace telvana::player
