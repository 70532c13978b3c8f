// The user's own channels in the main window: the menu 我的频道 with its two commands and,
// once the user has a list, an item per group and the command that clears the list; a chosen
// group fills the channel list, and a double-click plays its channel's address. Lists come
// from the file dialog, from files dropped on the window and from the command line; single
// addresses from the address window. Every change is kept at once (channel_store_win.h).
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/drop_target.h"
#include "playlists/channel_store_win.h"
#include "playlists/user_channel_list.h"
#include "ui/menus.h"

namespace telvana {

class TFmain1;

class UserChannels {
 public:
  // What asks the user: the address window and the system's file dialog; tests answer instead.
  // An empty answer means the user cancelled.
  using Question = std::function<std::optional<std::wstring>()>;

  // An empty path: the user's own file (ChannelStore::DefaultPath), found when loading.
  UserChannels(TFmain1& window, std::wstring store_path);
  UserChannels(const UserChannels&) = delete;
  UserChannels& operator=(const UserChannels&) = delete;
  ~UserChannels();

  void SetAddressQuestion(Question ask) { ask_address_ = std::move(ask); }
  void SetFileQuestion(Question ask) { ask_file_ = std::move(ask); }
  // Another file for the list; only before Load.
  void SetStorePath(std::wstring path) {
    if (!loaded_) store_ = playlists::ChannelStore(std::move(path));
  }

  // Reads the kept list and puts its groups on the menu; then runs a list waiting from the
  // command line. Once only: a change asked for earlier reads it first.
  void Load();
  // A list to import and play once the kept one has been read (the command line's).
  void ImportWhenLoaded(std::wstring path);

  // The menu commands.
  void OpenAddressClick();
  void ImportClick();
  void ClearClick();

  // Adds an address to the group 最近打开, shows that group and plays it. False (with a
  // notice) for an address the player cannot play.
  bool OpenAddress(std::wstring_view address);
  // Imports a list file and shows its first group; plays its first entry if asked. The
  // notice tells what was taken and left out (`quiet`: only when something was left out).
  void ImportFile(const std::wstring& path, bool play_first, bool quiet);
  // Files dropped on the window (through the shell's WM_DROPFILES where OLE's drag and drop
  // is not to be had).
  void DropFiles(HDROP drop);
  // Text dropped on the window: one address opens as the address window's would; anything
  // else is read as a list, into the group 拖放的频道 unless it names its own.
  void DropText(std::wstring_view text);

  // Fills the channel list with a group of the user's.
  void ShowGroup(const std::u16string& group);
  // The double-click on the channel list: plays the selected channel if the list shows a
  // group of the user's (true), else leaves it to the catalogue (false).
  bool PlaySelected();
  // A category of the catalogue has filled the list.
  void CategoryShown() { shown_group_.reset(); }

  const playlists::UserChannelList& List() const { return list_; }
  const std::optional<std::u16string>& ShownGroup() const { return shown_group_; }
  const std::wstring& StorePath() const { return store_.Path(); }

 private:
  void EnsureLoaded();
  void ImportContents(const playlists::PlaylistContents& contents, bool play_first, bool quiet);
  void Play(const playlists::UserChannel& channel);
  void Keep();
  void RebuildMenu();
  void Notify(const std::u16string& text, UINT icon);

  TFmain1& window_;
  playlists::ChannelStore store_;
  playlists::UserChannelList list_;
  bool loaded_ = false;
  std::optional<std::wstring> waiting_import_;
  std::optional<std::u16string> shown_group_;
  std::vector<playlists::UserChannel> shown_rows_;
  std::vector<ui::TMenuItem*> added_items_;    // the groups, 清空我的频道, separators
  std::vector<ui::TMenuItem*> retired_items_;  // those of the menu before, still owned
  Question ask_address_, ask_file_;
  std::optional<OleScope> ole_;
  bool drop_target_ = false;
};

// Whether the command line (as wWinMain receives it, without the program's name) names a
// playlist file (the first argument, a file with a list's extension that exists); if so, it
// is imported and its first entry played once the window has read the user's list. Returns
// whether it did.
bool OpenCommandLinePlaylist(TFmain1& window, std::u16string_view command_line);

}  // namespace telvana
