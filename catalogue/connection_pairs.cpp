#include "catalogue/connection_pairs.h"

#include "catalogue/stream_table.h"

namespace telvana {

namespace {

constexpr std::u16string_view kConnection = u"连接";

}  // namespace

std::u16string ConnectionLabel(std::u16string_view channel) {
  if (channel.size() < kConnection.size() + 1) return {};
  const char16_t digit = channel.back();
  if (digit < u'1' || digit > u'9') return {};
  channel.remove_suffix(1);
  if (!channel.ends_with(kConnection)) return {};
  return std::u16string(kConnection) + digit;
}

std::vector<ChannelConnection> OtherConnections(std::u16string_view channel) {
  const std::u16string label = ConnectionLabel(channel);
  if (label.empty()) return {};
  // A row without a stream of its own changes no address, and so goes on to no other.
  bool listed = false;
  for (const StreamRow& row : StreamTable()) listed = listed || row.channel == channel;
  if (!listed) return {};
  const std::u16string_view base = channel.substr(0, channel.size() - label.size());
  std::vector<ChannelConnection> others;
  for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
    const std::u16string other_label = std::u16string(kConnection) + digit;
    if (other_label == label) continue;
    const std::u16string name = std::u16string(base) + other_label;
    for (const StreamRow& row : StreamTable()) {
      if (row.channel == name && !row.url.empty()) {
        others.push_back({name, other_label, std::u16string(row.url)});
      }
    }
  }
  return others;
}

}  // namespace telvana
