// The system's registry behind the program's registry interface, in a scratch key.
#include "app/registry_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/app/scratch_registry.h"

namespace telvana {
namespace {

const std::wstring kPath = L"Software\\ORVALIS";

TEST(WindowsRegistry, OpensCreatesReadsAndWritesTheUsersKeys) {
  testsupport::ScratchCurrentUser user;
  ASSERT_TRUE(user.active());
  WindowsRegistry registry;
  EXPECT_EQ(registry.Open(RegistryRoot::kCurrentUser, kPath, false), nullptr);
  {
    auto key = registry.Open(RegistryRoot::kCurrentUser, kPath, true);
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->ReadString(L"RegisterCode").has_value());
    key->WriteString(L"RegisterCode", L"3.skn");
  }
  auto key = registry.Open(RegistryRoot::kCurrentUser, kPath, false);
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->ReadString(L"RegisterCode"), L"3.skn");

  // Written as a plain string that the system reads back.
  wchar_t text[16] = {};
  DWORD bytes = sizeof text, type = 0;
  ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, kPath.c_str(), L"RegisterCode", RRF_RT_ANY, &type,
                           text, &bytes),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(text, L"3.skn");

  const DWORD number = 2;
  ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kPath.c_str(), L"RegisterCode", REG_DWORD, &number,
                              sizeof number),
            ERROR_SUCCESS);
  EXPECT_THROW(key->ReadString(L"RegisterCode"), RegistryError);
}

TEST(WindowsRegistry, TheMachinesKeysAreTheMachinesRoot) {
  // Under Wine the test prefix's machine key is ours to write; a scratch path of our own.
  const std::wstring path =
      L"Software\\TelvanaTests\\Machine" + std::to_wstring(::GetCurrentProcessId());
  WindowsRegistry registry;
  registry.Open(RegistryRoot::kLocalMachine, path, true)->WriteString(L"RegisterCode", L"4.skn");
  wchar_t text[16] = {};
  DWORD bytes = sizeof text;
  EXPECT_EQ(::RegGetValueW(HKEY_LOCAL_MACHINE, path.c_str(), L"RegisterCode", RRF_RT_REG_SZ,
                           nullptr, text, &bytes),
            ERROR_SUCCESS);
  EXPECT_STREQ(text, L"4.skn");
  ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, path.c_str());
  ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\TelvanaTests");
}

}  // namespace
}  // namespace telvana
