#include "player/connection_details.h"

#include <gtest/gtest.h>

namespace telvana::player {
namespace {

using Lines = std::vector<std::u16string>;

TEST(ConnectionDetailsLines, EveryAttemptAndWhatPlays) {
  PlaybackStatus s;
  s.attempts = {{"http://127.0.0.1/a.asx", Transport::Metafile, PlaybackFailure::None, 0.004, 0},
                {"rtsp://127.0.0.1/live", Transport::RtspOverTcp,
                 PlaybackFailure::UnsupportedTransport, 0.031, 1},
                {"rtsp://127.0.0.1/live", Transport::RtspOverUdp, PlaybackFailure::None, 1.5, 1}};
  s.playing = "rtsp://127.0.0.1/live";
  s.container = "rtsp";
  s.videoCodec = "mpeg4";
  s.videoWidth = 320;
  s.videoHeight = 240;
  s.bufferedSeconds = 1.3;
  s.picturesDropped = 3;
  EXPECT_EQ(
      ConnectionDetailsLines(s),
      (Lines{u"连接尝试：", u"  1. http://127.0.0.1/a.asx  播放列表（HTTP）  成功  0.00 秒",
             u"  2.   rtsp://127.0.0.1/live  RTSP over TCP  失败：不支持的传输方式  0.03 秒",
             u"  3.   rtsp://127.0.0.1/live  RTSP over UDP  成功  1.50 秒", u"", u"正在播放：",
             u"  地址：rtsp://127.0.0.1/live", u"  格式：rtsp", u"  视频：mpeg4  320×240",
             u"  码率：未知", u"  已缓冲：1.3 秒", u"  丢弃的画面：3"}));
}

TEST(ConnectionDetailsLines, AttemptsOverTlsSaySo) {
  PlaybackStatus s;
  s.attempts = {{"HTTPS://127.0.0.1/a.asx", Transport::Metafile, PlaybackFailure::None, 0.01, 0},
                {"https://127.0.0.1/b.wmv", Transport::Http, PlaybackFailure::None, 0.02, 1},
                {"https://127.0.0.1/c.m3u8", Transport::Hls, PlaybackFailure::None, 0.03, 0}};
  const Lines lines = ConnectionDetailsLines(s);
  EXPECT_EQ(lines[1], u"  1. HTTPS://127.0.0.1/a.asx  播放列表（HTTPS）  成功  0.01 秒");
  EXPECT_EQ(lines[2], u"  2.   https://127.0.0.1/b.wmv  HTTPS  成功  0.02 秒");
  EXPECT_EQ(lines[3], u"  3. https://127.0.0.1/c.m3u8  HLS  成功  0.03 秒");
}

TEST(ConnectionDetailsLines, NothingTriedNothingPlays) {
  EXPECT_EQ(ConnectionDetailsLines({}),
            (Lines{u"连接尝试：", u"  （无）", u"", u"正在播放：", u"  （无）"}));
}

}  // namespace
}  // namespace telvana::player
