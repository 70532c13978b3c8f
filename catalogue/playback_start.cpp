// The double-click on the channel list: close, look up, play, then name the channel.
#include "catalogue/playback_start.h"

#include "catalogue/connection_pairs.h"
#include "catalogue/stream_table.h"

namespace telvana {
namespace {

// "正在播放：" — the colon is the full-width one (GBK A3 BA).
constexpr std::u16string_view kPlayingPrefix = u"正在播放\uFF1A";

}  // namespace

void StartPlayback(const std::function<std::u16string()>& selectedRowText, MediaPlayer& player,
                   const std::function<void(std::u16string_view)>& setPlayingStatus) {
  try {
    const std::u16string channel = selectedRowText();
    if (channel.empty()) return;  // a blank row plays nothing
    player.close();
    // The lookup swallows its own failures: a refused address still goes on to play.
    SetChannelStream(channel, player);
    // A channel offered over several servers goes on to the next when one cannot be played,
    // and the status bar then names the connection that plays.
    std::vector<AlternativeConnection> alternatives;
    for (ChannelConnection& other : OtherConnections(channel)) {
      std::u16string status(kPlayingPrefix);
      status += other.channel;
      alternatives.push_back({std::move(other.label), std::move(other.url),
                              [setPlayingStatus, status] { setPlayingStatus(status); }});
    }
    if (!alternatives.empty())
      player.setFailover(ConnectionLabel(channel), std::move(alternatives));
    player.controls().play();
    std::u16string status(kPlayingPrefix);
    status += channel;
    setPlayingStatus(status);
  } catch (...) {
    // Nothing is reported; a failed step leaves the later ones undone and the status bar as
    // it was.
  }
}

void StartPlaybackOfAddress(std::u16string_view address, MediaPlayer& player,
                            const std::function<void(std::u16string_view)>& setPlayingStatus) {
  try {
    if (address.empty()) return;
    player.close();
    player.setURL(address);
    player.controls().play();
    std::u16string status(kPlayingPrefix);
    status += address;
    setPlayingStatus(status);
  } catch (...) {
    // As with a channel: nothing is reported.
  }
}

}  // namespace telvana
