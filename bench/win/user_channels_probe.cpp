// The user's own channels under Wine: reading and showing a list of 10,000 entries (the
// import from the file to the filled channel list, and showing its group again), and the
// menu 我的频道 with 200 groups (rebuilding the menu bar, and opening the menu until it is
// drawn and waits for the user). The list is kept in a temporary folder, never the user's.
// Usage: user_channels_probe
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/fmain1.h"
#include "player/windows_media_player.h"
#include "ui/form_reader.h"
#include "ui/message_box.h"
#include "ui/win_handles.h"

namespace {

double Now() {
  LARGE_INTEGER frequency, count;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&count);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void WriteFile(const std::wstring& path, const std::string& bytes) {
  const HANDLE h =
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(h);
}

std::string List(int entries, int groups) {
  std::string text = "#EXTM3U\r\n";
  for (int i = 0; i < entries; ++i) {
    text += "#EXTINF:-1 tvg-name=\"ch" + std::to_string(i) + "\" group-title=\"分组 " +
            std::to_string(i % groups) + "\",频道 " + std::to_string(i) + "\r\n";
    text += "http://127.0.0.1:8080/live/" + std::to_string(i) + ".m3u8\r\n";
  }
  return text;
}

double menu_shown_at = 0;

LRESULT CALLBACK OwnerProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  // The menu has been drawn and waits for the user: close it again.
  if (msg == WM_ENTERIDLE && wparam == MSGF_MENU && menu_shown_at == 0) {
    menu_shown_at = Now();
    ::EndMenu();
  }
  return ::DefWindowProcW(window, msg, wparam, lparam);
}

}  // namespace

int wmain() {
  using namespace telvana;
  win::ComScope com;
  ui::TApplication application;
  ui::RegisterStandardClasses();
  RegisterPlayerClasses();
  application.Initialize();
  ui::ScopedMessageBoxHandler answer([](const ui::MessageBoxRequest&) { return IDOK; });

  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring folder =
      std::wstring(temp) + L"telvana-probe-" + std::to_wstring(::GetCurrentProcessId());
  ::CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring store = folder + L"\\store.m3u";
  const std::wstring big = folder + L"\\big.m3u";
  const std::wstring grouped = folder + L"\\grouped.m3u";
  WriteFile(big, List(10000, 1));
  WriteFile(grouped, List(2000, 200));

  auto* main = ui::TComponent::New<TFmain1>(application);
  main->SetUserChannelsFile(store);
  main->Create();
  main->Show();
  application.ProcessMessages();
  UserChannels& channels = main->OwnChannels();

  double start = Now();
  channels.ImportFile(big, false, true);
  application.ProcessMessages();  // the list painted
  std::printf("importing and showing a list of 10000 entries: %.1f ms\n", Now() - start);
  start = Now();
  const playlists::UserChannelList kept = playlists::ChannelStore(store).Load();
  std::printf("reading the kept list of %zu entries: %.1f ms\n", kept.Channels().size(),
              Now() - start);
  channels.CategoryShown();
  start = Now();
  channels.ShowGroup(u"分组 0");
  ::UpdateWindow(main->ChannelList().Handle());
  std::printf("showing its group of 10000 channels again: %.1f ms\n", Now() - start);

  channels.ClearClick();
  start = Now();
  channels.ImportFile(grouped, false, true);
  std::printf("importing 2000 entries in 200 groups (menu rebuilt once): %.1f ms\n", Now() - start);

  WNDCLASSW owner_class{};
  owner_class.lpfnWndProc = OwnerProc;
  owner_class.hInstance = ::GetModuleHandleW(nullptr);
  owner_class.lpszClassName = L"TelvanaMenuProbe";
  ::RegisterClassW(&owner_class);
  win::Window owner(::CreateWindowW(L"TelvanaMenuProbe", L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                    nullptr, owner_class.hInstance, nullptr));
  const HMENU bar = ::GetMenu(main->Handle());
  const HMENU user_menu = ::GetSubMenu(bar, ::GetMenuItemCount(bar) - 1);
  std::printf("the menu 我的频道 holds %d items\n", ::GetMenuItemCount(user_menu));
  double total = 0;
  constexpr int kRuns = 5;
  for (int run = 0; run < kRuns; ++run) {
    menu_shown_at = 0;
    start = Now();
    ::TrackPopupMenu(user_menu, TPM_LEFTALIGN | TPM_TOPALIGN, 20, 20, 0, owner.get(), nullptr);
    total += menu_shown_at - start;
  }
  std::printf("opening the menu 我的频道 with 200 groups until drawn: %.1f ms (mean of %d)\n",
              total / kRuns, kRuns);

  ::DeleteFileW(big.c_str());
  ::DeleteFileW(grouped.c_str());
  ::DeleteFileW(store.c_str());
  ::RemoveDirectoryW(folder.c_str());
  return 0;
}
