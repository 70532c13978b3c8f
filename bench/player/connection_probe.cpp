// Figures of reaching streams, measured with the player control in a real window on
// loopback servers:
//  - play to the first picture when the first connection of a pair refuses and the second
//    plays,
//  - the gap in pictures when a live stream breaks and is opened again (the default waits),
//  - play to the first picture over RTSP (RTP over UDP, RTP interleaved over TCP), a
//    progressive MP4 with its index at the end (from a server that honours byte ranges and
//    one that ignores them) and HLS,
//  - play to the first picture over https (an MPEG-TS stream and HLS, behind a TLS front
//    whose certificate this Wine prefix trusts while the probe runs), with the same stream
//    over http beside it.
// Usage: connection_probe DATA_FOLDER   (Windows path of tests/player/data)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/probe_figures.h"
#include "player/windows_media_player.h"
#include "tests/player/loopback_server.h"
#include "tests/player/rtsp_server.h"
#include "tests/player/tls_front.h"
#include "tests/support/file_bytes.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_form.h"
#include "ui/form_reader.h"
#include "ui/forms.h"
#include "ui/utf.h"

namespace {

using namespace std::chrono_literals;
using telvana::TWindowsMediaPlayer;
using telvana::bench::Clock;
using telvana::bench::Milliseconds;
using telvana::testsupport::HttpServer;
using telvana::testsupport::PumpMessagesUntil;
using telvana::testsupport::RtspServer;

constexpr char kDescription[] = R"(object Form1: TTestForm
  Left = 20
  Top = 20
  ClientWidth = 500
  ClientHeight = 420
  Caption = 'Connection figures'
  object WindowsMediaPlayer1: TWindowsMediaPlayer
    Left = 0
    Top = 0
    Width = 500
    Height = 420
    Align = alClient
    uiMode = 'full'
    stretchToFit = True
  end
end
)";

constexpr int kRuns = 5;
constexpr auto kPatience = 30s;

void Report(const char* what, std::vector<double> values) {
  telvana::bench::ReportRuns(what, std::move(values), 50);
}

class Probe {
 public:
  Probe() {
    telvana::RegisterPlayerClasses();
    form_ = std::make_unique<telvana::testsupport::TTestForm>();
    form_->Read(kDescription);
    player_ = dynamic_cast<TWindowsMediaPlayer*>(form_->FindComponent(L"WindowsMediaPlayer1"));
    form_->Show();
    telvana::ui::Application().ProcessMessages();
  }
  ~Probe() { player_->close(); }
  TWindowsMediaPlayer& player() { return *player_; }

  // Milliseconds from play to the first picture on the screen; negative when none came.
  double FirstPicture(const std::string& url,
                      std::vector<telvana::AlternativeConnection> alternatives = {}) {
    player_->close();
    const std::uint64_t before = player_->picturesShown();
    const auto start = Clock::now();
    player_->setURL(telvana::Utf8ToUtf16(url));
    if (!alternatives.empty()) player_->setFailover(u"连接1", std::move(alternatives));
    player_->controls().play();
    if (!PumpMessagesUntil([&] { return player_->picturesShown() > before; }, kPatience)) return -1;
    return Milliseconds(Clock::now() - start);
  }
  void Runs(const char* what, const std::function<double()>& run, int runs = kRuns) {
    std::vector<double> values;
    for (int i = 0; i < runs; ++i) {
      const double v = run();
      if (v >= 0) values.push_back(v);
    }
    player_->close();
    Report(what, values);
  }

 private:
  std::unique_ptr<telvana::testsupport::TTestForm> form_;
  TWindowsMediaPlayer* player_ = nullptr;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: connection_probe DATA_FOLDER\n");
    return 2;
  }
  telvana::ui::RegisterStandardClasses();
  telvana::ui::TApplication application;
  application.Initialize();
  const std::filesystem::path data = argv[1];
  std::string wmv, ts, mp4;
  try {
    wmv = telvana::testsupport::ReadFileBytes<std::string>(data / "clip.wmv");
    ts = telvana::testsupport::ReadFileBytes<std::string>(data / "clip.ts");
    mp4 = telvana::testsupport::ReadFileBytes<std::string>(data / "clip.mp4");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "connection_probe: %s\n", e.what());
    return 2;
  }
  HttpServer server;
  server.Add("/clip.wmv", wmv);
  HttpServer::Body ranges;
  ranges.bytes = mp4;
  server.Add("/ranges.mp4", ranges);
  ranges.ignoresRange = true;
  server.Add("/whole.mp4", ranges);
  telvana::testsupport::AddHls(server, ts, 4, 4);
  server.Add("/clip.ts", ts, "video/mp2t");
  Probe probe;
  TWindowsMediaPlayer& player = probe.player();

  std::printf("Connection figures (loopback, in a real window under this system)\n");
  const std::string refused =
      "http://127.0.0.1:" + std::to_string(telvana::testsupport::RefusingPort()) + "/live";
  probe.Runs("pair: first refuses, second plays: first picture", [&] {
    return probe.FirstPicture(refused,
                              {{u"连接2", telvana::Utf8ToUtf16(server.Url("/clip.wmv")), [] {}}});
  });
  probe.Runs("single address, for comparison: first picture",
             [&] { return probe.FirstPicture(server.Url("/clip.wmv")); });
  // A server of its own for each run, as a channel's server is when it is first reached.
  probe.Runs("RTSP, RTP over UDP (TCP refused first)", [&] {
    RtspServer udp(ts, 4, RtspServer::Offers::UdpOnly);
    return probe.FirstPicture(udp.RtspUrl("/live"));
  });
  probe.Runs("RTSP, RTP interleaved over TCP", [&] {
    RtspServer tcp(ts, 4, RtspServer::Offers::TcpOnly);
    return probe.FirstPicture(tcp.RtspUrl("/live"));
  });
  probe.Runs("MP4, index at the end, server honours ranges",
             [&] { return probe.FirstPicture(server.Url("/ranges.mp4")); });
  probe.Runs("MP4, index at the end, server ignores ranges",
             [&] { return probe.FirstPicture(server.Url("/whole.mp4")); });
  probe.Runs("HLS, four segments",
             [&] { return probe.FirstPicture(server.Url("/hls/index.m3u8")); });
  try {
    using Certificate = telvana::testsupport::TlsFront::Certificate;
    telvana::testsupport::TlsFront front(server.Port());
    probe.Runs("MPEG-TS over http, for comparison",
               [&] { return probe.FirstPicture(server.Url("/clip.ts")); });
    probe.Runs("MPEG-TS over https (certificate checked)",
               [&] { return probe.FirstPicture(front.Url(Certificate::Trusted, "/clip.ts")); });
    probe.Runs("HLS over https, four segments", [&] {
      return probe.FirstPicture(front.Url(Certificate::Trusted, "/hls/index.m3u8"));
    });
  } catch (const std::exception& e) {
    std::printf("  https: %s\n", e.what());
  }

  // A live stream cut after about a second, opened again after the first wait (1 s).
  std::vector<double> gaps, after_cut;
  for (int i = 0; i < 3; ++i) {
    HttpServer live;
    HttpServer::Body body;
    body.bytes = wmv;
    body.bytesPerSecond = 20000;
    body.cutAfter = 25000;
    live.Add("/live.wmv", body);
    player.close();
    player.setURL(telvana::Utf8ToUtf16(live.Url("/live.wmv")));
    player.controls().play();
    Clock::time_point last_picture{};
    std::uint64_t seen = player.picturesShown();
    bool waited = false;
    const bool back = PumpMessagesUntil(
        [&] {
          if (player.picturesShown() != seen) {
            seen = player.picturesShown();
            if (waited && live.Requests("/live.wmv") == 2) return true;
            last_picture = Clock::now();
          }
          waited = waited || player.reconnecting();
          return false;
        },
        kPatience);
    if (back) {
      gaps.push_back(Milliseconds(Clock::now() - last_picture));
      after_cut.push_back(Milliseconds(Clock::now() - live.LastCut()));
    }
    player.close();
  }
  Report("live stream broken: gap between pictures", gaps);
  Report("live stream broken: from the cut to the next picture", after_cut);
  return 0;
}
