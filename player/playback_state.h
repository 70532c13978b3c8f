// The player's state as its engine reports it and its control bar shows it. Portable.
#pragma once

#include <string>

namespace telvana::player {

// Closed: no media is open (the control is idle, "ready"). Connecting: the address is being
// reached and the stream's format read. Buffering: enough of the stream is gathered before
// playing starts (or starts again after the network fell behind). Playing and Paused: the
// clock runs or stands. Stopped: the user stopped, or the media came to its end. Failed:
// nothing playable could be had from the address; the failure says why.
enum class PlaybackState { Closed, Connecting, Buffering, Playing, Paused, Stopped, Failed };

enum class PlaybackFailure {
  None,
  Unreachable,         // refused, no route, name not found
  NoAnswer,            // the server took the connection and then said nothing
  NotFound,            // the server answered that it has no such media
  Undecodable,         // the bytes are not a stream we can decode
  NothingToPlay,       // a metafile that lists no address we could play
  UnsupportedAddress,  // an address of a kind the player does not stream from
};

// The status text of the control bar, in Chinese; `bufferingPercent` counts only while
// buffering.
std::u16string StatusText(PlaybackState state, int bufferingPercent, PlaybackFailure failure);

// "mm:ss", or "h:mm:ss" from an hour on; negative and non-finite times count as zero.
std::u16string FormatPlayTime(double seconds);

}  // namespace telvana::player
