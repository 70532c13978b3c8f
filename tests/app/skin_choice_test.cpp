// The skin file names and paths, and where the choice is read and written: the machine's
// key, or the user's where the machine's cannot be had with full access.
#include "app/skin_choice.h"

#include <gtest/gtest.h>

#include "tests/support/memory_registry.h"

namespace telvana {
namespace {

using testsupport::MemoryRegistry;
constexpr RegistryRoot kMachine = RegistryRoot::kLocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;
const std::wstring kKey = L"Software\\ORVALIS";

TEST(SkinFileIndex, OnlyTheFiveNamesExactly) {
  for (int i = 0; i < kSkinFileCount; ++i) {
    EXPECT_EQ(SkinFileIndex(std::to_wstring(i + 1) + L".skn"), i);
  }
  for (const wchar_t* other : {L"", L"0.skn", L"6.skn", L"7.skn", L"2.SKN", L"2.Skn", L" 2.skn",
                               L"2.skn ", L"2.skn\\", L"外观风格\\2.skn", L"2"}) {
    EXPECT_FALSE(SkinFileIndex(other).has_value());
  }
}

TEST(SkinFilePath, TheSkinFolderBesideTheProgramWithItsDoubledSeparator) {
  EXPECT_EQ(SkinFilePath(L"C:\\Program Files\\Telvana\\", L"3.skn"),
            L"C:\\Program Files\\Telvana\\\\外观风格\\3.skn");
}

TEST(ReadSkinChoice, NothingStoredReadsEmptyAndCreatesNothing) {
  MemoryRegistry registry;
  EXPECT_EQ(ReadSkinChoice(registry), L"");
  EXPECT_TRUE(registry.keys.empty());
  registry.keys[{kMachine, kKey}];  // the key without the value
  EXPECT_EQ(ReadSkinChoice(registry), L"");
  EXPECT_EQ(registry.opened, registry.released);
}

TEST(ReadSkinChoice, TheMachinesKeyComesFirst) {
  MemoryRegistry registry;
  registry.keys[{kMachine, kKey}][L"RegisterCode"] = {true, L"2.skn"};
  registry.keys[{kUser, kKey}][L"RegisterCode"] = {true, L"4.skn"};
  EXPECT_EQ(ReadSkinChoice(registry), L"2.skn");
  // Opened with full access, the machine's key answers even without the value.
  registry.keys[{kMachine, kKey}].clear();
  EXPECT_EQ(ReadSkinChoice(registry), L"");
}

TEST(ReadSkinChoice, WithoutFullAccessToTheMachinesKeyTheUsersKeyAnswers) {
  MemoryRegistry registry;
  registry.keys[{kMachine, kKey}][L"RegisterCode"] = {true, L"2.skn"};
  registry.denied.insert({kMachine, kKey});
  EXPECT_EQ(ReadSkinChoice(registry), L"");
  registry.keys[{kUser, kKey}][L"RegisterCode"] = {true, L"4.skn"};
  EXPECT_EQ(ReadSkinChoice(registry), L"4.skn");
  // No machine key at all (nobody could create it): the user's too.
  registry.denied.clear();
  registry.keys.erase({kMachine, kKey});
  EXPECT_EQ(ReadSkinChoice(registry), L"4.skn");
}

TEST(ReadSkinChoice, AValueThatIsNotAStringIsAnError) {
  MemoryRegistry registry;
  registry.keys[{kMachine, kKey}][L"RegisterCode"] = {false, L""};
  EXPECT_THROW(ReadSkinChoice(registry), RegistryError);
  EXPECT_EQ(registry.opened, registry.released);
}

TEST(WriteSkinChoice, IntoTheMachinesKeyCreatedIfMissing) {
  MemoryRegistry registry;
  WriteSkinChoice(registry, L"3.skn");
  EXPECT_EQ(registry.StringAt(kMachine, kKey, L"RegisterCode"), L"3.skn");
  EXPECT_EQ(registry.keys.count({kUser, kKey}), 0u);
  EXPECT_EQ(ReadSkinChoice(registry), L"3.skn");
  EXPECT_EQ(registry.opened, registry.released);
}

TEST(WriteSkinChoice, WithoutRightsToTheMachinesKeyTheUsersKeepsIt) {
  MemoryRegistry registry;
  registry.denied.insert({kMachine, kKey});
  WriteSkinChoice(registry, L"5.skn");
  EXPECT_EQ(registry.keys.count({kMachine, kKey}), 0u);
  EXPECT_EQ(registry.StringAt(kUser, kKey, L"RegisterCode"), L"5.skn");
  EXPECT_EQ(ReadSkinChoice(registry), L"5.skn") << "the choice survives a restart";

  // Neither key can be had: nothing written, nothing raised.
  MemoryRegistry locked;
  locked.denied = {{kMachine, kKey}, {kUser, kKey}};
  EXPECT_NO_THROW(WriteSkinChoice(locked, L"5.skn"));
  EXPECT_TRUE(locked.keys.empty());
}

}  // namespace
}  // namespace telvana
