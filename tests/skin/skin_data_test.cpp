// The skin data component: its published properties, the stored skin read with a
// description, skin files, switching on and off, and what it asks of the skin manager.
#include "skin/skin_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "skin/skin3rd_defaults.h"
#include "skin/skin_error.h"
#include "skin/skin_packer.h"
#include "skin/skin_reader.h"
#include "skin/skin_stream.h"
#include "tests/skin/skin_builder.h"

namespace telvana {
namespace {

using testing::SkinBuilder;
using Bytes = std::vector<std::uint8_t>;
using Kind = SkinManagerRequest::Kind;

SkinBuilder SkinNamed(const std::string& name, int check_width = 56) {
  return SkinBuilder("[TitlebarSkin]\r\nSkinName=" + name +
                     "\r\n[Buttons]\r\nCheckButton=c.bmp\r\n[Tabs]\r\nImage=t.bmp\r\n"
                     "[Button0]\r\nButtonImage=b.bmp\r\n")
      .Picture("c.bmp", check_width, 14)
      .Picture("t.bmp", 100, 20)
      .Picture("b.bmp", 84, 12);
}

Bytes OlderSkin() {
  Bytes container = BuildSkinContainer(SkinBuilder("").Entries());
  container[0] = 0x1F;  // format mark 19999
  return PackSkinContainer(container);
}

// Each test gets a fresh request queue as the program's manager, and sees the messages.
class SkinDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto queue = std::make_unique<SkinRequestQueue>();
    queue_ = queue.get();
    previous_ = ReplaceSkinManager(std::move(queue));
    SetSkinMessageSink([this](const std::string& text) { messages_.push_back(text); });
  }
  void TearDown() override {
    owner_.reset();  // the components leave the manager first
    ReplaceSkinManager(std::move(previous_));
    SetSkinMessageSink(nullptr);
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  // A component as a description creates it: by its class, still being read.
  TSkinData& FromDescription() {
    return dynamic_cast<TSkinData&>(*TSkinData::StaticClass().create(*owner_));
  }
  TSkinData& Created() { return *ui::TComponent::New<TSkinData>(*owner_); }

  std::wstring WriteFile(const std::string& name, const Bytes& bytes) {
    std::filesystem::create_directories(dir_);
    const std::filesystem::path path = dir_ / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path.wstring();
  }

  std::vector<Kind> Kinds() {
    std::vector<Kind> kinds;
    for (const SkinManagerRequest& r : queue_->TakeRequests()) kinds.push_back(r.kind);
    return kinds;
  }

  std::unique_ptr<ui::TComponent> owner_ = std::make_unique<ui::TComponent>(nullptr);
  SkinRequestQueue* queue_ = nullptr;
  std::unique_ptr<SkinManagerLink> previous_;
  std::vector<std::string> messages_;
  std::filesystem::path dir_ = std::filesystem::temp_directory_path() /
                               ("telvana_skin_data_test_" +
                                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(SkinDataTest, DefaultsOfANewComponent) {
  TSkinData& d = Created();
  EXPECT_FALSE(d.Active());
  EXPECT_EQ(d.DisableTag, 99);
  EXPECT_EQ(d.SkinControls, 0x3FFFFu);  // all 19 kinds but xcFastReport
  EXPECT_EQ(d.Skin3rd().size(), 85u);
  EXPECT_EQ(d.Skin3rd().front(), L"TTBDock=Panel");
  EXPECT_EQ(d.Skin3rd()[28], L"TLMDTrackbar=panel");
  EXPECT_EQ(d.Skin3rd().back(), L"TOVCDBNUMERICFIELD=Edit");
  EXPECT_EQ(d.SkinFile(), L"");
  EXPECT_EQ(d.SkinFormtype, TSkinFormType::sfMainform);
  EXPECT_EQ(d.Version(), L"2.68.9.07");
  EXPECT_TRUE(d.MenuUpdate);
  EXPECT_TRUE(d.SkinNotReady());
  EXPECT_TRUE(d.FramePaintEnabled);
  EXPECT_TRUE(d.StoredSkin().empty());
  EXPECT_EQ(d.Buttons().Name, "Buttons");
  EXPECT_EQ(d.Title().Name, "Title");
  EXPECT_EQ(d.Left().Name, "Left");
  EXPECT_EQ(d.Bottom().Name, "Bottom");
  EXPECT_TRUE(queue_->TakeRequests().empty());  // creating asks the manager nothing
}

TEST_F(SkinDataTest, PublishedPropertiesByName) {
  TSkinData& d = Created();
  const ui::ClassInfo& info = d.Class();
  EXPECT_STREQ(info.name, "TSkinData");
  EXPECT_TRUE(info.InheritsFrom(ui::TComponent::StaticClass()));
  for (const char* name : {"Active", "DisableTag", "SkinControls", "Skin3rd", "Skin3rd.Strings",
                           "SkinFile", "SkinStore", "SkinFormtype", "Version", "MenuUpdate",
                           "OnSkinChanged", "SkinStream", "Name", "Tag"}) {
    EXPECT_NE(info.Find(name), nullptr) << name;
  }
  d.SetProperty("DisableTag", ui::PropValue{std::int64_t{42}});
  EXPECT_EQ(d.DisableTag, 42);
  d.SetProperty("SkinControls", ui::PropValue{std::vector<std::wstring>{L"xcMainMenu", L"xcTab"}});
  EXPECT_EQ(d.SkinControls,
            SkinControlBit(TSkinControlType::xcMainMenu) | SkinControlBit(TSkinControlType::xcTab));
  EXPECT_EQ(d.GetProperty("SkinControls").Strings(),
            (std::vector<std::wstring>{L"xcMainMenu", L"xcTab"}));
  EXPECT_THROW(d.SetProperty("SkinControls", ui::PropValue{std::vector<std::wstring>{L"xcNone"}}),
               ui::PropertyError);
  d.SetProperty("SkinFormtype", ui::PropValue{std::wstring(L"sfDialog")});
  EXPECT_EQ(d.SkinFormtype, TSkinFormType::sfDialog);
  EXPECT_EQ(d.GetProperty("SkinFormtype").Text(), L"sfDialog");
  d.SetProperty("MenuUpdate", ui::PropValue{false});
  EXPECT_FALSE(d.MenuUpdate);
  d.SetProperty("Skin3rd.Strings", ui::PropValue{std::vector<std::wstring>{L"TA=Panel"}});
  EXPECT_EQ(d.GetProperty("Skin3rd").Strings(), std::vector<std::wstring>{L"TA=Panel"});

  // Version and SkinStore ignore what is written; SkinStore reads "(none)" at run time.
  d.SetProperty("Version", ui::PropValue{std::wstring(L"2.65.6.22")});
  EXPECT_EQ(d.GetProperty("Version").Text(), L"2.68.9.07");
  d.SetProperty("SkinStore", ui::PropValue{std::wstring(L"(Good)")});
  EXPECT_EQ(d.GetProperty("SkinStore").Text(), L"(none)");

  int fired = 0;
  d.SetProperty("OnSkinChanged",
                ui::PropValue{ui::EventHandler{ui::NotifyEvent([&](ui::TComponent& sender) {
                  EXPECT_EQ(&sender, &d);
                  ++fired;
                })}});
  d.SkinChanged();
  EXPECT_EQ(fired, 1);
}

TEST_F(SkinDataTest, TheStoredSkinIsParsedWhileTheDescriptionIsRead) {
  TSkinData& d = FromDescription();
  EXPECT_TRUE(d.Reading());
  d.SetProperty("Active", ui::PropValue{true});
  const Bytes file = SkinNamed("Stored").File();
  d.SetProperty("SkinStream", ui::PropValue{MakeSkinStreamProperty(file)});
  // Parsed at once, but nothing asked of the manager while the description is read.
  EXPECT_FALSE(d.SkinNotReady());
  EXPECT_EQ(d.SkinName(), "Stored");
  EXPECT_EQ(d.StoredSkin(), file);
  EXPECT_EQ(d.GetProperty("SkinStream").Bytes(), MakeSkinStreamProperty(file));
  EXPECT_TRUE(queue_->TakeRequests().empty());

  d.Loaded();
  EXPECT_FALSE(d.Reading());
  EXPECT_TRUE(d.Active());
  const std::vector<SkinManagerRequest> requests = queue_->TakeRequests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0].kind, Kind::kRegister);
  EXPECT_EQ(requests[0].data, &d);
  EXPECT_EQ(requests[1].kind, Kind::kInstallHook);
  EXPECT_EQ(requests[2], (SkinManagerRequest{Kind::kAction, &d, nullptr, SkinAction::kSkin, 250}));
  EXPECT_EQ(queue_->Registered(), std::vector<TSkinData*>{&d});
}

TEST_F(SkinDataTest, ActiveWithoutAParsedSkinIsSwitchedOffWhenLoaded) {
  TSkinData& d = FromDescription();
  d.SetProperty("Active", ui::PropValue{true});
  d.Loaded();
  EXPECT_FALSE(d.Active());
  EXPECT_EQ(Kinds(), (std::vector<Kind>{Kind::kRegister, Kind::kInstallHook}));
}

TEST_F(SkinDataTest, AStreamValueWithCountZeroCarriesNoSkin) {
  TSkinData& d = FromDescription();
  d.SetSkinStreamValue(Bytes{0, 0, 0, 0});
  EXPECT_TRUE(d.SkinNotReady());
  EXPECT_TRUE(d.StoredSkin().empty());
  d.SetSkinStreamValue(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 1, 2});  // negative count
  EXPECT_TRUE(d.StoredSkin().empty());
  EXPECT_THROW(d.SetSkinStreamValue(Bytes{9, 0, 0, 0, 1}), SkinLoadError);
}

TEST_F(SkinDataTest, SettingActiveBeforeAnySkinChangesOnlyTheProperty) {
  TSkinData& d = Created();
  d.SetActive(true);
  EXPECT_TRUE(d.Active());
  EXPECT_TRUE(queue_->TakeRequests().empty());
  d.SetActive(true);  // equal: nothing
  EXPECT_TRUE(queue_->TakeRequests().empty());
}

TEST_F(SkinDataTest, SwitchingOnAndOffAsksTheManager) {
  TSkinData& d = Created();
  d.SetSkinStreamValue(MakeSkinStreamProperty(SkinNamed("A").File()));
  ASSERT_FALSE(d.SkinNotReady());
  d.SetActive(true);
  auto requests = queue_->TakeRequests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0], (SkinManagerRequest{Kind::kAction, &d, nullptr, SkinAction::kSkin, 250}));
  EXPECT_EQ(requests[1].kind, Kind::kSetPending);
  EXPECT_EQ(queue_->Pending(), &d);
  d.SetActive(false);
  requests = queue_->TakeRequests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].action, SkinAction::kUnskin);

  // Skin data of one form makes itself pending first; dialog skin data asks nothing.
  d.SkinFormtype = TSkinFormType::sfOnlyThisForm;
  d.SetActive(true);
  EXPECT_EQ(Kinds(), (std::vector<Kind>{Kind::kSetPending, Kind::kAction}));
  d.SkinFormtype = TSkinFormType::sfDialog;
  d.SetActive(false);
  EXPECT_TRUE(queue_->TakeRequests().empty());
}

TEST_F(SkinDataTest, FormScopedSkinDataSkinsItsOwnerWhenLoaded) {
  TSkinData& d = FromDescription();
  d.SkinFormtype = TSkinFormType::sfOnlyThisForm;
  d.Loaded();
  const auto requests = queue_->TakeRequests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[1].kind, Kind::kSwitchOn);
  EXPECT_EQ(requests[2].kind, Kind::kSkinWindow);
  EXPECT_EQ(requests[2].form, owner_.get());
  EXPECT_EQ(queue_->Activations(), 1);
  EXPECT_FALSE(queue_->HookInstalled());
}

TEST_F(SkinDataTest, ASkinFileIsLoadedAndApplied) {
  TSkinData& d = Created();
  const Bytes file = SkinNamed("From file").File();
  const std::wstring path = WriteFile("1.skn", file);
  const std::unique_ptr<SkinManagerLink> before = ReplaceSkinManager(nullptr);
  d.SetSkinFile(path);
  EXPECT_EQ(d.SkinFile(), path);
  EXPECT_FALSE(d.SkinNotReady());
  EXPECT_EQ(d.SkinName(), "From file");
  EXPECT_EQ(d.StoredSkin(), file);
  // No manager existed: Loaded made one (registering and hooking), then the skin change.
  auto* created = dynamic_cast<SkinRequestQueue*>(SkinManager());
  ASSERT_NE(created, nullptr);
  const auto requests = created->TakeRequests();
  ASSERT_EQ(requests.size(), 5u);
  EXPECT_EQ(requests[0].kind, Kind::kRegister);
  EXPECT_EQ(requests[1].kind, Kind::kInstallHook);
  EXPECT_EQ(requests[2].kind, Kind::kSetPending);
  EXPECT_EQ(requests[3].kind, Kind::kRefreshSkinners);
  EXPECT_EQ(requests[4],
            (SkinManagerRequest{Kind::kAction, &d, nullptr, SkinAction::kSkinChanged, 250}));
}

TEST_F(SkinDataTest, ASkinFileOfAFormScopedSkinIsNotApplied) {
  TSkinData& d = Created();
  d.SkinFormtype = TSkinFormType::sfOnlyThisForm;
  d.SetSkinFile(WriteFile("2.skn", SkinNamed("B").File()));
  EXPECT_FALSE(d.SkinNotReady());
  EXPECT_TRUE(queue_->TakeRequests().empty());
}

TEST_F(SkinDataTest, AMissingSkinFileKeepsTheSkinButBlocksSwitchingOn) {
  TSkinData& d = Created();
  d.SetSkinStreamValue(MakeSkinStreamProperty(SkinNamed("Kept").File()));
  const TDataSkinButton* buttons = &d.Buttons();
  d.SetSkinFile((dir_ / "absent.skn").wstring());
  EXPECT_TRUE(d.SkinNotReady());
  EXPECT_EQ(d.SkinName(), "Kept");
  EXPECT_EQ(&d.Buttons(), buttons);
  d.SetActive(true);
  EXPECT_TRUE(d.Active());
  EXPECT_TRUE(queue_->TakeRequests().empty());
}

TEST_F(SkinDataTest, ADamagedSkinFileRaisesAndKeepsThePreviousSkin) {
  TSkinData& d = Created();
  const Bytes first = SkinNamed("First").File();
  d.SetSkinStreamValue(MakeSkinStreamProperty(first));
  const TDataSkinObject* tabs = d.Slot(SkinSlot::kTabs);
  const int sysbuttons = static_cast<int>(d.SysButtons().size());
  queue_->TakeRequests();

  Bytes overrun = BuildSkinContainer(SkinNamed("x").Entries());
  const std::size_t list_length = overrun[4] | overrun[5] << 8;
  overrun[16 + list_length + 1] = 0x7F;  // the first entry's size runs past the data
  for (const Bytes& bad :
       {Bytes{1, 2}, Bytes{0xFF, 0xFF, 0xFF, 0x7F, 0}, PackSkinContainer(overrun)}) {
    EXPECT_THROW(d.SetSkinFile(WriteFile("bad.skn", bad)), SkinLoadError);
    EXPECT_TRUE(d.SkinNotReady());
    EXPECT_EQ(d.SkinName(), "First");
    EXPECT_EQ(d.Slot(SkinSlot::kTabs), tabs);
    EXPECT_EQ(static_cast<int>(d.SysButtons().size()), sysbuttons);
    EXPECT_EQ(d.StoredSkin(), first);
  }
  EXPECT_TRUE(queue_->TakeRequests().empty());
  EXPECT_TRUE(messages_.empty());
}

TEST_F(SkinDataTest, AnOlderSkinFileShowsItsMessageAndRaises) {
  TSkinData& d = Created();
  d.SetSkinStreamValue(MakeSkinStreamProperty(SkinNamed("First").File()));
  EXPECT_THROW(d.SetSkinFile(WriteFile("old.skn", OlderSkin())), SkinLoadError);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], "This is Older Skin File\rPlease update to new version !");
  EXPECT_EQ(d.SkinName(), "First");
  EXPECT_TRUE(d.SkinNotReady());

  // The same skin as a stored skin: the message, and nothing loaded.
  TSkinData& e = FromDescription();
  e.SetSkinStreamValue(MakeSkinStreamProperty(OlderSkin()));
  EXPECT_EQ(messages_.size(), 2u);
  EXPECT_TRUE(e.SkinNotReady());
  EXPECT_TRUE(e.StoredSkin().empty());
}

TEST_F(SkinDataTest, PermanentRecordsKeepTheirPlaceAcrossSkins) {
  TSkinData& d = Created();
  d.SetSkinStreamValue(MakeSkinStreamProperty(SkinNamed("One", 56).File()));
  const TDataSkinButton* buttons = &d.Buttons();
  const TDataSkinTitle* title = &d.Title();
  const TDataSkinBorder* left = &d.Left();
  EXPECT_EQ(d.Buttons().CheckButtonFrame, 4);
  d.SetSkinFile(WriteFile("two.skn", SkinNamed("Two", 130).File()));
  EXPECT_EQ(d.SkinName(), "Two");
  EXPECT_EQ(&d.Buttons(), buttons);
  EXPECT_EQ(&d.Title(), title);
  EXPECT_EQ(&d.Left(), left);
  EXPECT_EQ(d.Buttons().CheckButtonFrame, 10);  // 130 div 13
}

TEST_F(SkinDataTest, LoadSkinReparsesTheStoredSkin) {
  TSkinData& d = Created();
  EXPECT_THROW(d.LoadSkin(), SkinLoadError);  // nothing stored
  d.SetSkinStreamValue(MakeSkinStreamProperty(SkinNamed("Again").File()));
  EXPECT_TRUE(d.LoadSkin());
  EXPECT_FALSE(d.SkinNotReady());
}

TEST_F(SkinDataTest, LeavingTheManagerOnDestruction) {
  TSkinData& d = FromDescription();
  d.Loaded();
  EXPECT_EQ(queue_->Registered().size(), 1u);
  owner_.reset();
  EXPECT_TRUE(queue_->Registered().empty());
  // The component's own earlier requests are withdrawn.
  EXPECT_EQ(Kinds(), (std::vector<Kind>{Kind::kInstallHook, Kind::kUnregister}));
}

TEST_F(SkinDataTest, TheClassIsRegisteredForDescriptions) {
  RegisterSkinDataClass();
  EXPECT_EQ(ui::FindClass("TSkinData"), &TSkinData::StaticClass());
}

}  // namespace
}  // namespace telvana
