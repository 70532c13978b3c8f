// The playback engine over https on 127.0.0.1: a web server of the test behind a TLS front
// whose certificates the test's Wine prefix trusts, or not.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <thread>

#include "player/playback_engine.h"
#include "tests/player/loopback_server.h"
#include "tests/player/tls_front.h"
#include "tests/support/eventually.h"
#include "ui/utf.h"

namespace telvana::player {
namespace {

using namespace std::chrono_literals;
using testsupport::Eventually;
using testsupport::HttpServer;
using testsupport::ReadTestFile;
using testsupport::TlsFront;
using Certificate = TlsFront::Certificate;

class PictureCounter : public PlaybackEngine::Listener {
 public:
  void StatusChanged() override {}
  void PictureReady() override { ++pictures; }
  std::atomic<int> pictures{0};
};

// One server and one front for the whole process: the system reads the trusted roots once
// per process, when it first checks a certificate, so roots trusted later (by another front)
// would not count.
class HttpsPlaybackTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static HttpServer server;
    static TlsFront front(server.Port());
    if (server_) return;
    server_ = &server;
    front_ = &front;
    server_->Add("/clip.ts", ReadTestFile("clip.ts"), "video/mp2t");
    testsupport::AddHls(*server_, ReadTestFile("clip.ts"), 4, 4);
  }

  bool StateBecomes(PlaybackState state) {
    return Eventually([&] { return engine.Status().state == state; });
  }
  void Open(Certificate certificate, const std::string& path) {
    engine.Open(Utf8ToUtf16(front_->Url(certificate, path)));
  }

  static HttpServer* server_;
  static TlsFront* front_;
  PictureCounter listener;
  PlaybackEngine engine{listener};
};

HttpServer* HttpsPlaybackTest::server_ = nullptr;
TlsFront* HttpsPlaybackTest::front_ = nullptr;

TEST_F(HttpsPlaybackTest, AStreamPlaysFromAServerWhoseCertificateIsTrusted) {
  Open(Certificate::Trusted, "/clip.ts");
  ASSERT_TRUE(StateBecomes(PlaybackState::Playing)) << static_cast<int>(engine.Status().failure);
  EXPECT_EQ(engine.Status().playing, front_->Url(Certificate::Trusted, "/clip.ts"));
  EXPECT_TRUE(Eventually([&] { return listener.pictures > 3; }));
}

TEST_F(HttpsPlaybackTest, AnHlsPlaylistPlaysItsSegmentsOverHttps) {
  const int before = server_->Requests("/hls/seg1.ts");
  Open(Certificate::Trusted, "/hls/index.m3u8");
  ASSERT_TRUE(StateBecomes(PlaybackState::Playing)) << static_cast<int>(engine.Status().failure);
  ASSERT_EQ(engine.Status().attempts.size(), 1u);
  EXPECT_EQ(engine.Status().attempts[0].transport, Transport::Hls);
  EXPECT_TRUE(Eventually([&] { return server_->Requests("/hls/seg1.ts") > before; }));
  EXPECT_TRUE(Eventually([&] { return listener.pictures > 3; }));
}

TEST_F(HttpsPlaybackTest, ACertificateNobodyTrustsIsRefusedBeforeAnythingIsAsked) {
  const int before = server_->Requests("/clip.ts");
  Open(Certificate::Untrusted, "/clip.ts");
  ASSERT_TRUE(StateBecomes(PlaybackState::Failed));
  EXPECT_EQ(engine.Status().failure, PlaybackFailure::UntrustedCertificate);
  ASSERT_EQ(engine.Status().attempts.size(), 1u);
  EXPECT_EQ(engine.Status().attempts[0].result, PlaybackFailure::UntrustedCertificate);
  EXPECT_EQ(server_->Requests("/clip.ts"), before);
}

TEST_F(HttpsPlaybackTest, ATrustedCertificateIssuedForAnotherNameIsRefused) {
  Open(Certificate::OtherName, "/clip.ts");
  ASSERT_TRUE(StateBecomes(PlaybackState::Failed));
  EXPECT_EQ(engine.Status().failure, PlaybackFailure::UntrustedCertificate);
}

// The segments are fetched by FFmpeg's HLS reader itself, not by the opening: they are
// checked all the same.
TEST_F(HttpsPlaybackTest, SegmentsFromAServerNobodyTrustsAreNotPlayed) {
  const std::string segment = front_->Url(Certificate::Untrusted, "/hls/seg0.ts");
  server_->Add("/elsewhere.m3u8",
               "#EXTM3U\n#EXT-X-TARGETDURATION:2\n#EXTINF:1,\n" + segment + "\n#EXT-X-ENDLIST\n",
               "application/vnd.apple.mpegurl");
  const int before = server_->Requests("/hls/seg0.ts");
  Open(Certificate::Trusted, "/elsewhere.m3u8");
  ASSERT_TRUE(StateBecomes(PlaybackState::Failed));
  EXPECT_EQ(server_->Requests("/hls/seg0.ts"), before);
  EXPECT_EQ(listener.pictures, 0);
}

}  // namespace
}  // namespace telvana::player
