// Stream addresses as the engine sends them: cleaned of the blanks that stored addresses
// carry, with non-ASCII characters percent-encoded as UTF-8, and expanded into the
// transports to try in order ("mms" means MMS over HTTP first, then MMS over TCP, as
// players do). Portable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "player/playback_state.h"

namespace telvana::player {

// Removes surrounding blanks (ASCII white space, no-break and ideographic spaces, byte-order
// marks), percent-encodes every non-ASCII character as UTF-8 and every control character or
// blank inside. Existing %XX escapes are kept as they are. The scheme is lower-cased.
std::string NormalizeAddress(std::u16string_view address);
// The same for an address already in bytes (a metafile's text). Bytes that are not valid
// UTF-8 are percent-encoded one by one, which is how a server that stores its names in a
// local code page expects them.
std::string NormalizeAddressBytes(std::string_view address);

// The scheme of an address, lower-cased, without "://"; empty when there is none.
std::string SchemeOf(std::string_view address);

// The addresses to try, in order, for one media address:
//   mms  -> mmsh (MMS over HTTP), then mmst (MMS over TCP)
//   pnm  -> rtsp (the RealMedia servers that speak the old protocol also speak RTSP)
//   mmsh, mmst, rtsp, http, https -> themselves.
// Any other scheme (file, ftp, data, ...) yields nothing: the player only plays from the
// network.
std::vector<std::string> TransportCandidates(std::string_view address);

// The same, with the transport of each attempt. RTSP is one address tried two ways: RTP
// interleaved in the RTSP connection (TCP) first, then RTP over UDP. TCP first because it
// passes NAT and firewalls, and a server that only sends UDP refuses the interleaved SETUP
// at once ("461"); tried the other way round, a server whose UDP packets a firewall drops
// costs a timeout before TCP is tried.
struct TransportCandidate {
  std::string url;
  Transport transport;
};
std::vector<TransportCandidate> TransportPlan(std::string_view address);

// Resolves a reference found in a metafile against the address the metafile came from.
// Absolute references ("scheme://...") are returned as they are; "/path" replaces the
// path; anything else replaces the last path segment. Query and fragment of the base are
// dropped.
std::string ResolveReference(std::string_view base, std::string_view reference);

// The last path segment's extension, lower-cased, without the dot; the query and fragment
// are ignored. Empty when there is none.
std::string PathExtension(std::string_view address);

}  // namespace telvana::player
