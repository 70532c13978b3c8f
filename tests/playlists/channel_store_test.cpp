// The file the user's channels are kept in, under Wine: written whole or not at all, read
// back unchanged, in folders made on the way; lists from other programs in GBK read too.
#include "playlists/channel_store_win.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

namespace telvana::playlists {
namespace {

// A folder of the test's own under the temporary folder, removed with what it holds.
class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    root_ = std::wstring(temp) + L"telvana-store-" + std::to_wstring(::GetCurrentProcessId());
    path_ = root_ + L"\\Korvane\\Telvana\\我的频道.m3u";
  }
  void TearDown() override {
    for (const std::wstring& file : {path_, path_ + L".new"}) {
      ::RemoveDirectoryW(file.c_str());
      ::DeleteFileW(file.c_str());
    }
    ::RemoveDirectoryW((root_ + L"\\Korvane\\Telvana").c_str());
    ::RemoveDirectoryW((root_ + L"\\Korvane").c_str());
    ::RemoveDirectoryW(root_.c_str());
  }
  void WriteFile(const std::string& bytes) {
    const HANDLE h =
        ::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written;
    ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(h);
  }

  std::wstring root_, path_;
};

UserChannelList Sample() {
  UserChannelList list;
  list.Add({u"中央一台 综合", u"央视", u"http://127.0.0.1/1"});
  list.Add({u"Ελληνικά, \"ραδιόφωνο\"", u"Ραδιόφωνο \"καλό\"", u"mms://127.0.0.1/2"});
  list.Add({u"عربي 😀", u"한국어", u"rtsp://127.0.0.1/3"});
  return list;
}

TEST_F(StoreTest, AListNeverSavedIsEmptyAndASavedOneReadsBackUnchanged) {
  const ChannelStore store(path_);
  EXPECT_TRUE(store.Load().Empty());
  const UserChannelList list = Sample();
  ASSERT_TRUE(store.Save(list));  // makes the two folders
  EXPECT_EQ(store.Load().Channels(), list.Channels());
  EXPECT_EQ(::GetFileAttributesW((path_ + L".new").c_str()), INVALID_FILE_ATTRIBUTES);

  UserChannelList shorter;
  shorter.Add({u"只有一个", u"g", u"http://127.0.0.1/only"});
  ASSERT_TRUE(store.Save(shorter));
  EXPECT_EQ(store.Load().Channels(), shorter.Channels());  // nothing of the longer list left
}

TEST_F(StoreTest, AFailedWriteLeavesTheOldListWhole) {
  const ChannelStore store(path_);
  ASSERT_TRUE(store.Save(Sample()));
  std::string before;
  ASSERT_TRUE(ReadFileBytes(path_, 1 << 20, before));
  // The temporary file's place is taken, so the new list cannot be written.
  ASSERT_TRUE(::CreateDirectoryW((path_ + L".new").c_str(), nullptr));
  UserChannelList other;
  other.Add({u"新", u"g", u"http://127.0.0.1/new"});
  EXPECT_FALSE(store.Save(other));
  std::string after;
  ASSERT_TRUE(ReadFileBytes(path_, 1 << 20, after));
  EXPECT_EQ(after, before);
  EXPECT_EQ(store.Load().Channels(), Sample().Channels());
}

TEST_F(StoreTest, ListsInGbkAndUtf16FromOtherProgramsAreRead) {
  const ChannelStore store(path_);
  ASSERT_TRUE(store.Save(UserChannelList{}));
  // 央视 and 中文 in GBK, with CR LF.
  WriteFile(
      "#EXTM3U\r\n#EXTINF:-1 group-title=\"\xD1\xEB\xCA\xD3\",\xD6\xD0\xCE\xC4\r\n"
      "http://127.0.0.1/gbk\r\nhttp://127.0.0.1/plain\r\n");
  UserChannelList list = store.Load();
  ASSERT_EQ(list.Channels().size(), 2u);
  EXPECT_EQ(list.Channels()[0], (UserChannel{u"中文", u"央视", u"http://127.0.0.1/gbk"}));
  EXPECT_EQ(list.Channels()[1].group, u"我的频道");

  const std::u16string utf16 = u"\uFEFF#EXTINF:-1,台\nhttp://127.0.0.1/u\n";
  WriteFile(std::string(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2));
  list = store.Load();
  ASSERT_EQ(list.Channels().size(), 1u);
  EXPECT_EQ(list.Channels()[0].name, u"台");
}

TEST(ChannelStore, TheUsersOwnFileIsInTheRoamingApplicationData) {
  wchar_t folder[MAX_PATH];
  ASSERT_EQ(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, folder), S_OK);
  EXPECT_EQ(ChannelStore::DefaultPath(),
            std::wstring(folder) + L"\\Korvane\\Telvana\\我的频道.m3u");
}

}  // namespace
}  // namespace telvana::playlists
