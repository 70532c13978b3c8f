// What the main window's drop target takes from a data object: the files of a shell drop and
// dropped text, each handed on whole; anything else is refused. The data objects come from
// the clipboard, as OLE gives them to a drop.
#include "app/drop_target.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ui/win_handles.h"

namespace telvana {
namespace {

// Puts one format on the clipboard and gives OLE's data object for it.
class ClipboardData {
 public:
  ClipboardData(UINT format, const void* bytes, std::size_t size) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(::GlobalLock(memory), bytes, size);
    ::GlobalUnlock(memory);
    EXPECT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    EXPECT_TRUE(::SetClipboardData(format, memory));  // the clipboard owns it now
    ::CloseClipboard();
    EXPECT_EQ(::OleGetClipboard(data_.put()), S_OK);
  }
  IDataObject* get() const { return data_.get(); }

 private:
  win::ComPtr<IDataObject> data_;
};

class DropTargetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ole_.Ok());
    window_ = win::Window(::CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                          nullptr, nullptr));
    target_ = DropTarget::Register(
        window_.get(), [this](std::vector<std::wstring> paths) { files_ = std::move(paths); },
        [this](std::wstring text) { text_ = std::move(text); });
    ASSERT_NE(target_, nullptr);
  }
  void TearDown() override { DropTarget::Revoke(window_.get()); }

  DWORD Drop(IDataObject* data) {
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target_->DragEnter(data, 0, {0, 0}, &effect), S_OK);
    DWORD dropped = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target_->Drop(data, 0, {0, 0}, &dropped), S_OK);
    EXPECT_EQ(dropped, effect) << "the drop does what entering promised";
    return dropped;
  }

  OleScope ole_;
  win::Window window_;
  DropTarget* target_ = nullptr;
  std::vector<std::wstring> files_;
  std::wstring text_ = L"<none>";
};

TEST_F(DropTargetTest, TextIsHandedOnWhole) {
  const wchar_t text[] = L"http://127.0.0.1/甲\r\nrtsp://127.0.0.1/乙";
  const ClipboardData data(CF_UNICODETEXT, text, sizeof(text));
  EXPECT_EQ(Drop(data.get()), static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(text_, text);
}

TEST_F(DropTargetTest, TheFilesOfAShellDropAreHandedOnInOrder) {
  const std::wstring names =
      std::wstring(L"C:\\列表\\一.m3u") + L'\0' + L"D:\\two.pls" + L'\0' + L'\0';
  std::vector<char> bytes(sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
  auto* header = reinterpret_cast<DROPFILES*>(bytes.data());
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(bytes.data() + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
  const ClipboardData data(CF_HDROP, bytes.data(), bytes.size());
  EXPECT_EQ(Drop(data.get()), static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(files_, (std::vector<std::wstring>{L"C:\\列表\\一.m3u", L"D:\\two.pls"}));
}

TEST_F(DropTargetTest, OtherDataIsRefused) {
  const char bitmap_bits[16] = {};
  const ClipboardData data(CF_DIB, bitmap_bits, sizeof(bitmap_bits));
  EXPECT_EQ(Drop(data.get()), static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(text_, L"<none>");
  EXPECT_TRUE(files_.empty());
}

}  // namespace
}  // namespace telvana
