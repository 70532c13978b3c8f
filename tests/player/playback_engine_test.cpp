// The playback engine against servers of its own on 127.0.0.1: streams over HTTP, metafiles
// that point at them, and servers that refuse, never answer or send garbage.
#include "player/playback_engine.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <functional>
#include <thread>

#include "tests/player/loopback_server.h"
#include "tests/player/rtsp_server.h"
#include "tests/support/eventually.h"
#include "ui/utf.h"

namespace telvana::player {
namespace {

using namespace std::chrono_literals;
using testsupport::Eventually;
using testsupport::HttpServer;
using testsupport::ReadTestFile;
using testsupport::RefusingPort;
using testsupport::RtspServer;
using testsupport::SilentServer;

class CountingListener : public PlaybackEngine::Listener {
 public:
  void StatusChanged() override { ++statusChanges; }
  void PictureReady() override { ++pictures; }
  std::atomic<int> statusChanges{0};
  std::atomic<int> pictures{0};
};

std::u16string U(const std::string& s) {
  return Utf8ToUtf16(s);
}

class PlaybackEngineTest : public ::testing::Test {
 protected:
  bool StateBecomes(PlaybackState state, std::chrono::milliseconds limit = 20s) {
    return Eventually([&] { return engine.Status().state == state; }, limit);
  }

  CountingListener listener;
  PlaybackEngine engine{listener};
  HttpServer server;
};

TEST_F(PlaybackEngineTest, PlaysAWindowsMediaClipOverHttpToItsEnd) {
  server.Add("/clip.wmv", ReadTestFile("clip.wmv"), "video/x-ms-asf");
  engine.Open(U("  " + server.Url("/clip.wmv") + "  "));
  ASSERT_TRUE(StateBecomes(PlaybackState::Playing)) << static_cast<int>(engine.Status().state);
  const PlaybackStatus playing = engine.Status();
  EXPECT_TRUE(playing.hasVideo);
  EXPECT_TRUE(playing.hasAudio);
  EXPECT_EQ(playing.videoWidth, 320);
  EXPECT_EQ(playing.videoHeight, 240);
  EXPECT_NEAR(playing.duration, 3.0, 0.2);
  EXPECT_TRUE(playing.seekable);
  EXPECT_EQ(playing.playing, server.Url("/clip.wmv"));
  ASSERT_TRUE(Eventually([&] { return listener.pictures > 10; }));
  int width = 0;
  EXPECT_TRUE(engine.WithPicture([&](const Picture& p) { width = p.width; }));
  EXPECT_EQ(width, 320);  // its own size until the control asks for another
  ASSERT_TRUE(StateBecomes(PlaybackState::Stopped));
  EXPECT_NEAR(engine.Status().position, 3.0, 0.3);
  engine.Close();
  EXPECT_EQ(engine.Status().state, PlaybackState::Closed);
  EXPECT_FALSE(engine.WithPicture([](const Picture&) {}));
}

TEST_F(PlaybackEngineTest, ScalesPicturesToTheSizeAskedFor) {
  server.Add("/clip.wmv", ReadTestFile("clip.wmv"));
  engine.SetPictureSize(200, 150);
  engine.Open(U(server.Url("/clip.wmv")));
  ASSERT_TRUE(Eventually([&] { return listener.pictures > 0; }));
  int width = 0, height = 0;
  engine.WithPicture([&](const Picture& p) { width = p.width, height = p.height; });
  EXPECT_EQ(width, 200);
  EXPECT_EQ(height, 150);
}

TEST_F(PlaybackEngineTest, AnAsxMetafilePlaysItsFirstEntryThatPlays) {
  server.Add("/clip.wmv", ReadTestFile("clip.wmv"));
  const std::string refused = "http://127.0.0.1:" + std::to_string(RefusingPort()) + "/gone.wmv";
  server.Add("/live.asx",
             "<ASX VERSION=\"3.0\"><TITLE>Loopback & friends</TITLE>\r\n<ENTRY><REF HREF=\"" +
                 refused + "\"/></ENTRY>\r\n<ENTRY><REF HREF=\"clip.wmv\"/></ENTRY></ASX>",
             "video/x-ms-asf");
  engine.Open(U(server.Url("/live.asx")));
  ASSERT_TRUE(StateBecomes(PlaybackState::Playing));
  EXPECT_EQ(engine.Status().playing, server.Url("/clip.wmv"));
  EXPECT_EQ(server.Requests("/live.asx"), 1);
  EXPECT_EQ(server.Requests("/clip.wmv"),
            1);  // the first bytes are looked at once, not fetched again
}

TEST_F(PlaybackEngineTest, ARealMediaMetafilePlaysRealVideo) {
  server.Add("/clip.rm", ReadTestFile("clip.rm"), "application/vnd.rn-realmedia");
  server.Add("/radio.ram", "# loopback\r\n" + server.Url("/clip.rm") + "\r\n",
             "audio/x-pn-realaudio");
  engine.Open(U(server.Url("/radio.ram")));
  ASSERT_TRUE(StateBecomes(PlaybackState::Playing));
  const PlaybackStatus s = engine.Status();
  EXPECT_TRUE(s.hasVideo);
  EXPECT_TRUE(s.hasAudio);
  EXPECT_EQ(s.videoWidth, 176);
  EXPECT_TRUE(Eventually([&] { return listener.pictures > 3; }));
}

TEST_F(PlaybackEngineTest, SoundOnlyStreamsPlayWithoutPictures) {
  server.Add("/radio.wma", ReadTestFile("radio.wma"));
  engine.Open(U(server.Url("/radio.wma")));
  ASSERT_TRUE(StateBecomes(PlaybackState::Playing));
  EXPECT_FALSE(engine.Status().hasVideo);
  EXPECT_TRUE(engine.Status().hasAudio);
  ASSERT_TRUE(StateBecomes(PlaybackState::Stopped));
  EXPECT_EQ(listener.pictures, 0);
}

TEST_F(PlaybackEngineTest, ARefusingServerFailsAsUnreachable) {
  engine.Open(U("http://127.0.0.1:" + std::to_string(RefusingPort()) + "/live.asf"));
  ASSERT_TRUE(StateBecomes(PlaybackState::Failed));
  EXPECT_EQ(engine.Status().failure, PlaybackFailure::Unreachable);
}

TEST_F(PlaybackEngineTest, MmsPlaysOverHttpFromAWindowsMediaServer) {
  HttpServer::Body body;
  body.bytes = ReadTestFile("clip.wmv");
  body.mmsOverHttp = true;
  server.Add("/live", body);
  const std::string address = "mms://127.0.0.1:" + std::to_string(server.Port()) + "/live";
  engine.Open(U(address));
  ASSERT_TRUE(StateBecomes(PlaybackState::Playing));
  EXPECT_EQ(engine.Status().playing, "mmsh://127.0.0.1:" + std::to_string(server.Port()) + "/live");
  EXPECT_TRUE(engine.Status().hasVideo);
  EXPECT_TRUE(engine.Status().hasAudio);
  EXPECT_FALSE(engine.Status().seekable);  // a live stream
  EXPECT_TRUE(Eventually([&] { return listener.pictures > 5; }));
}

TEST_F(PlaybackEngineTest, MmsTriesMmsOverHttpThenOverTcp) {
  SilentServer silent;  // neither transport gets an answer from it
  EngineSettings quick;
  quick.connectTimeout = 500ms;
  engine.Open(U("mms://127.0.0.1:" + std::to_string(silent.Port()) + "/live"), quick);
  ASSERT_TRUE(StateBecomes(PlaybackState::Failed));
  EXPECT_EQ(engine.Status().failure, PlaybackFailure::NoAnswer);
  EXPECT_EQ(silent.Connections(), 2);
}

TEST_F(PlaybackEngineTest, AServerThatNeverAnswersRunsOutOfTime) {
  SilentServer silent;
  EngineSettings quick;
  quick.connectTimeout = 300ms;
  engine.Open(U(silent.Url("/live.asf")), quick);
  ASSERT_TRUE(StateBecomes(PlaybackState::Failed));
  EXPECT_EQ(engine.Status().failure, PlaybackFailure::NoAnswer);
}

TEST_F(PlaybackEngineTest, CloseReturnsWhileConnectingToAServerThatNeverAnswers) {
  SilentServer silent;
  EngineSettings patient;
  patient.connectTimeout = 10min;  // only the close can end this connection
  engine.Open(U(silent.Url("/live.asf")), patient);
  ASSERT_TRUE(Eventually([&] { return silent.Connections() == 1; }));
  EXPECT_EQ(engine.Status().state, PlaybackState::Connecting);
  const auto start = std::chrono::steady_clock::now();
  engine.Close();
  // Not a speed figure (see the benchmarks): a close that waited for the network would take
  // ten minutes.
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
  EXPECT_EQ(engine.Status().state, PlaybackState::Closed);
}

TEST_F(PlaybackEngineTest, CloseReturnsWhileBufferingAStalledStream) {
  HttpServer::Body body;
  body.bytes = ReadTestFile("clip.wmv");
  body.stallAfter = body.bytes.size() * 2 / 3;  // the header and two seconds of media, then silence
  server.Add("/stalled.wmv", body);
  EngineSettings patient;
  patient.readTimeout = 10min;
  patient.bufferSeconds = 30;
  engine.Open(U(server.Url("/stalled.wmv")), patient);
  ASSERT_TRUE(StateBecomes(PlaybackState::Buffering));
  const auto start = std::chrono::steady_clock::now();
  engine.Close();
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

TEST_F(PlaybackEngineTest, GarbageIsUndecodable) {
  std::string garbage;
  std::uint32_t x = 12345;
  for (int i = 0; i < 200000; ++i) {
    x = x * 1103515245 + 12345;
    garbage += static_cast<char>(x >> 24);
  }
  server.Add("/garbage.asf", garbage);
  engine.Open(U(server.Url("/garbage.asf")));
  ASSERT_TRUE(StateBecomes(PlaybackState::Failed));
  EXPECT_EQ(engine.Status().failure, PlaybackFailure::Undecodable);
}

TEST_F(PlaybackEngineTest, AMissingPageIsNotFound) {
  engine.Open(U(server.Url("/nothing.wmv")));
  ASSERT_TRUE(StateBecomes(PlaybackState::Failed));
  EXPECT_EQ(engine.Status().failure, PlaybackFailure::NotFound);
}

TEST_F(PlaybackEngineTest, AMetafileWithNothingPlayable) {
  server.Add("/empty.asx", "<asx><entry><ref href=\"file:///c:/x.wmv\"/></entry></asx>");
  engine.Open(U(server.Url("/empty.asx")));
  ASSERT_TRUE(StateBecomes(PlaybackState::Failed));
  EXPECT_EQ(engine.Status().failure, PlaybackFailure::NothingToPlay);
}

TEST_F(PlaybackEngineTest, AddressesOfOtherKindsAreRefused) {
  engine.Open(u"file:///c:/windows/win.ini");
  ASSERT_TRUE(StateBecomes(PlaybackState::Failed));
  EXPECT_EQ(engine.Status().failure, PlaybackFailure::UnsupportedAddress);
}

TEST_F(PlaybackEngineTest, PauseStopsTheClockAndPlayGoesOn) {
  server.Add("/clip.wmv", ReadTestFile("clip.wmv"));
  engine.Open(U(server.Url("/clip.wmv")));
  ASSERT_TRUE(StateBecomes(PlaybackState::Playing));
  engine.SetPaused(true);
  EXPECT_EQ(engine.Status().state, PlaybackState::Paused);
  const double at = engine.Status().position;
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(engine.Status().position, at);
  engine.SetPaused(false);
  EXPECT_EQ(engine.Status().state, PlaybackState::Playing);
  EXPECT_TRUE(StateBecomes(PlaybackState::Stopped));
}

TEST_F(PlaybackEngineTest, SeeksInMediaThatCanSeek) {
  server.Add("/clip.wmv", ReadTestFile("clip.wmv"));
  engine.Open(U(server.Url("/clip.wmv")));
  ASSERT_TRUE(StateBecomes(PlaybackState::Playing));
  engine.SetPaused(true);
  engine.Seek(2.0);
  ASSERT_TRUE(Eventually([&] { return engine.Status().position >= 1.9; }));
  EXPECT_LT(engine.Status().position, 2.6);
  engine.SetPaused(false);
  EXPECT_TRUE(StateBecomes(PlaybackState::Stopped));
}

TEST_F(PlaybackEngineTest, ANewOpenReplacesTheOldMedia) {
  server.Add("/clip.wmv", ReadTestFile("clip.wmv"));
  server.Add("/radio.wma", ReadTestFile("radio.wma"));
  engine.Open(U(server.Url("/clip.wmv")));
  ASSERT_TRUE(StateBecomes(PlaybackState::Playing));
  engine.Open(U(server.Url("/radio.wma")));
  ASSERT_TRUE(StateBecomes(PlaybackState::Playing));
  EXPECT_FALSE(engine.Status().hasVideo);
  EXPECT_EQ(engine.Status().playing, server.Url("/radio.wma"));
}

EngineSettings ShortBuffer() {
  EngineSettings settings;
  settings.bufferSeconds = 0.5;
  return settings;
}

TEST_F(PlaybackEngineTest, RtspFromAServerThatSendsOnlyOverUdp) {
  RtspServer rtsp(ReadTestFile("clip.ts"), 4, RtspServer::Offers::UdpOnly);
  engine.Open(U(rtsp.RtspUrl("/live")), ShortBuffer());
  ASSERT_TRUE(StateBecomes(PlaybackState::Playing));
  EXPECT_TRUE(engine.Status().hasVideo);
  EXPECT_TRUE(Eventually([&] { return listener.pictures > 5; }));
  const std::vector<OpenAttempt> attempts = engine.Status().attempts;
  ASSERT_EQ(attempts.size(), 2u);
  EXPECT_EQ(attempts[0].transport, Transport::RtspOverTcp);
  EXPECT_EQ(attempts[0].result, PlaybackFailure::UnsupportedTransport);
  EXPECT_EQ(attempts[1].transport, Transport::RtspOverUdp);
  EXPECT_EQ(attempts[1].result, PlaybackFailure::None);
  EXPECT_EQ(rtsp.Refused(), 1);
}

TEST_F(PlaybackEngineTest, RtspFromAServerThatSendsOnlyOverTcp) {
  RtspServer rtsp(ReadTestFile("clip.ts"), 4, RtspServer::Offers::TcpOnly);
  engine.Open(U(rtsp.RtspUrl("/live")), ShortBuffer());
  ASSERT_TRUE(StateBecomes(PlaybackState::Playing));
  EXPECT_TRUE(Eventually([&] { return listener.pictures > 5; }));
  ASSERT_EQ(engine.Status().attempts.size(), 1u);
  EXPECT_EQ(engine.Status().attempts[0].transport, Transport::RtspOverTcp);
  EXPECT_EQ(rtsp.Refused(), 0);
}

TEST_F(PlaybackEngineTest, ARefusedTransportIsReportedAsSuch) {
  RtspServer rtsp(ReadTestFile("clip.ts"), 4, RtspServer::Offers::Neither);
  engine.Open(U(rtsp.RtspUrl("/live")), ShortBuffer());
  ASSERT_TRUE(StateBecomes(PlaybackState::Failed));
  EXPECT_EQ(engine.Status().failure, PlaybackFailure::UnsupportedTransport);
  EXPECT_EQ(rtsp.Refused(), 2);
}

// A progressive MP4 whose index comes after its media: the demuxer reads to the end for the
// index, then goes back for the media.
void PlaysAnMp4WithItsIndexAtTheEnd(PlaybackEngine& engine, HttpServer& server,
                                    CountingListener& listener, bool ignoresRange) {
  HttpServer::Body body;
  body.bytes = ReadTestFile("clip.mp4");
  body.contentType = "video/mp4";
  body.ignoresRange = ignoresRange;
  server.Add("/clip.mp4", body);
  engine.Open(U(server.Url("/clip.mp4")));
  ASSERT_TRUE(Eventually([&] { return engine.Status().state == PlaybackState::Playing; }))
      << static_cast<int>(engine.Status().failure);
  EXPECT_TRUE(engine.Status().hasVideo);
  EXPECT_TRUE(engine.Status().hasAudio);
  EXPECT_NEAR(engine.Status().duration, 3.0, 0.2);
  ASSERT_TRUE(Eventually([&] { return engine.Status().state == PlaybackState::Stopped; }));
  EXPECT_GT(listener.pictures, 40);  // 75 pictures; some may be dropped on a slow machine
}

TEST_F(PlaybackEngineTest, AnMp4WithItsIndexAtTheEndFromAServerThatHonoursRanges) {
  PlaysAnMp4WithItsIndexAtTheEnd(engine, server, listener, false);
}

TEST_F(PlaybackEngineTest, AnMp4WithItsIndexAtTheEndFromAServerThatIgnoresRanges) {
  PlaysAnMp4WithItsIndexAtTheEnd(engine, server, listener, true);
}

// One second of a 440 Hz tone as a WAV file: 8 kHz, 16-bit, mono, with its INFO list after
// the samples, where many recorders and editors write it.
std::string ToneWav() {
  const auto u32 = [](std::uint32_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
  };
  std::string samples;
  for (int i = 0; i < 8000; ++i) {
    const auto v = static_cast<std::int16_t>(8000 * std::sin(i * 2 * 3.14159265 * 440 / 8000));
    samples += static_cast<char>(v & 0xFF);
    samples += static_cast<char>((v >> 8) & 0xFF);
  }
  const std::string info = "LIST" + u32(14) + "INFOISFT" + u32(2) + std::string{'x', 0};
  return "RIFF" + u32(static_cast<std::uint32_t>(36 + samples.size() + info.size())) + "WAVEfmt " +
         u32(16) + std::string{1, 0, 1, 0} + u32(8000) + u32(16000) + std::string{2, 0, 16, 0} +
         "data" + u32(static_cast<std::uint32_t>(samples.size())) + samples + info;
}

TEST_F(PlaybackEngineTest, AWavFileFromAServerThatIgnoresRangesIsReadOnce) {
  HttpServer::Body body;
  body.bytes = ToneWav();
  body.contentType = "audio/wav";
  body.ignoresRange = true;
  server.Add("/tone.wav", body);
  engine.Open(U(server.Url("/tone.wav")));
  ASSERT_TRUE(StateBecomes(PlaybackState::Stopped));
  EXPECT_TRUE(engine.Status().hasAudio);
  // Seeking by asking again is kept for MP4: a WAV reader that could seek would look past
  // the samples and then come back, fetching the body twice.
  EXPECT_EQ(server.Requests("/tone.wav"), 1);
}

TEST_F(PlaybackEngineTest, AnHlsPlaylistPlaysItsSegments) {
  testsupport::AddHls(server, ReadTestFile("clip.ts"), 4, 4);
  engine.Open(U(server.Url("/hls/index.m3u8")), ShortBuffer());
  ASSERT_TRUE(StateBecomes(PlaybackState::Playing)) << static_cast<int>(engine.Status().failure);
  EXPECT_TRUE(engine.Status().hasVideo);
  ASSERT_EQ(engine.Status().attempts.size(), 1u);
  EXPECT_EQ(engine.Status().attempts[0].transport, Transport::Hls);
  EXPECT_TRUE(Eventually([&] { return server.Requests("/hls/seg1.ts") == 1; }));
}

}  // namespace
}  // namespace telvana::player
