// Figures of the player control, measured in a real window on a loopback server:
//  - time from `play` to the first picture drawn on the screen,
//  - time `close` takes in each state,
//  - processor time per second of playing a clip (640 x 480, 25 frames a second).
// Usage: player_probe SMALL_CLIP.wmv [LARGE_CLIP.wmv]   (Windows paths)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/probe_figures.h"
#include "player/windows_media_player.h"
#include "tests/player/loopback_server.h"
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
using telvana::player::EngineSettings;
using telvana::player::PlaybackState;
using telvana::testsupport::HttpServer;
using telvana::testsupport::PumpMessagesUntil;
using telvana::testsupport::ReadFileBytes;
using telvana::testsupport::SilentServer;

constexpr char kDescription[] = R"(object Form1: TTestForm
  Left = 20
  Top = 20
  ClientWidth = 660
  ClientHeight = 540
  Caption = 'Player figures'
  object WindowsMediaPlayer1: TWindowsMediaPlayer
    Left = 0
    Top = 0
    Width = 660
    Height = 540
    Align = alClient
    uiMode = 'full'
    stretchToFit = True
  end
end
)";

constexpr int kRuns = 7;

// How long one wait may take before its figure is given up.
constexpr auto kPatience = 30s;

void Report(const char* what, std::vector<double> values) {
  telvana::bench::ReportRuns(what, std::move(values), 44);
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

  void Start(const std::string& url, const EngineSettings& settings = {}) {
    player_->close();
    player_->setEngineSettings(settings);
    player_->setURL(telvana::Utf8ToUtf16(url));
    player_->controls().play();
  }

  bool Reach(PlaybackState state, std::chrono::milliseconds limit = kPatience) {
    return PumpMessagesUntil([&] { return player_->state() == state; }, limit);
  }

  // Milliseconds `close` takes once the player is in the state `prepare` brought it to.
  std::vector<double> CloseTimes(const std::function<bool()>& prepare) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
      if (!prepare()) continue;
      const auto start = Clock::now();
      player_->close();
      times.push_back(Milliseconds(Clock::now() - start));
      telvana::ui::Application().ProcessMessages();
    }
    return times;
  }

 private:
  std::unique_ptr<telvana::testsupport::TTestForm> form_;
  TWindowsMediaPlayer* player_ = nullptr;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: player_probe SMALL_CLIP [LARGE_CLIP]\n");
    return 2;
  }
  telvana::ui::RegisterStandardClasses();
  telvana::ui::TApplication application;
  application.Initialize();
  std::string small, large;
  try {
    small = ReadFileBytes<std::string>(argv[1]);
    if (argc > 2) large = ReadFileBytes<std::string>(argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "player_probe: %s\n", e.what());
    return 2;
  }

  HttpServer server;
  server.Add("/clip.wmv", small);
  HttpServer::Body stalled;
  stalled.bytes = small;
  stalled.stallAfter = small.size() * 2 / 3;
  server.Add("/stalled.wmv", stalled);
  SilentServer silent;
  Probe probe;
  TWindowsMediaPlayer& player = probe.player();

  std::printf("Player figures (loopback, in a real window under this system)\n");

  // From play to the first picture on the screen.
  std::vector<double> firstPicture, toPlaying;
  for (int i = 0; i < kRuns; ++i) {
    const std::uint64_t before = player.picturesShown();
    const auto start = Clock::now();
    probe.Start(server.Url("/clip.wmv"));
    if (PumpMessagesUntil([&] { return player.picturesShown() > before; }, kPatience))
      firstPicture.push_back(Milliseconds(Clock::now() - start));
    if (probe.Reach(PlaybackState::Playing))
      toPlaying.push_back(Milliseconds(Clock::now() - start));
  }
  Report("play to first picture on the screen", firstPicture);
  Report("play to playing (buffer full)", toPlaying);

  // Close in each state.
  EngineSettings patient;
  patient.connectTimeout = 10min;
  patient.readTimeout = 10min;
  EngineSettings buffering = patient;
  buffering.bufferSeconds = 60;
  Report("close while connecting (server silent)", probe.CloseTimes([&] {
    const int connections = silent.Connections();
    probe.Start(silent.Url("/live.asf"), patient);
    return PumpMessagesUntil([&] { return silent.Connections() > connections; }, kPatience);
  }));
  Report("close while buffering (stream stalled)", probe.CloseTimes([&] {
    probe.Start(server.Url("/stalled.wmv"), buffering);
    return probe.Reach(PlaybackState::Buffering);
  }));
  Report("close while playing", probe.CloseTimes([&] {
    probe.Start(server.Url("/clip.wmv"));
    return probe.Reach(PlaybackState::Playing) &&
           PumpMessagesUntil([&] { return player.status().position > 0.5; }, kPatience);
  }));
  Report("close while paused", probe.CloseTimes([&] {
    probe.Start(server.Url("/clip.wmv"));
    if (!probe.Reach(PlaybackState::Playing)) return false;
    player.pause();
    return player.state() == PlaybackState::Paused;
  }));
  Report("close when stopped at the end", probe.CloseTimes([&] {
    probe.Start(server.Url("/clip.wmv"));
    return probe.Reach(PlaybackState::Stopped);
  }));
  Report("close after a failure (port refused)", probe.CloseTimes([&] {
    probe.Start("http://127.0.0.1:" + std::to_string(telvana::testsupport::RefusingPort()) +
                "/x.asf");
    return probe.Reach(PlaybackState::Failed);
  }));

  // Processor time per second of playing.
  if (!large.empty()) {
    server.Add("/large.wmv", large);
    probe.Start(server.Url("/large.wmv"));
    if (probe.Reach(PlaybackState::Playing)) {
      const double cpu = telvana::bench::ProcessorMilliseconds() / 1000;
      const std::uint64_t pictures = player.picturesShown();
      const double from = player.status().position;
      const auto start = Clock::now();
      probe.Reach(PlaybackState::Stopped, 120s);
      const double wall = std::chrono::duration<double>(Clock::now() - start).count();
      const double media = player.status().position - from;
      const double used = telvana::bench::ProcessorMilliseconds() / 1000 - cpu;
      std::printf("  %-44s  %.3f s of processor per second of media (%.0f%% of one core)\n",
                  "playing the large clip", used / media, 100 * used / wall);
      std::printf("  %-44s  %.1f pictures a second shown (%llu in %.1f s)\n", "",
                  (player.picturesShown() - pictures) / wall,
                  static_cast<unsigned long long>(player.picturesShown() - pictures), wall);
    } else {
      std::printf("  the large clip did not play\n");
    }
  }
  return 0;
}
