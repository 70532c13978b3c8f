// The skins the program carries, as the build packed them: the main window's stored skin has
// the structure its window relies on, and every skin is complete (each element the skin
// painters use has its picture, keys and colours).
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "skin/quick_ini.h"
#include "skin/skin_data.h"
#include "skin/skin_reader.h"
#include "skin/skin_stream.h"
#include "tests/support/file_bytes.h"

namespace telvana {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes StoredSkinValue() {
  return testsupport::ReadFileBytes(TELVANA_STORED_SKIN);
}

std::filesystem::path SkinFile(int n) {
  return std::filesystem::path(TELVANA_SKIN_FOLDER) / (std::to_string(n) + ".skn");
}

TQuickIni Description(const TSkinReader& reader) {
  Bytes entry;
  std::string name;
  reader.FindEntry(".ini", entry, name);
  TQuickIni ini;
  ini.Load(entry);
  return ini;
}

class ShippedSkinsTest : public ::testing::Test {
 protected:
  void SetUp() override { previous_ = ReplaceSkinManager(std::make_unique<SkinRequestQueue>()); }
  void TearDown() override {
    owner_.reset();
    ReplaceSkinManager(std::move(previous_));
  }
  TSkinData& Data() { return *ui::TComponent::New<TSkinData>(*owner_); }

  std::unique_ptr<ui::TComponent> owner_ = std::make_unique<ui::TComponent>(nullptr);
  std::unique_ptr<SkinManagerLink> previous_;
};

TEST_F(ShippedSkinsTest, TheStoredSkinsCaptionButtons) {
  TSkinData& d = Data();
  d.SetSkinStreamValue(StoredSkinValue());
  ASSERT_FALSE(d.SkinNotReady());
  const auto& b = d.SysButtons();
  ASSERT_EQ(b.size(), 8u);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(b[i]->Name, "BUTTON" + std::to_string(i));
    EXPECT_EQ(b[i]->Image.width, 84);
    EXPECT_EQ(b[i]->Image.height, 12);
    EXPECT_EQ(b[i]->FrameCount, 6);
    EXPECT_EQ(b[i]->Align, 1);
  }
  EXPECT_EQ(b[0]->Action, 0);
  EXPECT_EQ(b[1]->Action, 1);
  EXPECT_EQ(b[1]->Visibility, 2);  // maximise, while not maximised
  EXPECT_EQ(b[2]->Action, 1);
  EXPECT_EQ(b[2]->Visibility, 1);  // restore, while maximised
  EXPECT_EQ(b[3]->Action, 2);
  EXPECT_EQ(b[4]->Name, "BUTTON4");
  EXPECT_EQ(b[4]->Action, 3);
  EXPECT_TRUE(b[4]->Image.empty());
  EXPECT_EQ(b[4]->FrameCount, 6);
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& child = *b[5 + i];
    EXPECT_EQ(child.Action, 7 + i);
    EXPECT_EQ(child.Image.width, 60);
    EXPECT_EQ(child.Image.height, 14);
    EXPECT_EQ(child.Xcoord, 57 - 19 * i);
    EXPECT_EQ(child.FrameCount, 4);
  }
}

TEST_F(ShippedSkinsTest, TheStoredSkinsContainer) {
  const Bytes value = StoredSkinValue();
  TSkinReader reader;
  ASSERT_TRUE(reader.ReadSkin(SkinFileOfStreamProperty(value)));
  EXPECT_EQ(reader.EntryName(reader.EntryCount() - 1), "skin.ini");
  const TQuickIni ini = Description(reader);
  Bytes mdi;
  reader.GetEntry(ini.ReadString("MDICONTROLS", "Image", ""), mdi);
  EXPECT_FALSE(mdi.empty());
  EXPECT_FALSE(ini.HasKey("Buttons", "CheckButtonFrame"));
  EXPECT_FALSE(ini.HasKey("Button4", "frame"));
  EXPECT_EQ(ini.ReadString("Button4", "ButtonImage", "").find(".bmp"), std::string::npos);

  TSkinData& d = Data();
  d.SetSkinStreamValue(value);
  EXPECT_EQ(d.Buttons().CheckButton.width, 56);
  EXPECT_EQ(d.Buttons().CheckButton.height, 14);
  EXPECT_EQ(d.Buttons().CheckButtonFrame, 4);
  EXPECT_EQ(d.Buttons().RadioButtonFrame, 4);
}

struct Shipped {
  std::string label;
  Bytes file;
  std::string name;  // SkinName, GBK
};

std::vector<Shipped> AllSkins() {
  std::vector<Shipped> all;
  const Bytes value = StoredSkinValue();
  const std::span<const std::uint8_t> stored = SkinFileOfStreamProperty(value);
  all.push_back({"stored", Bytes(stored.begin(), stored.end()), "Telvana \xC4\xAC\xC8\xCF"});
  const char* names[] = {"\xBE\xAD\xB5\xE4\xC7\xE9\xB5\xF7", "\xB4\xBA\xD6\xAE\xB3\xAF\xC6\xF8",
                         "\xCF\xC4\xD6\xAE\xD1\xA4\xC0\xC3", "\xC7\xEF\xD6\xAE\xCA\xD5\xBB\xF1",
                         "\xB6\xAC\xD6\xAE\xC6\xDA\xCD\xFB"};
  for (int n = 1; n <= 5; ++n)
    all.push_back(
        {std::to_string(n) + ".skn", testsupport::ReadFileBytes(SkinFile(n)), names[n - 1]});
  return all;
}

TEST_F(ShippedSkinsTest, EverySkinIsComplete) {
  for (const Shipped& s : AllSkins()) {
    SCOPED_TRACE(s.label);
    ASSERT_FALSE(s.file.empty());
    TSkinData& d = Data();
    d.SetSkinStreamValue(MakeSkinStreamProperty(s.file));
    ASSERT_FALSE(d.SkinNotReady());
    EXPECT_EQ(d.SkinName(), s.name);

    for (const TDataSkinBorder* border : {&d.Left(), &d.Right(), &d.Top(), &d.Bottom()}) {
      EXPECT_FALSE(border->Image.empty()) << border->Name;
      EXPECT_EQ(border->FrameCount, 2) << border->Name;
    }
    // The outer corners of the caption are cut by the key colour.
    EXPECT_EQ(d.Left().Image.at(0, 0), 0xFFFF00FFu);
    EXPECT_EQ(d.Right().Image.at(d.Right().Image.width - 1, 0), 0xFFFF00FFu);
    EXPECT_EQ(d.Left().Trans, 1);
    EXPECT_EQ(d.Left().Image.height, d.Right().Image.height);
    EXPECT_GT(d.Left().TopHeight, 0);
    EXPECT_EQ(d.Left().TopHeight, d.Top().Image.height / 2);  // the caption band lines up

    EXPECT_FALSE(d.Title().Image.empty());
    EXPECT_NE(d.Title().ActiveText, kNoTitleTextColour);
    EXPECT_NE(d.Title().InActiveText, kNoTitleTextColour);
    EXPECT_FALSE(d.Buttons().Image.empty());
    EXPECT_EQ(d.Buttons().Image.width % 5, 0);
    EXPECT_FALSE(d.Buttons().CheckButton.empty());
    EXPECT_FALSE(d.Buttons().RadioButton.empty());
    EXPECT_TRUE(d.Buttons().HasNormalColour2);

    // Caption buttons: close, maximise, restore, minimise, the system icon, and the three of
    // a maximised child window, each with its picture.
    ASSERT_EQ(d.SysButtons().size(), 8u);
    std::multiset<int> actions;
    for (const auto& b : d.SysButtons()) {
      actions.insert(b->Action);
      if (b->Action != 3) {
        EXPECT_FALSE(b->Image.empty()) << b->Name;
        EXPECT_EQ(b->Image.width % b->FrameCount, 0) << b->Name;
      }
    }
    EXPECT_EQ(actions, (std::multiset<int>{0, 1, 1, 2, 3, 7, 8, 9}));

    for (const SlotRule& rule : kSlotRules) {
      const TDataSkinObject* o = d.Slot(rule.slot);
      ASSERT_NE(o, nullptr) << rule.slot_name;
      EXPECT_FALSE(o->Image.empty()) << rule.slot_name;
      const bool stacked = rule.slot == SkinSlot::kMenuBar;
      const int along = stacked ? o->Image.height : o->Image.width;
      EXPECT_EQ(along % o->FrameCount, 0) << rule.slot_name << " of " << along << " pixels";
      if (const auto* two = dynamic_cast<const TDataSkinBorder*>(o)) {
        EXPECT_FALSE(two->Image2.empty()) << rule.slot_name;
      }
    }
    EXPECT_EQ(d.Slot(SkinSlot::kHorzScrollThumb)->FrameCount, 3);

    const SkinColours& c = d.Colours();
    for (ColourValue v :
         {c.WindowText, c.TitleTextActive, c.TitleTextNoActive, c.ButtonFace, c.ButtonText,
          c.ButtonHilight, c.Buttonlight, c.ButtonShadow, c.ButtonDkShadow, c.HilightText,
          c.Hilight, c.Menubar, c.MenuBarText, c.MenuText, c.Menu, c.Scrollbar}) {
      EXPECT_LT(v, 0x01000000u) << "a colour left to the system";
    }
    EXPECT_EQ(d.ExtraColours().size(), 3u);
  }
}

TEST_F(ShippedSkinsTest, TheThemesDiffer) {
  std::set<ColourValue> faces, highlights;
  std::set<std::uint32_t> captions;
  for (const Shipped& s : AllSkins()) {
    TSkinData& d = Data();
    d.SetSkinStreamValue(MakeSkinStreamProperty(s.file));
    faces.insert(d.Colours().ButtonFace);
    highlights.insert(d.Colours().Hilight);
    captions.insert(d.Top().Image.at(60, d.Top().Image.height / 4));
  }
  EXPECT_EQ(faces.size(), 6u);
  EXPECT_EQ(highlights.size(), 6u);
  EXPECT_EQ(captions.size(), 6u);
}

}  // namespace
}  // namespace telvana
