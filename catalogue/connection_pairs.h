// Channels that the catalogue offers over several servers, named "…连接1", "…连接2" (and
// once "…连接3"): the same channel, tried one after the other. Portable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace telvana {

struct ChannelConnection {
  std::u16string channel;  // the channel name of that connection, as in the catalogue
  std::u16string label;    // "连接2"
  std::u16string url;
};

// "连接N" when the channel's name ends so, else empty.
std::u16string ConnectionLabel(std::u16string_view channel);

// The other connections of the channel that have an address, in the order of their numbers;
// empty for a channel offered over one server, and for a name without a stream row.
std::vector<ChannelConnection> OtherConnections(std::u16string_view channel);

}  // namespace telvana
