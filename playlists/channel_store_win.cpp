#include "playlists/channel_store_win.h"

#include <windows.h>

#include <shlobj.h>

#include <climits>

#include "playlists/legacy_text_win.h"
#include "ui/win_handles.h"

namespace telvana::playlists {
namespace {

constexpr wchar_t kFolder[] = L"Korvane\\Telvana";
constexpr wchar_t kFileName[] = L"我的频道.m3u";
// The group of an entry the file names none for (another program wrote it).
constexpr char16_t kUngrouped[] = u"我的频道";

win::KernelObject OpenFile(const std::wstring& path, DWORD access, DWORD creation,
                           DWORD flags = FILE_ATTRIBUTE_NORMAL) {
  const HANDLE h =
      ::CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, creation, flags, nullptr);
  return win::KernelObject(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

// Makes the folder and those above it that are missing.
void MakeFolders(const std::wstring& folder) {
  if (folder.empty() || ::GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES) return;
  MakeFolders(FolderOf(folder));
  ::CreateDirectoryW(folder.c_str(), nullptr);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 24));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data() + done, piece, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

}  // namespace

bool ReadFileBytes(const std::wstring& path, std::size_t limit, std::string& bytes) {
  const win::KernelObject file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
  if (!file) return false;
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return false;
  bytes.resize(std::min<std::size_t>(static_cast<std::size_t>(size.QuadPart), limit));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 24));
    DWORD read = 0;
    if (!::ReadFile(file.get(), bytes.data() + done, piece, &read, nullptr)) return false;
    if (read == 0) break;  // the file got shorter meanwhile
    done += read;
  }
  bytes.resize(done);
  return true;
}

std::wstring ChannelStore::DefaultPath() {
  wchar_t folder[MAX_PATH];
  if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return {};
  }
  return std::wstring(folder) + L"\\" + kFolder + L"\\" + kFileName;
}

UserChannelList ChannelStore::Load() const {
  UserChannelList list;
  std::string bytes;
  if (path_.empty() || !ReadFileBytes(path_, kMaxPlaylistBytes, bytes)) return list;
  list.Merge(ReadPlaylist(bytes, "m3u", kUngrouped, DecodeGbk));
  return list;
}

bool ChannelStore::Save(const UserChannelList& list) const {
  if (path_.empty()) return false;
  MakeFolders(FolderOf(path_));
  const std::wstring temporary = path_ + L".new";
  {
    const win::KernelObject file =
        OpenFile(temporary, GENERIC_WRITE, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
    if (!file) return false;
    // On the disk before the rename, or a crash could leave the new name on empty data.
    if (!WriteAll(file.get(), list.ToM3u()) || !::FlushFileBuffers(file.get())) {
      ::DeleteFileW(temporary.c_str());
      return false;
    }
  }
  if (!::MoveFileExW(temporary.c_str(), path_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace telvana::playlists
