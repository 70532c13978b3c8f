// Runs the program's main window with a list of the user's own (kept in a temporary folder)
// and shows one thing to look at; tools/user-channels-look.sh takes the screenshots.
// Usage: user_channels_look WHAT FOLDER READY_FILE [CLIP]
//   menu     the menu 我的频道 opened with a few groups, by a click on the menu bar
//   address  the address window with an address typed in
//   notice   the notice after an import of which part was left out
//   playing  a channel of the user's list playing CLIP, served on 127.0.0.1
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/fwldz1.h"
#include "app/start_up.h"
#include "player/windows_media_player.h"
#include "tests/player/loopback_server.h"
#include "tests/support/file_bytes.h"
#include "ui/utf.h"
#include "ui/win_handles.h"

namespace {

struct Look {
  telvana::TFmain1* main = nullptr;
  std::wstring what, folder, ready;
  std::string clip_url;
  int ticks = 0;
  int ready_at = -1;
} look;

void WriteFile(const std::wstring& path, const std::string& bytes) {
  const HANDLE h =
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(h);
}

void Ready() {
  if (look.ready_at >= 0) return;
  look.ready_at = look.ticks;
  if (std::FILE* f = _wfopen(look.ready.c_str(), L"w")) std::fclose(f);
}

// A click where the user would click, through the system's input.
void ClickAt(int x, int y) {
  ::SetCursorPos(x, y);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, input, sizeof(INPUT));
}

const std::string kFewGroups =
    "#EXTM3U\r\n"
    "#EXTINF:-1 group-title=\"体育\",体育一台\r\nhttp://127.0.0.1:9/sports1\r\n"
    "#EXTINF:-1 group-title=\"体育\",体育二台\r\nhttp://127.0.0.1:9/sports2\r\n"
    "#EXTINF:-1 group-title=\"新闻\",新闻频道\r\nrtsp://127.0.0.1:9/news\r\n"
    "#EXTINF:-1 group-title=\"音乐电台\",Jazz FM\r\nmms://127.0.0.1:9/jazz\r\n"
    "#EXTINF:-1 group-title=\"最近打开\",live.m3u8\r\nhttp://127.0.0.1:9/live.m3u8\r\n";

const std::string kPartlyBad =
    "#EXTM3U\r\n"
    "#EXTINF:-1 group-title=\"电影\",电影一台\r\nhttp://127.0.0.1:9/movie1\r\n"
    "#EXTINF:-1 group-title=\"电影\",电影二台\r\nhttp://127.0.0.1:9/movie2\r\n"
    "#EXTINF:-1 group-title=\"电影\",本地文件\r\nmovies/local.ts\r\n"
    "#EXTINF:-1 group-title=\"电影\",FTP\r\nftp://127.0.0.1/x\r\n"
    "#EXTINF:-1 group-title=\"电影\",电影一台\r\nhttp://127.0.0.1:9/movie1\r\n"
    "#EXTINF:-1,无地址\r\n";

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  using namespace telvana;
  ++look.ticks;
  UserChannels& channels = look.main->OwnChannels();
  if (look.ticks == 10) {
    if (look.what == L"menu") {
      const HMENU bar = ::GetMenu(look.main->Handle());
      RECT header;
      ::GetMenuItemRect(look.main->Handle(), bar, ::GetMenuItemCount(bar) - 1, &header);
      ClickAt((header.left + header.right) / 2, (header.top + header.bottom) / 2);
    } else if (look.what == L"address") {
      auto* form = ui::TComponent::New<TFwldz1>(*look.main);
      form->Create();
      form->Ask(L"rtsp://127.0.0.1:8554/live/我的频道");  // returns when the run ends
    } else if (look.what == L"notice") {
      const std::wstring list = look.folder + L"\\电影.m3u";
      WriteFile(list, kPartlyBad);
      channels.ImportFile(list, false, false);  // the notice waits until the run ends
    } else if (look.what == L"playing") {
      const std::wstring list = look.folder + L"\\我的电视.m3u";
      WriteFile(list, "#EXTM3U\r\n#EXTINF:-1 group-title=\"我的电视\",本机测试频道\r\n" +
                          look.clip_url +
                          "\r\n#EXTINF:-1 group-title=\"我的电视\",另一个频道\r\n"
                          "http://127.0.0.1:9/other\r\n");
      channels.ImportFile(list, true, true);
    }
    return;
  }
  if (look.ticks < 10) return;
  if (look.what == L"playing") {
    auto& player = dynamic_cast<TWindowsMediaPlayer&>(look.main->Player());
    if (player.picturesShown() > 10) Ready();
  } else if (look.ticks >= 25) {
    Ready();
  }
  if ((look.ready_at >= 0 && look.ticks - look.ready_at > 30) || look.ticks > 600) {
    // Whatever is modal now ends with the program; a menu's own loop ends only when told.
    ::EndMenu();
    ::PostQuitMessage(0);
    ui::Application().Terminate();
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) return 2;
  look.what = argv[1];
  look.folder = argv[2];
  look.ready = argv[3];
  telvana::testsupport::HttpServer server;
  if (argc > 4) {
    server.Add("/clip.wmv", telvana::testsupport::ReadFileBytes<std::string>(argv[4]));
    look.clip_url = server.Url("/clip.wmv");
  }
  const std::wstring store = look.folder + L"\\我的频道.m3u";
  WriteFile(store, look.what == L"menu" || look.what == L"playing" ? kFewGroups : "");

  telvana::win::ComScope com;
  telvana::ui::TApplication application;
  look.main = &telvana::CreateProgramWindows(application);
  look.main->SetUserChannelsFile(store);
  ::SetTimer(nullptr, 0, 100, Tick);
  application.Run();
  look.main->Player().close();
  return 0;
}
