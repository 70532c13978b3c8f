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
  // The server refused every way of carrying the stream we offered (RTSP's "461
  // Unsupported transport").
  UnsupportedTransport,
  // The server's certificate is not one the system accepts: issued by nobody it trusts, for
  // another name, expired or revoked.
  UntrustedCertificate,
};

// How one attempt reached its stream.
enum class Transport { Http, Metafile, Hls, MmsOverHttp, MmsOverTcp, RtspOverTcp, RtspOverUdp };

// One attempt of an opening: the address tried, how, what came of it (None: it plays) and
// how long it took. A metafile's entries are attempts of their own, `depth` deep.
struct OpenAttempt {
  std::string address;
  Transport transport = Transport::Http;
  PlaybackFailure result = PlaybackFailure::None;
  double seconds = 0;
  int depth = 0;
};

// The status text of the control bar, in Chinese; `bufferingPercent` counts only while
// buffering.
std::u16string StatusText(PlaybackState state, int bufferingPercent, PlaybackFailure failure);

// The transport's name and an attempt's failure in words, for the connection details.
std::u16string TransportName(Transport transport);
std::u16string FailureReason(PlaybackFailure failure);

// "mm:ss", or "h:mm:ss" from an hour on; negative and non-finite times count as zero.
std::u16string FormatPlayTime(double seconds);

}  // namespace telvana::player
