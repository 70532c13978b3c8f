#include "player/playback_state.h"

#include <gtest/gtest.h>

#include <limits>

namespace telvana::player {
namespace {

TEST(StatusText, FollowsTheState) {
  EXPECT_EQ(StatusText(PlaybackState::Closed, 0, PlaybackFailure::None), u"就绪");
  EXPECT_EQ(StatusText(PlaybackState::Connecting, 0, PlaybackFailure::None), u"正在连接…");
  EXPECT_EQ(StatusText(PlaybackState::Buffering, 42, PlaybackFailure::None), u"正在缓冲 42%");
  EXPECT_EQ(StatusText(PlaybackState::Playing, 42, PlaybackFailure::None), u"正在播放");
  EXPECT_EQ(StatusText(PlaybackState::Paused, 0, PlaybackFailure::None), u"已暂停");
  EXPECT_EQ(StatusText(PlaybackState::Stopped, 0, PlaybackFailure::None), u"已停止");
}

TEST(StatusText, BufferingPercentStaysInRange) {
  EXPECT_EQ(StatusText(PlaybackState::Buffering, -5, PlaybackFailure::None), u"正在缓冲 0%");
  EXPECT_EQ(StatusText(PlaybackState::Buffering, 250, PlaybackFailure::None), u"正在缓冲 100%");
}

TEST(StatusText, EveryFailureHasItsOwnMessage) {
  const PlaybackFailure failures[] = {PlaybackFailure::Unreachable,
                                      PlaybackFailure::NoAnswer,
                                      PlaybackFailure::NotFound,
                                      PlaybackFailure::Undecodable,
                                      PlaybackFailure::NothingToPlay,
                                      PlaybackFailure::UnsupportedAddress,
                                      PlaybackFailure::UnsupportedTransport,
                                      PlaybackFailure::UntrustedCertificate};
  std::vector<std::u16string> seen;
  for (PlaybackFailure f : failures) {
    const std::u16string text = StatusText(PlaybackState::Failed, 0, f);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(std::count(seen.begin(), seen.end(), text), 0);
    seen.push_back(text);
    EXPECT_NE(FailureReason(f), FailureReason(PlaybackFailure::None));
  }
  EXPECT_EQ(StatusText(PlaybackState::Failed, 0, PlaybackFailure::Unreachable),
            u"无法连接到服务器");
  EXPECT_EQ(StatusText(PlaybackState::Failed, 0, PlaybackFailure::Undecodable),
            u"无法解码这个节目的数据流");
  EXPECT_EQ(StatusText(PlaybackState::Failed, 0, PlaybackFailure::UntrustedCertificate),
            u"服务器的安全证书不受信任");
  EXPECT_EQ(FailureReason(PlaybackFailure::UntrustedCertificate), u"证书不受信任");
}

TEST(FormatPlayTime, MinutesAndHours) {
  EXPECT_EQ(FormatPlayTime(0), u"00:00");
  EXPECT_EQ(FormatPlayTime(59.99), u"00:59");
  EXPECT_EQ(FormatPlayTime(61), u"01:01");
  EXPECT_EQ(FormatPlayTime(3600 + 62), u"1:01:02");
  EXPECT_EQ(FormatPlayTime(-3), u"00:00");
  EXPECT_EQ(FormatPlayTime(std::numeric_limits<double>::quiet_NaN()), u"00:00");
  EXPECT_EQ(FormatPlayTime(std::numeric_limits<double>::infinity()), u"00:00");
}

}  // namespace
}  // namespace telvana::player
