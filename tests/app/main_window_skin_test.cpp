// The skin choice of the main window: the stored choice restored as the window is created,
// the five skin items, the choice kept for the next start, and the skin-missing message.
// The skin files are small skins of the test's own, in a folder of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "skin/skin_data.h"
#include "skin/skin_manager_link.h"
#include "tests/app/main_window_fixture.h"
#include "tests/app/scratch_registry.h"
#include "tests/skin/skin_builder.h"
#include "ui/menus.h"

namespace telvana {
namespace {

constexpr RegistryRoot kMachine = RegistryRoot::kLocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;
const std::wstring kKey = L"Software\\ORVALIS";
const wchar_t* const kItems[] = {L"N45", L"N46", L"N47", L"N48", L"N49"};

class SkinChoiceTest : public testsupport::MainWindowTest {
 protected:
  // The window is started by each test, once it has set up the registry and the files.
  void SetUp() override {
    program_folder = folder_.path() + L"\\";
    std::filesystem::create_directory(SkinFolder());
    for (int n = 1; n <= 5; ++n) WriteSkin(n, SkinBytes("Skin" + std::to_string(n)));
  }
  void TearDown() override { std::filesystem::remove_all(SkinFolder()); }

  std::filesystem::path SkinFolder() const {
    return std::filesystem::path(folder_.path()) / L"外观风格";
  }
  // The path the program hands to its skin data: with the doubled separator.
  std::wstring SkinPath(int n) const {
    return program_folder + L"\\外观风格\\" + std::to_wstring(n) + L".skn";
  }
  static std::vector<std::uint8_t> SkinBytes(const std::string& name) {
    return testing::SkinBuilder("[TitlebarSkin]\r\nSkinName=" + name +
                                "\r\n[Tabs]\r\nImage=t.bmp\r\n")
        .Picture("t.bmp", 40, 20)
        .File();
  }
  void WriteSkin(int n, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(SkinFolder() / (std::to_wstring(n) + L".skn"), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  void RemoveSkin(int n) { std::filesystem::remove(SkinFolder() / (std::to_wstring(n) + L".skn")); }

  TSkinData& Skin() { return Part<TSkinData>(L"SkinData1"); }
  void Store(RegistryRoot root, const std::wstring& name) {
    registry.keys[{root, kKey}][L"RegisterCode"] = {true, name};
  }
  std::optional<std::wstring> Stored(RegistryRoot root) {
    return registry.StringAt(root, kKey, L"RegisterCode");
  }

  // The skin items that carry the check mark, as the item and its menu both tell.
  std::vector<std::wstring> Marked() {
    const HMENU bar = Part<ui::TMainMenu>(L"MainMenu1").Handle();
    std::vector<std::wstring> marked;
    for (const wchar_t* name : kItems) {
      auto& item = Part<ui::TMenuItem>(name);
      const bool shown = ::GetMenuState(bar, item.Command(), MF_BYCOMMAND) & MF_CHECKED;
      EXPECT_EQ(shown, item.Checked()) << Utf8FromWide(name);
      if (item.Checked()) marked.emplace_back(name);
    }
    return marked;
  }
  using Names = std::vector<std::wstring>;

  // The skin files applied since the last call: the skin changes SkinData1 asked for.
  int SkinChanges() {
    auto* queue = dynamic_cast<SkinRequestQueue*>(SkinManager());
    if (!queue) return -1;
    int changes = 0;
    for (const SkinManagerRequest& r : queue->TakeRequests()) {
      if (r.kind == SkinManagerRequest::Kind::kAction && r.action == SkinAction::kSkinChanged &&
          r.data == &Skin()) {
        ++changes;
      }
    }
    return changes;
  }

  // The boxes of the skin choice among those shown (not the desktop shortcut's, say).
  static std::vector<ui::MessageBoxRequest> SkinBoxes(
      const std::vector<ui::MessageBoxRequest>& all) {
    std::vector<ui::MessageBoxRequest> shown;
    for (const auto& box : all) {
      if (box.caption == L"友情提醒") shown.push_back(box);
    }
    return shown;
  }
  void ExpectSkinMissing(const std::vector<ui::MessageBoxRequest>& all) {
    const std::vector<ui::MessageBoxRequest> shown = SkinBoxes(all);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, L"外观风格文件已丢失，请重新下载本软件！");
    EXPECT_EQ(shown[0].caption, L"友情提醒");
    EXPECT_EQ(shown[0].style, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
    EXPECT_EQ(shown[0].owner, window->Handle());
  }

 private:
  testsupport::ScratchFolder folder_;
};

// ---------------------------------------------------------------------------------------
// At start-up

TEST_F(SkinChoiceTest, AFirstStartAppliesTheFirstSkinAndWritesNothing) {
  Start();
  EXPECT_EQ(Skin().SkinFile(), SkinPath(1));
  EXPECT_EQ(Skin().SkinName(), "Skin1");
  EXPECT_EQ(SkinChanges(), 1);
  EXPECT_EQ(Marked(), Names{L"N45"});
  EXPECT_EQ(window->StoredSkinName(), L"");
  EXPECT_TRUE(registry.keys.empty()) << "nothing is written, no key is made";
  EXPECT_TRUE(SkinBoxes(start_boxes).empty());
  EXPECT_EQ(window->ChannelList().Count(), 11) << "the first category follows";
}

TEST_F(SkinChoiceTest, AStoredChoiceIsTheOnlySkinAppliedAndMarked) {
  Store(kMachine, L"2.skn");
  Start();
  EXPECT_EQ(Skin().SkinFile(), SkinPath(2));
  EXPECT_EQ(Skin().SkinName(), "Skin2");
  EXPECT_EQ(SkinChanges(), 1) << "2.skn only, not 1.skn first";
  EXPECT_EQ(Marked(), Names{L"N46"});
  EXPECT_EQ(window->StoredSkinName(), L"2.skn");
  EXPECT_TRUE(SkinBoxes(start_boxes).empty());
}

TEST_F(SkinChoiceTest, AnyOtherStoredNameKeepsTheStoredSkinSilently) {
  for (const wchar_t* other : {L"7.skn", L"2.SKN"}) {
    SCOPED_TRACE(Utf8FromWide(other));
    Store(kMachine, other);
    Start();
    EXPECT_EQ(Skin().SkinFile(), L"");
    EXPECT_FALSE(Skin().SkinNotReady()) << "the stored skin stays in force";
    EXPECT_EQ(SkinChanges(), 0);
    EXPECT_EQ(Marked(), Names{});
    EXPECT_EQ(window->StoredSkinName(), other);
    EXPECT_TRUE(SkinBoxes(start_boxes).empty());
  }
}

TEST_F(SkinChoiceTest, AMissingFirstSkinIsReportedOnceAndTheStoredSkinStays) {
  RemoveSkin(1);
  Start();
  ExpectSkinMissing(start_boxes);
  EXPECT_EQ(Marked(), Names{});
  EXPECT_EQ(Skin().SkinFile(), L"");
  EXPECT_FALSE(Skin().SkinNotReady());
  EXPECT_EQ(SkinChanges(), 0);
  EXPECT_TRUE(registry.keys.empty());
  EXPECT_EQ(window->ChannelList().Count(), 11) << "start-up goes on";
}

TEST_F(SkinChoiceTest, AStoredValueThatIsNotAStringIsReported) {
  registry.keys[{kMachine, kKey}][L"RegisterCode"] = {false, L""};
  Start();
  ExpectSkinMissing(start_boxes);
  EXPECT_EQ(Marked(), Names{});
  EXPECT_EQ(Skin().SkinFile(), L"");
}

// ---------------------------------------------------------------------------------------
// The skin items

TEST_F(SkinChoiceTest, AChosenSkinIsAppliedMarkedAloneAndBackAfterARestart) {
  Start();
  SkinChanges();
  Choose(L"N48");
  EXPECT_EQ(player.cancelledReconnections(), 1);  // a stream waiting to be reopened is let go
  EXPECT_EQ(Skin().SkinFile(), SkinPath(4));
  EXPECT_EQ(Skin().SkinName(), "Skin4");
  EXPECT_EQ(SkinChanges(), 1);
  EXPECT_EQ(Marked(), Names{L"N48"});
  EXPECT_EQ(Stored(kMachine), L"4.skn");
  EXPECT_FALSE(Stored(kUser).has_value());
  EXPECT_TRUE(boxes.boxes.empty());
  Choose(L"N46");
  EXPECT_EQ(Marked(), Names{L"N46"});
  EXPECT_EQ(Stored(kMachine), L"2.skn");

  Start();
  EXPECT_EQ(Skin().SkinName(), "Skin2");
  EXPECT_EQ(Marked(), Names{L"N46"});
  EXPECT_EQ(window->StoredSkinName(), L"2.skn");
}

TEST_F(SkinChoiceTest, ChoosingAMissingSkinKeepsTheMarkButNotTheChoice) {
  Store(kMachine, L"1.skn");
  Start();
  RemoveSkin(2);
  Choose(L"N46");
  ExpectSkinMissing(boxes.boxes);
  EXPECT_EQ(Marked(), Names{L"N46"});
  EXPECT_EQ(Skin().SkinName(), "Skin1") << "the previous skin stays in force";
  EXPECT_EQ(Stored(kMachine), L"1.skn");
}

TEST_F(SkinChoiceTest, ASkinFileThatCannotBeReadIsReportedLikeAMissingOne) {
  Start();
  SkinChanges();
  WriteSkin(3, {1, 2, 3});
  Choose(L"N47");
  ExpectSkinMissing(boxes.boxes);
  EXPECT_EQ(Marked(), Names{L"N47"});
  EXPECT_EQ(Skin().SkinName(), "Skin1");
  EXPECT_EQ(SkinChanges(), 0);
  EXPECT_TRUE(registry.keys.empty());
}

TEST_F(SkinChoiceTest, WithoutRightsToTheMachinesKeyTheChoiceLivesWithTheUser) {
  Store(kMachine, L"2.skn");  // there, but out of reach
  registry.denied.insert({kMachine, kKey});
  Start();
  EXPECT_EQ(Marked(), Names{L"N45"}) << "nothing the user may read: a first start";
  Choose(L"N49");
  EXPECT_EQ(Stored(kUser), L"5.skn");
  EXPECT_EQ(Stored(kMachine), L"2.skn");
  EXPECT_TRUE(boxes.boxes.empty());

  Start();
  EXPECT_EQ(Skin().SkinName(), "Skin5");
  EXPECT_EQ(Marked(), Names{L"N49"});
}

}  // namespace
}  // namespace telvana
