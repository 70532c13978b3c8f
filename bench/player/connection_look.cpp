// Runs the program's main window and puts its player through the connection troubles it
// answers, on loopback servers only, so that people can look at what it shows. While each
// sight is on the screen, it writes FOLDER\NAME.ready and waits until that file is gone: a
// script on the host takes a picture of the screen meanwhile (connection-look.sh):
//   bar-failover        the first connection of a pair refuses, the second is being reached
//   bar-reconnect       a live stream broke, its server stays away: the countdown to the
//                       third attempt
//   details-failed      the connection details, opened by a click on the bar's status text,
//                       after a playlist none of whose entries could be played
//   details-played      the same after a playlist whose first entry refuses and whose second plays
//   bar-certificate     an https server whose certificate nobody trusts
//   details-certificate the details of that opening
// Usage: connection_look CLIP FOLDER
//   CLIP: a Windows Media clip with video to serve (Windows path).
#include "tests/player/tls_front.h"
// tls_front.h first: it brings winsock2.h before windows.h.

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/start_up.h"
#include "player/windows_media_player.h"
#include "tests/player/loopback_server.h"
#include "tests/support/file_bytes.h"
#include "tests/support/picture_taking.h"
#include "ui/utf.h"
#include "ui/win_handles.h"

namespace {

using telvana::testsupport::Settle;

using telvana::player::PlaybackState;
using telvana::testsupport::HttpServer;

std::wstring folder;
std::string clip;
telvana::TWindowsMediaPlayer* player = nullptr;
int failures = 0;

// Pumps messages until `done`, for at most `ms`.
bool Until(const std::function<bool()>& done, DWORD ms = 30000) {
  const DWORD end = ::GetTickCount() + ms;
  while (!done()) {
    if (::GetTickCount() > end) return false;
    Settle(20);
  }
  return true;
}

bool Contains(const std::u16string& text, std::u16string_view part) {
  return text.find(part) != std::u16string::npos;
}

// The picture NAME, once the sight it shows has been reached.
void TakePicture(const std::wstring& name, bool sightReached) {
  if (!sightReached) {
    std::fwprintf(stderr, L"connection_look: %ls never came (bar: %ls)\n", name.c_str(),
                  std::wstring(telvana::AsWide(player->statusText())).c_str());
    ++failures;
    return;
  }
  Settle(400);  // the bar and any new window paint
  if (!telvana::testsupport::AwaitPicture(folder, name)) ++failures;
}

void Play(const std::string& url, std::vector<telvana::AlternativeConnection> others = {}) {
  player->close();
  player->setURL(telvana::Utf8ToUtf16(url));
  if (!others.empty()) player->setFailover(u"连接1", std::move(others));
  player->controls().play();
}

// Opens the details as a user does: a click on the status text of the bar.
void ClickStatusText() {
  const telvana::player::Box status = player->layout().status;
  const LPARAM at = MAKELPARAM((status.left + status.right) / 2, (status.top + status.bottom) / 2);
  ::SendMessageW(player->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(player->Handle(), WM_LBUTTONUP, 0, at);
}

void CloseDetails() {
  if (telvana::TConnectionDetails* details = player->connectionDetails())
    ::SendMessageW(details->Handle(), WM_CLOSE, 0, 0);
  Settle(200);
}

std::string Asx(const std::vector<std::string>& entries) {
  std::string asx = "<asx version=\"3.0\">";
  for (const std::string& entry : entries) asx += "<entry><ref href=\"" + entry + "\"/></entry>";
  return asx + "</asx>";
}

void Failover(HttpServer& server) {
  HttpServer::Body slow;
  slow.bytes = clip;
  slow.bytesPerSecond = 60000;  // slower than the clip plays: reaching it takes a while
  server.Add("/slow.wmv", slow);
  Play("http://127.0.0.1:" + std::to_string(telvana::testsupport::RefusingPort()) + "/live",
       {{u"连接2", telvana::Utf8ToUtf16(server.Url("/slow.wmv")), {}}});
  TakePicture(L"bar-failover", Until([] { return Contains(player->statusText(), u"正在尝试"); }));
  player->stop();
}

void Details(HttpServer& server) {
  const std::string refused =
      "http://127.0.0.1:" + std::to_string(telvana::testsupport::RefusingPort()) + "/live.wmv";
  server.Add("/noise.wmv", std::string(200000, '\x5a'));
  server.Add("/failed.asx", Asx({refused, "missing.wmv", "noise.wmv"}), "video/x-ms-asf");
  Play(server.Url("/failed.asx"));
  const bool failed = Until([] { return player->state() == PlaybackState::Failed; });
  ClickStatusText();
  TakePicture(L"details-failed", failed && player->connectionDetails());
  CloseDetails();

  server.Add("/clip.wmv", clip);
  server.Add("/played.asx", Asx({refused, "clip.wmv"}), "video/x-ms-asf");
  Play(server.Url("/played.asx"));
  const bool playing = Until([] { return player->picturesShown() > 50; });
  ClickStatusText();
  Settle(1500);  // what plays is brought up to date while the window is open
  TakePicture(L"details-played", playing && player->connectionDetails());
  CloseDetails();
  player->stop();
}

void Reconnect() {
  auto gone = std::make_unique<HttpServer>();
  HttpServer::Body live;
  live.bytes = clip;
  live.bytesPerSecond = 200000;  // about as fast as it plays
  live.cutAfter = 600000;
  gone->Add("/live.wmv", live);
  Play(gone->Url("/live.wmv"));
  bool broke = Until([] { return player->reconnecting(); });
  gone.reset();  // from now on the port refuses
  broke = broke && Until([] { return Contains(player->statusText(), u"（第 3 次）"); });
  TakePicture(L"bar-reconnect", broke);
  player->stop();
}

void Certificate(HttpServer& server) {
  using telvana::testsupport::TlsFront;
  server.Add("/secure.wmv", clip);
  TlsFront front(server.Port());
  Play(front.Url(TlsFront::Certificate::Untrusted, "/secure.wmv"));
  TakePicture(L"bar-certificate", Until([] { return player->state() == PlaybackState::Failed; }));
  ClickStatusText();
  TakePicture(L"details-certificate", player->connectionDetails() != nullptr);
  CloseDetails();
}

void CALLBACK Run(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  Settle(1000);
  {
    HttpServer server;
    Failover(server);
    Details(server);
    Reconnect();
    Certificate(server);
  }
  player->close();
  telvana::ui::Application().Terminate();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  clip = telvana::testsupport::ReadFileBytes<std::string>(argv[1]);
  folder = argv[2];

  telvana::win::ComScope com;
  telvana::ui::TApplication application;
  telvana::TFmain1& main = telvana::CreateProgramWindows(application);
  player = &dynamic_cast<telvana::TWindowsMediaPlayer&>(main.Player());
  ::SetTimer(nullptr, 0, 100, Run);
  application.Run();
  return failures == 0 ? 0 : 1;
}
