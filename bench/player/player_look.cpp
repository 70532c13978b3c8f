// Runs the program's main window and plays a clip from a loopback server in its player, so
// that the running program can be looked at (bench/player/look.sh takes the screenshots).
// Usage: player_look CLIP READY_FILE SECONDS [full]
//   CLIP: a clip to serve (Windows path); READY_FILE: written once pictures are on the
//   screen; SECONDS: how long to run after that; "full": switch to full screen first.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/start_up.h"
#include "player/windows_media_player.h"
#include "tests/player/loopback_server.h"
#include "tests/support/file_bytes.h"
#include "ui/utf.h"
#include "ui/win_handles.h"

namespace {

struct Look {
  telvana::TFmain1* main = nullptr;
  std::u16string url;
  std::wstring ready;
  bool fullScreen = false;
  int seconds = 5;
  int ticks = 0;
  int readyAt = -1;
} look;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  auto& player = dynamic_cast<telvana::TWindowsMediaPlayer&>(look.main->Player());
  if (++look.ticks == 1) {
    player.close();
    player.setURL(look.url);
    player.controls().play();
    return;
  }
  const bool showing = player.status().hasVideo
                           ? player.picturesShown() > 10
                           : player.state() == telvana::player::PlaybackState::Playing;
  if (look.readyAt < 0 && showing) {
    if (look.fullScreen) player.setFullScreen(true);
    look.readyAt = look.ticks;
    if (std::FILE* f = _wfopen(look.ready.c_str(), L"w")) std::fclose(f);
  }
  if (look.readyAt >= 0 && look.ticks - look.readyAt > look.seconds * 10)
    telvana::ui::Application().Terminate();
  if (look.ticks > 600)
    telvana::ui::Application().Terminate();  // a minute without pictures: give up
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) return 2;
  telvana::testsupport::HttpServer server;
  server.Add("/clip", telvana::testsupport::ReadFileBytes<std::string>(argv[1]));
  look.url = telvana::Utf8ToUtf16(server.Url("/clip"));
  look.ready = argv[2];
  look.seconds = _wtoi(argv[3]);
  look.fullScreen = argc > 4 && std::wstring(argv[4]) == L"full";

  telvana::win::ComScope com;
  telvana::ui::TApplication application;
  look.main = &telvana::CreateProgramWindows(application);
  ::SetTimer(nullptr, 0, 100, Tick);
  application.Run();
  look.main->Player().close();
  return 0;
}
