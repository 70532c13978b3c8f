// The skin parser: every record, colour and rule of a description, over skins packed here.
#include "skin/skin_parse.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "skin/skin_error.h"
#include "skin/skin_packer.h"
#include "tests/skin/skin_builder.h"

namespace telvana {
namespace {

using testing::SkinBuilder;

SkinRecords Load(const SkinBuilder& skin) {
  std::optional<SkinRecords> records = LoadSkinRecords(skin.File());
  if (!records) throw std::runtime_error("older format");
  return std::move(*records);
}

TEST(SkinParseTest, AnEmptyDescriptionGivesEveryDefault) {
  const SkinRecords r = Load(SkinBuilder(""));
  EXPECT_EQ(r.SkinName, "");
  EXPECT_EQ(r.Colours.WindowText, SystemColour(8));
  EXPECT_EQ(r.Colours.ButtonFace, SystemColour(15));
  EXPECT_EQ(r.Colours.Scrollbar, SystemColour(0));
  EXPECT_EQ(r.Colours.HilightText, SystemColour(14));
  EXPECT_EQ(r.Colours.Hilight, SystemColour(13));
  EXPECT_EQ(r.Colours.Menubar, SystemColour(15));
  EXPECT_EQ(r.Colours.Menu, SystemColour(4));
  EXPECT_EQ(r.Colours.MenuText, SystemColour(7));
  EXPECT_EQ(r.Colours.ButtonText, SystemColour(18));
  EXPECT_EQ(r.Colours.ButtonHilight, SystemColour(20));
  EXPECT_EQ(r.Colours.Buttonlight, SystemColour(20));
  EXPECT_EQ(r.Colours.ButtonShadow, SystemColour(16));
  EXPECT_EQ(r.Colours.ButtonDkShadow, SystemColour(21));
  EXPECT_EQ(r.Colours.MenuBarText, SystemColour(7));
  EXPECT_EQ(r.Colours.TitleTextActive, SystemColour(9));
  EXPECT_EQ(r.Colours.TitleTextNoActive, SystemColour(19));
  EXPECT_TRUE(r.ExtraColours.empty());
  for (const TDataSkinBorder* b : {&r.Left, &r.Right, &r.Top, &r.Bottom}) {
    EXPECT_EQ(b->FrameCount, 1) << b->Name;
    EXPECT_EQ(b->Tile, 1) << b->Name;
    EXPECT_EQ(b->Trans, 1) << b->Name;
    EXPECT_TRUE(b->Image.empty()) << b->Name;
  }
  // Only the three buttons of a maximised child window.
  ASSERT_EQ(r.SysButtons.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = *r.SysButtons[i];
    EXPECT_EQ(b.Action, 7 + static_cast<int>(i));
    EXPECT_EQ(b.Align, 100);
    EXPECT_EQ(b.Visibility, 100);
    EXPECT_EQ(b.Visibility1, 100);
    EXPECT_EQ(b.FrameCount, 4);
    EXPECT_TRUE(b.Image.empty());
  }
  EXPECT_EQ(r.Buttons.FrameCount, 5);
  EXPECT_EQ(r.Buttons.NormalColour, -1);
  EXPECT_EQ(r.Buttons.NormalColour2, SystemColour(18));
  EXPECT_FALSE(r.Buttons.HasNormalColour2);
  EXPECT_EQ(r.Buttons.CheckButtonFrame, 4);  // an empty picture: 0 frames, raised to 4
  EXPECT_EQ(r.Title.FontHeight, 14);
  EXPECT_EQ(r.Title.ActiveText, kNoTitleTextColour);
  EXPECT_EQ(r.Title.InActiveText, kNoTitleTextColour);
  EXPECT_EQ(r.Title.FrameCount, 2);
  for (const SlotRule& rule : kSlotRules) EXPECT_EQ(r.Slot(rule.slot), nullptr) << rule.slot_name;
}

TEST(SkinParseTest, BordersTakeTheirKeysFromPersonality) {
  const SkinRecords r =
      Load(SkinBuilder("[Personality]\r\nLeft=Left.bmp\r\nLeftTopHeight=30\r\n"
                       "LeftBotHeight=5\r\nLeftFrame=2\r\nLeftStretch=0\r\nLeftTrans=0\r\n"
                       "Top=c:\\skins\\my:Top.bmp\r\nTopTopHeight=11\r\nTopBotHeight=12\r\n"
                       "Bottom=Bottom.BMP\r\nRight=Right\r\n")
               .Picture("Left.bmp", 8, 60)
               .Picture("Top.bmp", 100, 52)
               .Picture("Bottom.bmp", 40, 8)
               .Picture("Right", 8, 60));
  EXPECT_EQ(r.Left.TopHeight, 30);
  EXPECT_EQ(r.Left.BottomHeight, 5);
  EXPECT_EQ(r.Left.LeftWidth, 0);
  EXPECT_EQ(r.Left.RightWidth, 0);
  EXPECT_EQ(r.Left.FrameCount, 2);
  EXPECT_EQ(r.Left.Tile, 0);
  EXPECT_EQ(r.Left.Trans, 0);
  EXPECT_EQ(r.Left.Image.width, 8);
  // Top and Bottom hold their two keys as left and right margins.
  EXPECT_EQ(r.Top.LeftWidth, 11);
  EXPECT_EQ(r.Top.RightWidth, 12);
  EXPECT_EQ(r.Top.TopHeight, 0);
  EXPECT_EQ(r.Top.Image.height, 52);  // the path before the name is ignored
  // The extension must be ".bmp" exactly; a name without one names no picture.
  EXPECT_TRUE(r.Bottom.Image.empty());
  EXPECT_TRUE(r.Right.Image.empty());
}

TEST(SkinParseTest, ColoursAndExtraColours) {
  const SkinRecords r =
      Load(SkinBuilder("[colours]\r\nBUTTONFACE = 223 223 219 \r\n"
                       "WindowText=51 51\r\nHilight=\r\nmenu=0x10\r\n"
                       "[Colour2]\r\ncolor=1,2,3\r\n[COLOURS]\r\nMenubar=9 9 9\r\n"
                       "[ColourX]\r\n[Something]\r\n[colour9]\r\ncolor=7 8 9\r\n"));
  EXPECT_EQ(r.Colours.ButtonFace, RgbColour(223, 223, 219));
  EXPECT_EQ(r.Colours.WindowText, RgbColour(51, 0, 0));
  EXPECT_EQ(r.Colours.Hilight, SystemColour(13));  // empty: the default
  // Without "Menubar" (the second "Colours" section is never read) the menu bar takes the
  // button face of the same skin.
  EXPECT_EQ(r.Colours.Menubar, RgbColour(223, 223, 219));
  EXPECT_EQ(r.Colours.Menu, RgbColour(0, 0, 0));  // "0x10": the digits 0 and 10, no third
  ASSERT_EQ(r.ExtraColours.size(), 3u);
  EXPECT_EQ(r.ExtraColours[0], RgbColour(1, 2, 3));
  EXPECT_EQ(r.ExtraColours[1], SystemColour(8));
  EXPECT_EQ(r.ExtraColours[2], RgbColour(7, 8, 9));
}

TEST(SkinParseTest, CaptionButtonSectionsAndTheirRules) {
  const SkinRecords r =
      Load(SkinBuilder("[Buttons]\r\nBitmap=b.bmp\r\n[BUTTON.RADIO]\r\nAction=1\r\n"
                       "[Button.CheckBox]\r\n[button]\r\n"
                       "[ButtonA]\r\nButtonImage=wide.bmp\r\nAction=1\r\nAlign=1\r\nXcoord=40\r\n"
                       "Ycoord=4\r\nCombineOp=2\r\nVisibility=6\r\n"
                       "[ButtonB]\r\nButtonImage=narrow.bmp\r\n"
                       "[ButtonDropped]\r\nAction=-1\r\n"
                       "[ButtonKept]\r\nAction=-1\r\nVisibility=0\r\nButtonImage=narrow.bmp\r\n"
                       "[ButtonIcon]\r\nAction=11\r\nButtonImage=narrow.bmp\r\n"
                       "[ButtonGiven]\r\nAction=3\r\nframe=2\r\nButtonImage=narrow.bmp\r\n"
                       "[buttonLower]\r\nButtonImage=missing.bmp\r\n")
               .Picture("wide.bmp", 120, 18)
               .Picture("narrow.bmp", 54, 18));
  ASSERT_EQ(r.SysButtons.size(), 6u + 3u);
  const auto& b = r.SysButtons;
  EXPECT_EQ(b[0]->Name, "BUTTONA");
  EXPECT_EQ(b[0]->Action, 1);
  EXPECT_EQ(b[0]->Align, 1);
  EXPECT_EQ(b[0]->Xcoord, 40);
  EXPECT_EQ(b[0]->Ycoord, 4);
  EXPECT_EQ(b[0]->CombineOp, 2);
  EXPECT_EQ(b[0]->Visibility, 6);
  EXPECT_EQ(b[0]->Visibility1, 0);
  EXPECT_EQ(b[0]->FrameCount, 6);  // 120 x 18: ratio 6.7
  EXPECT_EQ(b[1]->Name, "BUTTONB");
  EXPECT_EQ(b[1]->FrameCount, 3);  // 54 x 18: ratio 3.0
  EXPECT_EQ(b[1]->CombineOp, -1);
  // Action -1 with Visibility 0 stays; its Visibility1 defaults to -1, its frames to 6.
  EXPECT_EQ(b[2]->Name, "BUTTONKEPT");
  EXPECT_EQ(b[2]->Visibility1, -1);
  EXPECT_EQ(b[2]->FrameCount, 6);
  // The system icon button keeps no picture when its frames are not given...
  EXPECT_EQ(b[3]->Name, "BUTTONICON");
  EXPECT_TRUE(b[3]->Image.empty());
  EXPECT_EQ(b[3]->FrameCount, 3);
  // ... and keeps it when they are.
  EXPECT_EQ(b[4]->Name, "BUTTONGIVEN");
  EXPECT_EQ(b[4]->FrameCount, 2);
  EXPECT_FALSE(b[4]->Image.empty());
  EXPECT_EQ(b[5]->Name, "BUTTONLOWER");
  EXPECT_TRUE(b[5]->Image.empty());
  EXPECT_EQ(b[5]->FrameCount, 6);
  EXPECT_EQ(b[6]->Action, 7);
}

TEST(SkinParseTest, TheChildWindowStripIsSplitIntoThreeButtons) {
  const SkinRecords r =
      Load(SkinBuilder("[MdiControls]\r\nImage=mdi.bmp\r\n").Picture("mdi.bmp", 180, 14, 3));
  ASSERT_EQ(r.SysButtons.size(), 3u);
  const PixelImage whole = testing::SamplePicture(180, 14, 3);
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = *r.SysButtons[static_cast<std::size_t>(i)];
    EXPECT_EQ(b.Image.width, 60);
    EXPECT_EQ(b.Image.height, 14);
    EXPECT_EQ(b.Xcoord, 57 - 19 * i);
    for (int y = 0; y < 14; ++y)
      for (int x = 0; x < 60; ++x) ASSERT_EQ(b.Image.at(x, y), whole.at(60 * i + x, y));
  }
}

TEST(SkinParseTest, ButtonsRecord) {
  const SkinRecords r =
      Load(SkinBuilder("[Colours]\r\nButtonText=1 2 3\r\n"
                       "[Buttons]\r\nBitmap=b.bmp\r\nCheckButton=c.bmp\r\nRadioButton=r.bmp\r\n"
                       "LeftWidth=3\r\nRightWidth=4\r\nTopHeight=5\r\nBottomHeight=6\r\nTrans=1\r\n"
                       "Tile=2\r\nNormalColour=10\r\nPressedColour=0x20\r\nRadioButtonFrame=12\r\n"
                       "NormalColour2=\r\nPressedColour2=200 100 50\r\n")
               .Picture("b.bmp", 100, 20)
               .Picture("c.bmp", 48, 16)
               .Picture("r.bmp", 56, 14));
  const TDataSkinButton& b = r.Buttons;
  EXPECT_EQ(b.LeftWidth, 3);
  EXPECT_EQ(b.RightWidth, 4);
  EXPECT_EQ(b.TopHeight, 5);
  EXPECT_EQ(b.BottomHeight, 6);
  EXPECT_EQ(b.Trans, 1);
  EXPECT_EQ(b.Tile, 2);
  EXPECT_EQ(b.Image.width, 100);
  EXPECT_EQ(b.NormalColour, 10);
  EXPECT_EQ(b.MouseOverColour, -1);
  EXPECT_EQ(b.PressedColour, 32);
  EXPECT_EQ(b.RadioButtonFrame, 12);
  EXPECT_EQ(b.CheckButtonFrame, 4);  // 48 x 16: 48 div 16 = 3, raised to 4
  EXPECT_TRUE(b.HasNormalColour2);   // given, though empty
  EXPECT_FALSE(b.HasMouseOverColour2);
  EXPECT_TRUE(b.HasPressedColour2);
  EXPECT_EQ(b.NormalColour2, RgbColour(1, 2, 3));
  EXPECT_EQ(b.MouseOverColour2, RgbColour(1, 2, 3));
  EXPECT_EQ(b.PressedColour2, RgbColour(200, 100, 50));
  EXPECT_EQ(b.FrameCount, 5);
}

TEST(SkinParseTest, CheckPictureOf56By14Has4Frames) {
  const SkinRecords r = Load(SkinBuilder("[Buttons]\r\nCheckButton=c.bmp\r\nRadioButton=r.bmp\r\n")
                                 .Picture("c.bmp", 56, 14)
                                 .Picture("r.bmp", 208, 16));
  EXPECT_EQ(r.Buttons.CheckButtonFrame, 4);   // 56 div 13
  EXPECT_EQ(r.Buttons.RadioButtonFrame, 13);  // 208 div 16
}

TEST(SkinParseTest, TitleRecord) {
  const SkinRecords r = Load(
      SkinBuilder("[Personality]\r\nTextBack=tb.bmp\r\nTextShift=24\r\nTextShiftVert=3\r\n"
                  "TextRightClip=70\r\nTextAlignment=1\r\nTextbackground=2\r\nTXTBackleft=8\r\n"
                  "TXTBackRight=9\r\nActiveTextR=255\r\nActiveTextG=256\r\nActiveTextB=1\r\n"
                  "InActiveTextR=1\r\nInActiveTextG=2\r\n[Fonts]\r\nFontHeight=12\r\n")
          .Picture("tb.bmp", 40, 44));
  const TDataSkinTitle& t = r.Title;
  EXPECT_EQ(t.Image.width, 40);
  EXPECT_EQ(t.LeftWidth, 24);
  EXPECT_EQ(t.TopHeight, 3);
  EXPECT_EQ(t.RightWidth, 70);
  EXPECT_EQ(t.BottomHeight, 0);
  EXPECT_EQ(t.TextAlignment, 1);
  EXPECT_EQ(t.Textbackground, 2);
  EXPECT_EQ(t.TXTBackleft, 8);
  EXPECT_EQ(t.TXTBackRight, 9);
  EXPECT_EQ(t.FontHeight, 12);
  EXPECT_EQ(t.ActiveText, RgbColour(255, 0, 1));  // each channel modulo 256
  EXPECT_EQ(t.InActiveText, kNoTitleTextColour);  // incomplete triple
}

TEST(SkinParseTest, SlotsOfEveryReader) {
  const SkinRecords r = Load(
      SkinBuilder("[Colours]\r\nButtonText=4 5 6\r\n"
                  "[Tabs]\r\nImage=t.bmp\r\nBorder=tb.bmp\r\nStyle=3\r\nLeftWidth=2\r\nTile=5\r\n"
                  "NormalColour2=9 9 9\r\nTrans=1\r\n"
                  "[Progress]\r\nBitmap=p.bmp\r\nChunk=ch.bmp\r\nStyle=1\r\nTopHeight=2\r\n"
                  "[GroupBox]\r\nImage=g.bmp\r\nBackgroundAlignment=2\r\nBackgroundLeftShift=3\r\n"
                  "BackgroundRightShift=4\r\nStyle=7\r\n"
                  "[Personality]\r\nmenuBar=mb.bmp\r\nTileMenu=1\r\nTileLeftMenu=6\r\n"
                  "[ComboButton]\r\nImage=cb.bmp\r\n"
                  "[UpDown.Vert]\r\nImage=ud.bmp\r\nGlyphImage=gl.bmp\r\n"
                  "[HorzScrollThumb]\r\nImage=ht.bmp\r\nFrameCount=7\r\n"
                  "[VertScrollThumb]\r\nImage=vt.bmp\r\n"
                  "[Trackbar.ThumbDown]\r\nImage=td.bmp\r\n"
                  "[Scrollbar]\r\nImage=missing.bmp\r\n"
                  "[SunkEdge]\r\nImage=\r\n")
          .Picture("t.bmp", 150, 22)
          .Picture("tb.bmp", 40, 40)
          .Picture("p.bmp", 48, 16)
          .Picture("ch.bmp", 8, 12)
          .Picture("g.bmp", 40, 18)
          .Picture("mb.bmp", 40, 40)
          .Picture("cb.bmp", 68, 20, 5)
          .Picture("ud.bmp", 128, 16)
          .Picture("gl.bmp", 64, 8)
          .Picture("ht.bmp", 72, 16)
          .Picture("vt.bmp", 48, 24)
          .Picture("td.bmp", 55, 20));
  const auto* tabs = r.SlotAs<TDataSkinBorder>(SkinSlot::kTabs);
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(tabs->Name, "Tabs");
  EXPECT_EQ(tabs->Style, 0);  // the two-picture reader reads no style
  EXPECT_EQ(tabs->LeftWidth, 2);
  EXPECT_EQ(tabs->Tile, 0);  // above 1: stored as 0
  EXPECT_EQ(tabs->Trans, 1);
  EXPECT_EQ(tabs->Image2.width, 40);
  EXPECT_EQ(tabs->NormalColour2, RgbColour(9, 9, 9));
  EXPECT_EQ(tabs->MouseOverColour2, RgbColour(4, 5, 6));
  EXPECT_EQ(tabs->FrameCount, 5);

  const auto* progress = r.SlotAs<TDataSkinBorder>(SkinSlot::kProgress);
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(progress->Style, 1);
  EXPECT_EQ(progress->TopHeight, 2);
  EXPECT_EQ(progress->Image2.width, 8);
  EXPECT_EQ(progress->NormalColour2, 0u);  // the progress reader reads no colours
  EXPECT_EQ(progress->FrameCount, 2);

  const auto* group = r.SlotAs<TDataSkinBoxLabel>(SkinSlot::kGroupBox);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->Style, 7);
  EXPECT_EQ(group->BackgroundAlignment, 2);
  EXPECT_EQ(group->BackgroundLeftShift, 3);
  EXPECT_EQ(group->BackgroundRightShift, 4);
  EXPECT_EQ(group->FrameCount, 1);

  const TDataSkinObject* bar = r.Slot(SkinSlot::kMenuBar);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Name, "Personality");
  EXPECT_EQ(bar->Tile, 1);
  EXPECT_EQ(bar->LeftWidth, 6);
  EXPECT_EQ(bar->RightWidth, 1);
  EXPECT_EQ(bar->FrameCount, 2);

  // The combo button's second picture is its mirror image, opaque.
  const auto* combo = r.SlotAs<TDataSkinBorder>(SkinSlot::kComboButton);
  ASSERT_NE(combo, nullptr);
  ASSERT_EQ(combo->Image2.width, 68);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 68; ++x)
      ASSERT_EQ(combo->Image2.at(x, y), combo->Image.at(67 - x, y) | 0xFF000000u);
  EXPECT_EQ(combo->FrameCount, 4);

  const auto* updown = r.SlotAs<TDataSkinBorder>(SkinSlot::kUpDownVert);
  ASSERT_NE(updown, nullptr);
  EXPECT_EQ(updown->Image2.width, 64);
  EXPECT_EQ(updown->FrameCount, 8);
  EXPECT_EQ(r.Slot(SkinSlot::kUpDownHorz), nullptr);

  EXPECT_EQ(r.Slot(SkinSlot::kHorzScrollThumb)->FrameCount, 7);
  EXPECT_EQ(r.Slot(SkinSlot::kVertScrollThumb)->FrameCount, 3);
  EXPECT_EQ(r.Slot(SkinSlot::kThumbDown)->FrameCount, 5);
  EXPECT_EQ(r.Slot(SkinSlot::kThumbDown)->Name, "Trackbar.ThumbDown");
  // A picture named but not in the container: the record exists with an empty picture. An
  // empty value leaves the slot empty.
  ASSERT_NE(r.Slot(SkinSlot::kScrollbar), nullptr);
  EXPECT_TRUE(r.Slot(SkinSlot::kScrollbar)->Image.empty());
  EXPECT_EQ(r.Slot(SkinSlot::kScrollbar)->FrameCount, 23);
  EXPECT_EQ(r.Slot(SkinSlot::kSunkEdge), nullptr);
}

TEST(SkinParseTest, FrameCountsAreAtLeastOne) {
  const SkinRecords r = Load(SkinBuilder("[Personality]\r\nLeftFrame=0\r\nTopFrame=-2\r\n"
                                         "[Buttons]\r\nCheckButtonFrame=-1\r\n"
                                         "[ButtonX]\r\nframe=-3\r\n"
                                         "[HorzScrollThumb]\r\nImage=h.bmp\r\nFrameCount=0\r\n")
                                 .Picture("h.bmp", 30, 10));
  EXPECT_EQ(r.Left.FrameCount, 1);
  EXPECT_EQ(r.Top.FrameCount, 1);
  EXPECT_EQ(r.Buttons.CheckButtonFrame, 1);
  EXPECT_EQ(r.SysButtons[0]->FrameCount, 1);
  EXPECT_EQ(r.Slot(SkinSlot::kHorzScrollThumb)->FrameCount, 1);
}

TEST(SkinParseTest, PictureNames) {
  EXPECT_EQ(PictureEntryName("a.bmp"), "a.bmp");
  EXPECT_EQ(PictureEntryName("c:\\dir\\a.bmp"), "a.bmp");
  EXPECT_EQ(PictureEntryName("c:a.bmp"), "a.bmp");
  EXPECT_EQ(PictureEntryName("a.b.bmp"), "a.b.bmp");
  EXPECT_EQ(PictureEntryName("a.BMP"), "");
  EXPECT_EQ(PictureEntryName("a.bmp.jpg"), "");
  EXPECT_EQ(PictureEntryName("a"), "");
  EXPECT_EQ(PictureEntryName("dir\\"), "");
  EXPECT_EQ(PictureEntryName(".bmp"), ".bmp");
}

TEST(SkinParseTest, ADamagedPictureFailsTheWholeLoad) {
  std::vector<std::uint8_t> broken = EncodeBitmap(testing::SamplePicture(10, 10, 1));
  broken.resize(40);
  const SkinBuilder skin = SkinBuilder("[Buttons]\r\nBitmap=b.bmp\r\n").Entry("b.bmp", broken);
  EXPECT_THROW(LoadSkinRecords(skin.File()), SkinLoadError);
}

TEST(SkinParseTest, PicturesTogetherAreBounded) {
  SkinBuilder skin("[Buttons]\r\nBitmap=a.bmp\r\nCheckButton=a.bmp\r\nRadioButton=a.bmp\r\n");
  skin.Picture("a.bmp", 100, 100);
  SkinParseLimits limits;
  limits.max_total_pixels = 25000;
  EXPECT_NO_THROW(LoadSkinRecords(skin.File(), {}, SkinParseLimits{{}, 30000}));
  try {
    LoadSkinRecords(skin.File(), {}, limits);
    FAIL() << "no error";
  } catch (const SkinLoadError& e) {
    EXPECT_EQ(e.fault(), SkinFault::kTooLarge);
  }
}

TEST(SkinParseTest, AnOlderContainerGivesNothing) {
  std::vector<std::uint8_t> container = BuildSkinContainer(SkinBuilder("").Entries());
  container[0] = 0x1F;  // 19999
  EXPECT_FALSE(LoadSkinRecords(PackSkinContainer(container)).has_value());
}

TEST(SkinParseTest, TheSlotTableFollowsTheParsingOrder) {
  const char* order[] = {
      "Progress",   "MenuBar",         "GroupBoxEdge",    "GroupBox",  "Toolbars",
      "Tabs",       "StatusBarEdges",  "ComboButton",     "SunkEdge",  "ExtraImages",
      "Headerbar",  "MenuItem",        "MenuBackground",  "Scrollbar", "HorzScroll",
      "VertScroll", "HorzScrollThumb", "VertScrollThumb", "ThumbHorz", "ThumbVert",
      "ThumbLeft",  "ThumbRight",      "ThumbUp",         "ThumbDown", "UpDownHorz",
      "UpDownVert"};
  ASSERT_EQ(std::size(order), kSkinSlotCount);
  for (std::size_t i = 0; i < kSkinSlotCount; ++i) EXPECT_EQ(kSlotRules[i].slot_name, order[i]);
}

}  // namespace
}  // namespace telvana
