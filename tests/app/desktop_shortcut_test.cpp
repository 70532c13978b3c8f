// The desktop folder from the registry and the shortcut the program renews on every start,
// with the current user's registry replaced by a scratch key.
#include "app/desktop_shortcut.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/app/main_window_fixture.h"
#include "tests/app/scratch_registry.h"
#include "tests/app/shell_link_reader.h"

namespace telvana {
namespace {

using testsupport::FileExists;
using testsupport::FolderExists;
using testsupport::ReadShellLink;
using testsupport::ScratchCurrentUser;
using testsupport::ScratchFolder;
using testsupport::ThisProgram;

const std::wstring kName = L"Korvane影视Telvana免费版.lnk";

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// ---------------------------------------------------------------------------------------
// The registry

TEST(ShellFolderPath, AMissingKeyGivesNothing) {
  ScratchCurrentUser user;
  ASSERT_TRUE(user.active());
  EXPECT_EQ(ShellFolderPath(L"Desktop"), L"");
  const RegistryString read = ReadRegistryString(HKEY_CURRENT_USER, kShellFoldersKey, L"Desktop");
  EXPECT_FALSE(read.keyOpened);
  EXPECT_FALSE(read.found);
  // Reading does not create the key.
  HKEY key = nullptr;
  EXPECT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  if (key) ::RegCloseKey(key);
}

TEST(ShellFolderPath, AMissingValueGivesTheSeparatorAlone) {
  ScratchCurrentUser user;
  ASSERT_TRUE(user.active());
  user.SetString(L"Personal", L"C:\\Documents");
  EXPECT_EQ(ShellFolderPath(L"Desktop"), L"\\");
}

TEST(ShellFolderPath, AValueThatIsNotAStringReadsAsMissing) {
  ScratchCurrentUser user;
  ASSERT_TRUE(user.active());
  user.SetDword(L"Desktop", 42);
  EXPECT_EQ(ShellFolderPath(L"Desktop"), L"\\");
  const RegistryString read = ReadRegistryString(HKEY_CURRENT_USER, kShellFoldersKey, L"Desktop");
  EXPECT_TRUE(read.keyOpened);
  EXPECT_FALSE(read.found);
}

TEST(ShellFolderPath, AStringValueGetsTheSeparator) {
  ScratchCurrentUser user;
  ASSERT_TRUE(user.active());
  user.SetString(L"Desktop", L"C:\\用户\\桌面");
  EXPECT_EQ(ShellFolderPath(L"Desktop"), L"C:\\用户\\桌面\\");
  user.SetString(L"Personal", L"D:\\Docs");
  EXPECT_EQ(ShellFolderPath(L"Personal"), L"D:\\Docs\\");
  // A value stored without its terminating zero reads the same.
  user.SetString(L"Desktop", L"C:\\Unterminated", false);
  EXPECT_EQ(ShellFolderPath(L"Desktop"), L"C:\\Unterminated\\");
  user.SetString(L"Desktop", L"");
  EXPECT_EQ(ShellFolderPath(L"Desktop"), L"\\");
}

// ---------------------------------------------------------------------------------------
// Where the shortcut goes

void ExpectTheShellsDesktop(const std::wstring& link) {
  ASSERT_TRUE(EndsWith(link, L"\\" + kName)) << Utf8FromWide(link);
  const std::wstring folder = link.substr(0, link.size() - kName.size() - 1);
  EXPECT_FALSE(folder.empty()) << "never the root of the current drive";
  EXPECT_NE(link.front(), L'\\');
  EXPECT_TRUE(FolderExists(folder)) << Utf8FromWide(folder);
}

TEST(DesktopShortcutPath, TheRegistrysDesktop) {
  ScratchCurrentUser user;
  ASSERT_TRUE(user.active());
  user.SetString(L"Desktop", L"C:\\users\\someone\\Desktop");
  EXPECT_EQ(DesktopShortcutPath(), L"C:\\users\\someone\\Desktop\\" + kName);
}

TEST(DesktopShortcutPath, WithoutTheKeyTheShellsDesktop) {
  ScratchCurrentUser user;
  ASSERT_TRUE(user.active());
  ExpectTheShellsDesktop(DesktopShortcutPath());
}

TEST(DesktopShortcutPath, WithoutTheValueTheShellsDesktop) {
  {
    ScratchCurrentUser user;
    ASSERT_TRUE(user.active());
    user.SetString(L"Personal", L"C:\\Documents");
    ExpectTheShellsDesktop(DesktopShortcutPath());
  }
  {
    ScratchCurrentUser user;
    ASSERT_TRUE(user.active());
    user.SetString(L"Desktop", L"");
    ExpectTheShellsDesktop(DesktopShortcutPath());
  }
  {
    ScratchCurrentUser user;
    ASSERT_TRUE(user.active());
    user.SetDword(L"Desktop", 1);
    ExpectTheShellsDesktop(DesktopShortcutPath());
  }
}

// ---------------------------------------------------------------------------------------
// The link itself

TEST(CreateShellLink, WritesALinkThatReadsBack) {
  ScratchFolder folder;
  const std::wstring link = folder.path() + L"\\" + kName;
  const std::wstring target = ThisProgram();
  ASSERT_TRUE(CreateShellLink(target, link, L"Korvane娱乐工具"));
  ASSERT_TRUE(FileExists(link));
  testsupport::LinkContents contents = ReadShellLink(link);
  EXPECT_EQ(contents.description, L"Korvane娱乐工具");
  EXPECT_EQ(::lstrcmpiW(contents.target.c_str(), target.c_str()), 0)
      << Utf8FromWide(contents.target);

  // Renewed: the new link replaces the old one.
  ASSERT_TRUE(CreateShellLink(target, link, L"第二次"));
  EXPECT_EQ(ReadShellLink(link).description, L"第二次");
}

TEST(CreateShellLink, AnUnwritablePlaceIsAFailure) {
  ScratchFolder folder;
  const std::wstring link = folder.path() + L"\\no-such-folder\\" + kName;
  EXPECT_FALSE(CreateShellLink(ThisProgram(), link, L"Korvane娱乐工具"));
  EXPECT_FALSE(FileExists(link));
  EXPECT_FALSE(CreateShellLink(ThisProgram(), L"", L"Korvane娱乐工具"));
}

TEST(RenewDesktopShortcut, LinksThisProgramFromTheDesktop) {
  ScratchFolder desktop;
  ScratchCurrentUser user;
  ASSERT_TRUE(user.active());
  user.SetString(L"Desktop", desktop.path());
  ASSERT_TRUE(RenewDesktopShortcut());
  const std::wstring link = desktop.path() + L"\\" + kName;
  ASSERT_TRUE(FileExists(link));
  const testsupport::LinkContents contents = ReadShellLink(link);
  EXPECT_EQ(::lstrcmpiW(contents.target.c_str(), ThisProgram().c_str()), 0)
      << Utf8FromWide(contents.target);
  EXPECT_EQ(contents.description, L"Korvane娱乐工具");
}

TEST(RenewDesktopShortcut, ADesktopThatCannotBeWrittenIsReported) {
  ScratchFolder folder;
  ScratchCurrentUser user;
  ASSERT_TRUE(user.active());
  user.SetString(L"Desktop", folder.path() + L"\\missing");
  EXPECT_FALSE(RenewDesktopShortcut());
  EXPECT_FALSE(FileExists(folder.path() + L"\\missing\\" + kName));
}

}  // namespace
}  // namespace telvana
