#include "app/user_channels.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "app/command_line.h"
#include "app/fmain1.h"
#include "app/fwldz1.h"
#include "playlists/import_notice.h"
#include "playlists/legacy_text_win.h"
#include "ui/message_box.h"
#include "ui/utf.h"
#include "web/web_page.h"

namespace telvana {

using namespace playlists;

namespace {

constexpr wchar_t kUserMenu[] = L"N74";
constexpr char16_t kDroppedGroup[] = u"拖放的频道";
constexpr wchar_t kClearCaption[] = L"清空我的频道";
constexpr wchar_t kConfirmClear[] = L"确实要清空我的频道吗？清空后不能恢复。";
constexpr char16_t kCannotRead[] = u"这个文件打不开，没有导入任何频道。";
constexpr char16_t kCannotKeep[] =
    u"我的频道没能保存（磁盘已满或文件夹不能写入），本次运行中仍可使用。";
constexpr char16_t kCannotPlay[] = u"这个地址不能播放：请输入 http、mms 或 rtsp 开头的网络地址。";
// "正在播放：" — the colon is the full-width one, as for the catalogue's channels.
constexpr wchar_t kPlayingPrefix[] = L"正在播放\uFF1A";

// The extensions the file dialog offers and the command line takes as lists.
constexpr std::wstring_view kListExtensions[] = {L"m3u", L"m3u8", L"asx", L"pls", L"wax", L"wvx"};

std::wstring ExtensionOf(const std::wstring& path) {
  const std::size_t dot = path.rfind(L'.');
  const std::size_t slash = path.find_last_of(L"\\/");
  if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return {};
  std::wstring ext = path.substr(dot + 1);
  for (wchar_t& c : ext) c = (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
  return ext;
}

// The group a list's entries go into when it names none: the file's own name.
std::u16string StemOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos && dot > 0) name.erase(dot);
  return std::u16string(AsUtf16(name));
}

std::optional<std::wstring> AskListFile(HWND owner) {
  wchar_t file[MAX_PATH * 4] = {};
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter =
      L"频道列表 (*.m3u;*.m3u8;*.asx;*.pls)\0*.m3u;*.m3u8;*.asx;*.pls;*.wax;*.wvx\0"
      L"所有文件 (*.*)\0*.*\0";
  ofn.lpstrFile = file;
  ofn.nMaxFile = static_cast<DWORD>(std::size(file));
  ofn.lpstrTitle = L"导入频道列表";
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (!::GetOpenFileNameW(&ofn)) return std::nullopt;
  return std::wstring(file);
}

}  // namespace

UserChannels::UserChannels(TFmain1& window, std::wstring store_path)
    : window_(window), store_(std::move(store_path)) {
  ask_address_ = [this]() -> std::optional<std::wstring> {
    TFwldz1* form = ui::TComponent::New<TFwldz1>(window_);
    form->Create();
    std::optional<std::wstring> answer = form->Ask(L"http://");
    window_.FreeComponent(*form);
    return answer;
  };
  ask_file_ = [this] { return AskListFile(window_.Handle()); };
}

UserChannels::~UserChannels() {
  if (drop_target_ && window_.Handle()) DropTarget::Revoke(window_.Handle());
}

void UserChannels::Load() {
  if (loaded_) return;  // a change before the first paint read it already
  // The user's folder is asked for only now: the shell is not loaded before the first paint.
  if (store_.Path().empty()) store_ = ChannelStore(ChannelStore::DefaultPath());
  list_ = store_.Load();
  loaded_ = true;
  RebuildMenu();
  ole_.emplace();
  // A drop runs once the drag has ended: a notice inside Drop would hold up the source.
  drop_target_ = ole_->Ok() && DropTarget::Register(
                                   window_.Handle(),
                                   [this](std::vector<std::wstring> paths) {
                                     ui::Application().WhenIdle([this, paths = std::move(paths)] {
                                       for (const std::wstring& path : paths)
                                         ImportFile(path, false, false);
                                     });
                                   },
                                   [this](std::wstring text) {
                                     ui::Application().WhenIdle(
                                         [this, text = std::move(text)] { DropText(text); });
                                   }) != nullptr;
  if (!drop_target_) ::DragAcceptFiles(window_.Handle(), TRUE);
  if (waiting_import_) ImportFile(*std::exchange(waiting_import_, std::nullopt), true, true);
}

void UserChannels::EnsureLoaded() {
  // A change before the kept list has been read would be kept in its place.
  if (!loaded_) Load();
}

void UserChannels::ImportWhenLoaded(std::wstring path) {
  if (loaded_) {
    ImportFile(path, true, true);
  } else {
    waiting_import_ = std::move(path);
  }
}

void UserChannels::Notify(const std::u16string& text, UINT icon) {
  ui::ShowMessageBox(window_.Handle(), std::wstring(AsWide(text)), kFriendlyCaption, icon | MB_OK);
}

void UserChannels::Keep() {
  if (!store_.Save(list_)) Notify(kCannotKeep, MB_ICONEXCLAMATION);
}

void UserChannels::RebuildMenu() {
  ui::TMenuItem* header = dynamic_cast<ui::TMenuItem*>(window_.FindComponent(kUserMenu));
  if (!header) return;
  // Every change of a menu bar's items rebuilds the whole bar: the header leaves the bar
  // while its items change, and comes back (as the last menu, where it stands) once.
  ui::TMenuItem* bar = header->ParentItem();
  if (bar) bar->Remove(*header);
  // The item being chosen may be the one whose command rebuilds the menu (清空我的频道):
  // items leave the menu now and are freed only at the next rebuild.
  for (ui::TMenuItem* item : retired_items_) window_.FreeComponent(*item);
  retired_items_.clear();
  for (ui::TMenuItem* item : added_items_) header->Remove(*item);
  retired_items_ = std::exchange(added_items_, {});
  const auto add = [&](const std::wstring& caption, ui::NotifyEvent click) {
    auto* item = ui::TComponent::New<ui::TMenuItem>(window_);
    item->SetCaption(caption);
    item->OnClick = std::move(click);
    header->Add(*item);
    added_items_.push_back(item);
  };
  if (!list_.Empty()) {
    add(L"-", nullptr);
    for (const std::u16string& group : list_.Groups()) {
      add(std::wstring(AsWide(group)), [this, group](ui::TComponent&) { ShowGroup(group); });
    }
    add(L"-", nullptr);
    add(kClearCaption, [this](ui::TComponent&) { ClearClick(); });
  }
  if (bar) bar->Add(*header);
}

void UserChannels::ShowGroup(const std::u16string& group) {
  shown_rows_.clear();
  for (const UserChannel* channel : list_.ChannelsOf(group)) shown_rows_.push_back(*channel);
  std::vector<std::wstring> rows;
  rows.reserve(shown_rows_.size());
  for (const UserChannel& channel : shown_rows_) rows.emplace_back(AsWide(channel.name));
  window_.ChannelList().SetRows(std::move(rows));
  shown_group_ = group;
}

bool UserChannels::PlaySelected() {
  if (!shown_group_) return false;
  const int index = window_.ChannelList().ItemIndex();
  if (index >= 0 && static_cast<std::size_t>(index) < shown_rows_.size()) {
    Play(shown_rows_[static_cast<std::size_t>(index)]);
  }
  return true;
}

void UserChannels::Play(const UserChannel& channel) {
  // As for the catalogue's channels: close, set the address, play, name it; a failure is
  // not reported and leaves the later steps undone.
  try {
    MediaPlayer& player = window_.Player();
    player.close();
    player.setURL(channel.address);
    player.controls().play();
    window_.StatusBar().SetPanelText(0, kPlayingPrefix + std::wstring(AsWide(channel.name)));
  } catch (...) {
  }
}

void UserChannels::OpenAddressClick() {
  if (const std::optional<std::wstring> address = ask_address_()) OpenAddress(*address);
}

bool UserChannels::OpenAddress(std::wstring_view address) {
  EnsureLoaded();
  const std::u16string_view text = AsUtf16(address);
  if (!IsPlayableAddress(text)) {
    Notify(kCannotPlay, MB_ICONEXCLAMATION);
    return false;
  }
  const PlaylistContents contents =
      ReadPlaylistText(text, PlaylistFormat::kM3u, std::u16string(kRecentGroup));
  if (contents.channels.empty()) return false;
  const UserChannel& channel = contents.channels.front();
  const bool added = list_.Add(channel);
  if (added) {
    Keep();
    RebuildMenu();
  }
  ShowGroup(channel.group);
  for (std::size_t i = 0; i < shown_rows_.size(); ++i) {
    if (shown_rows_[i].address == channel.address) {
      window_.ChannelList().SetItemIndex(static_cast<int>(i));
    }
  }
  Play(channel);
  return true;
}

void UserChannels::ImportClick() {
  if (const std::optional<std::wstring> path = ask_file_()) ImportFile(*path, false, false);
}

void UserChannels::ImportFile(const std::wstring& path, bool play_first, bool quiet) {
  std::string bytes;
  if (!ReadFileBytes(path, kMaxPlaylistBytes, bytes)) {
    Notify(kCannotRead, MB_ICONEXCLAMATION);
    return;
  }
  const std::wstring ext = ExtensionOf(path);
  const PlaylistContents contents = ReadPlaylist(bytes, Utf8FromWide(ext), StemOf(path), DecodeGbk);
  if (!contents.is_text) {
    Notify(std::u16string(kNotAPlaylistNotice), MB_ICONEXCLAMATION);
    return;
  }
  ImportContents(contents, play_first, quiet);
}

void UserChannels::DropText(std::wstring_view text) {
  const std::u16string_view dropped = AsUtf16(text);
  if (IsPlayableAddress(dropped)) {
    OpenAddress(text);
    return;
  }
  ImportContents(ReadPlaylistText(dropped, GuessFormat(dropped, ""), kDroppedGroup), false, false);
}

void UserChannels::ImportContents(const PlaylistContents& contents, bool play_first, bool quiet) {
  EnsureLoaded();
  const MergeResult result = list_.Merge(contents);
  if (result.taken > 0) {
    Keep();
    RebuildMenu();
  }
  if (!contents.channels.empty()) {
    const UserChannel& first = contents.channels.front();
    ShowGroup(first.group);
    if (play_first) {
      for (std::size_t i = 0; i < shown_rows_.size(); ++i) {
        if (shown_rows_[i].address == first.address) {
          window_.ChannelList().SetItemIndex(static_cast<int>(i));
          break;
        }
      }
      Play(first);
    }
  }
  if (!quiet || result.skipped.Total() > 0 || result.taken == 0) {
    Notify(ImportNotice(result),
           result.skipped.Total() > 0 ? MB_ICONEXCLAMATION : MB_ICONINFORMATION);
  }
}

void UserChannels::DropFiles(HDROP drop) {
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<std::wstring> paths;
  for (UINT i = 0; i < count; ++i) {
    const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    path.resize(::DragQueryFileW(drop, i, path.data(), length + 1));
    paths.push_back(std::move(path));
  }
  ::DragFinish(drop);
  for (const std::wstring& path : paths) ImportFile(path, false, false);
}

void UserChannels::ClearClick() {
  EnsureLoaded();
  if (ui::ShowMessageBox(window_.Handle(), kConfirmClear, ui::Application().Title(),
                         MB_ICONQUESTION | MB_OKCANCEL) != IDOK) {
    return;
  }
  list_.Clear();
  Keep();
  RebuildMenu();
  if (shown_group_) {
    shown_rows_.clear();
    window_.ChannelList().Clear();
    shown_group_.reset();
  }
}

bool OpenCommandLinePlaylist(TFmain1& window, std::u16string_view command_line) {
  // Split by our own rules rather than the shell's: loading the shell (and with it COM)
  // would cost every start-up its time.
  const std::vector<std::u16string> arguments = SplitCommandLine(command_line);
  if (arguments.empty()) return false;
  const std::wstring path(AsWide(arguments.front()));
  const std::wstring ext = ExtensionOf(path);
  if (std::find(std::begin(kListExtensions), std::end(kListExtensions), ext) ==
      std::end(kListExtensions)) {
    return false;
  }
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return false;
  }
  window.OwnChannels().ImportWhenLoaded(path);
  return true;
}

}  // namespace telvana
