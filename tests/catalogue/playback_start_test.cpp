#include "catalogue/playback_start.h"

#include <gtest/gtest.h>

#include <new>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/connection_pairs.h"
#include "catalogue/stream_table.h"
#include "tests/support/recording_player.h"

namespace telvana {
namespace {

using testsupport::RecordingPlayer;
using Calls = std::vector<std::string>;

constexpr std::u16string_view kPlaying = u"正在播放\uFF1A";

// What a list wrapper may throw when no row is selected: not necessarily a std::exception.
struct NoRowSelected {};

// The main window's side of a double-click: the selected row (none when unset) and the
// status bar's first panel.
struct Window {
  std::optional<std::u16string> selected;
  std::u16string status = u"正在播放\uFF1A上一个频道";
  int statusWrites = 0;

  void doubleClick(RecordingPlayer& player) {
    StartPlayback(
        [this] {
          if (!selected) throw NoRowSelected{};
          return *selected;
        },
        player,
        [this](std::u16string_view text) {
          status = text;
          ++statusWrites;
        });
  }
};

std::string UrlCall(std::u16string_view channel) {
  for (const StreamRow& row : StreamTable()) {
    if (row.channel == channel) return "URL=" + Utf16ToUtf8(row.url);
  }
  ADD_FAILURE() << "no stream row";
  return {};
}

TEST(StartPlayback, ClosesSetsTheAddressPlaysAndNamesTheChannel) {
  Window window{u"天津卫视频道"};
  RecordingPlayer player;
  window.doubleClick(player);
  EXPECT_EQ(player.calls(), (Calls{"close", "URL=mms://203.0.113.21/tj8", "play"}));
  EXPECT_EQ(window.status, u"正在播放\uFF1A天津卫视频道");
  EXPECT_EQ(window.statusWrites, 1);
}

TEST(StartPlayback, EmptyAddressIsSetAndPlayed) {
  Window window{u"CCTV-10"};
  RecordingPlayer player;
  window.doubleClick(player);
  EXPECT_EQ(player.calls(), (Calls{"close", "URL=", "play"}));
  EXPECT_EQ(window.status, std::u16string(kPlaying) + u"CCTV-10");
}

TEST(StartPlayback, ChannelWithoutStreamRowPlaysWithoutANewAddress) {
  for (std::u16string_view channel : {u"湖南卫视频道", u"暂无频道"}) {
    Window window{std::u16string(channel)};
    RecordingPlayer player;
    window.doubleClick(player);
    EXPECT_EQ(player.calls(), (Calls{"close", "play"}));
    EXPECT_EQ(window.status, std::u16string(kPlaying) + std::u16string(channel));
  }
}

TEST(StartPlayback, AddressKeepsItsTrailingBlank) {
  Window window{u"陕西体育频道连接1"};
  RecordingPlayer player;
  window.doubleClick(player);
  ASSERT_EQ(player.calls().size(), 4u);  // close, URL, failover, play
  EXPECT_EQ(player.calls()[1], UrlCall(u"陕西体育频道连接1"));
  EXPECT_EQ(player.url().back(), u' ');
}

TEST(StartPlayback, BlankRowDoesNothing) {
  Window window{u""};
  RecordingPlayer player;
  window.doubleClick(player);
  EXPECT_TRUE(player.calls().empty());
  EXPECT_EQ(window.statusWrites, 0);
}

TEST(StartPlayback, NoSelectionDoesNothing) {
  Window window;
  RecordingPlayer player;
  EXPECT_NO_THROW(window.doubleClick(player));
  EXPECT_TRUE(player.calls().empty());
  EXPECT_EQ(window.statusWrites, 0);
}

TEST(StartPlayback, FailedCloseStopsBeforeTheLookup) {
  Window window{u"CCTV-5"};
  RecordingPlayer player;
  player.fail(RecordingPlayer::Op::close);
  EXPECT_NO_THROW(window.doubleClick(player));
  EXPECT_EQ(player.calls(), Calls{"close"});
  EXPECT_EQ(window.status, u"正在播放\uFF1A上一个频道");
  EXPECT_EQ(window.statusWrites, 0);
}

TEST(StartPlayback, RefusedAddressIsSwallowedByTheLookupAndPlayGoesOn) {
  Window window{u"CCTV-5"};
  RecordingPlayer player;
  player.fail(RecordingPlayer::Op::setURL);
  EXPECT_NO_THROW(window.doubleClick(player));
  EXPECT_EQ(player.calls(), (Calls{"close", UrlCall(u"CCTV-5"), "play"}));
  EXPECT_EQ(window.status, std::u16string(kPlaying) + u"CCTV-5");
}

TEST(StartPlayback, FailedPlayKeepsThePreviousStatus) {
  Window window{u"CCTV-5"};
  RecordingPlayer player;
  player.fail(RecordingPlayer::Op::play);
  EXPECT_NO_THROW(window.doubleClick(player));
  EXPECT_EQ(player.calls(), (Calls{"close", UrlCall(u"CCTV-5"), "play"}));
  EXPECT_EQ(window.status, u"正在播放\uFF1A上一个频道");
  EXPECT_EQ(window.statusWrites, 0);
}

TEST(StartPlayback, FailingStatusBarIsSwallowed) {
  RecordingPlayer player;
  EXPECT_NO_THROW(StartPlayback([] { return std::u16string(u"CCTV-5"); }, player,
                                [](std::u16string_view) { throw std::bad_alloc(); }));
  EXPECT_EQ(player.calls().size(), 3u);
}

TEST(StartPlayback, EveryListedChannelPlaysItsOwnAddress) {
  for (const StreamRow& row : StreamTable()) {
    Window window{std::u16string(row.channel)};
    RecordingPlayer player;
    window.doubleClick(player);
    // A channel over several servers also names its other connections before playing.
    Calls calls = player.calls();
    if (calls.size() == 4 && calls[2].starts_with("failover=")) calls.erase(calls.begin() + 2);
    EXPECT_EQ(calls, (Calls{"close", UrlCall(row.channel), "play"}));
    EXPECT_EQ(player.calls().size() == 4, !OtherConnections(row.channel).empty()) << calls[1];
    EXPECT_EQ(window.status, std::u16string(kPlaying) + std::u16string(row.channel));
  }
}

TEST(StartPlaybackOfAddress, PlaysTheAddressAsAChannelOfThatName) {
  RecordingPlayer player;
  std::u16string status = u"before";
  const auto set_status = [&](std::u16string_view text) { status = text; };
  StartPlaybackOfAddress(u"", player, set_status);
  EXPECT_TRUE(player.calls().empty());
  EXPECT_EQ(status, u"before");
  StartPlaybackOfAddress(u"mms://127.0.0.1/徐州", player, set_status);
  EXPECT_EQ(player.calls(), (Calls{"close", "URL=mms://127.0.0.1/徐州", "play"}));
  EXPECT_EQ(status, u"正在播放\uFF1Amms://127.0.0.1/徐州");
}

TEST(StartPlayback, APairedChannelGoesOnToItsOtherConnection) {
  Window window{u"CCTV-1连接1"};
  RecordingPlayer player;
  window.doubleClick(player);
  ASSERT_EQ(player.calls().size(), 4u);
  EXPECT_EQ(player.calls()[2], "failover=连接1>连接2 " + UrlCall(u"CCTV-1连接2").substr(4));
  EXPECT_EQ(player.calls()[3], "play");
  EXPECT_EQ(window.status, u"正在播放\uFF1ACCTV-1连接1");
  // The player calls this once the other connection plays.
  player.alternatives().at(0).playing();
  EXPECT_EQ(window.status, u"正在播放\uFF1ACCTV-1连接2");
}

TEST(StartPlayback, AChannelOverOneServerHasNoFailover) {
  Window window{u"CCTV-3"};
  RecordingPlayer player;
  window.doubleClick(player);
  EXPECT_EQ(player.calls(), (Calls{"close", UrlCall(u"CCTV-3"), "play"}));
}

}  // namespace
}  // namespace telvana
