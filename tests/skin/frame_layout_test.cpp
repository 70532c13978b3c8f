// The geometry of skinned frames: frame kinds, border sizes, the caption band's hit test,
// which caption buttons show and where, and where the title goes.
#include "skin/frame_layout.h"

#include <gtest/gtest.h>

namespace telvana {
namespace {

using namespace frame_style;

TEST(FrameLayoutTest, TheStyleDecidesTheFrameKind) {
  EXPECT_EQ(FrameKindOf(kPopup), TFrameKind::None);
  EXPECT_EQ(FrameKindOf(kPopup | 0x00800000), TFrameKind::None);  // a border without a title
  EXPECT_EQ(FrameKindOf(kPopup | kCaption | kThickFrame), TFrameKind::Sizeable);
  EXPECT_EQ(FrameKindOf(kCaption | kModalFrame), TFrameKind::Dialog);
  EXPECT_EQ(FrameKindOf(kCaption | kThickFrame | kModalFrame), TFrameKind::Sizeable);
  EXPECT_EQ(FrameKindOf(kCaption), TFrameKind::Single);
}

TEST(FrameLayoutTest, BordersAreOneFrameOfEachPictureAndNoneForAFramelessWindow) {
  TDataSkinBorder left, top, right, bottom;
  left.Image = PixelImage(8, 52);
  left.FrameCount = 2;
  top.Image = PixelImage(120, 48);
  top.FrameCount = 2;
  right.Image = PixelImage(6, 52);
  right.FrameCount = 0;  // counts as one
  bottom.Image = PixelImage(120, 9);
  bottom.FrameCount = 2;
  EXPECT_EQ(BordersOf(left, top, right, bottom, TFrameKind::Single), (FrameBorders{4, 24, 6, 4}));
  EXPECT_EQ(BordersOf(left, top, right, bottom, TFrameKind::None), FrameBorders{});
  EXPECT_EQ(ClientRectOf({10, 20, 110, 220}, {4, 24, 6, 4}, 19), (RasterRect{14, 63, 104, 216}));
}

TEST(FrameLayoutTest, OnlyNowhereAndCaptionAnswersChangeWithTheHeight) {
  EXPECT_EQ(CaptionHitTest(kHitNowhere, 2, 24), kHitNowhere);
  EXPECT_EQ(CaptionHitTest(kHitNowhere, 4, 24), kHitCaption);
  EXPECT_EQ(CaptionHitTest(kHitCaption, 25, 24), kHitMenu);
  EXPECT_EQ(CaptionHitTest(13 /* top sizing edge */, 10, 24), 13);
}

TDataSkinSysButton Button(int action, int align, int x, int y, int visibility, int visibility1) {
  TDataSkinSysButton b;
  b.Action = action, b.Align = align, b.Xcoord = x, b.Ycoord = y;
  b.Visibility = visibility, b.Visibility1 = visibility1;
  return b;
}

TEST(FrameLayoutTest, VisibilityFollowsBothConditionsAndTheBoxes) {
  CaptionFacts facts;
  facts.system_menu = true;
  facts.maximise_box = true;
  const auto close = Button(0, 1, 20, 7, 0, 0);
  EXPECT_TRUE(CaptionButtonVisible(close, facts));
  facts.system_menu = false;
  EXPECT_FALSE(CaptionButtonVisible(close, facts));
  EXPECT_TRUE(CaptionButtonVisible(Button(5, 1, 0, 0, 0, 0), facts));
  // 6: a maximise box, and for the first condition a system menu too.
  EXPECT_FALSE(CaptionButtonVisible(Button(5, 1, 0, 0, 6, 6), facts));
  facts.system_menu = true;
  EXPECT_TRUE(CaptionButtonVisible(Button(5, 1, 0, 0, 6, 6), facts));
  // Maximised or not, active or not.
  EXPECT_FALSE(CaptionButtonVisible(Button(1, 1, 0, 0, 1, 1), facts));
  facts.maximised = true;
  EXPECT_TRUE(CaptionButtonVisible(Button(1, 1, 0, 0, 1, 1), facts));
  EXPECT_FALSE(CaptionButtonVisible(Button(5, 1, 0, 0, 3, 0), facts));
  EXPECT_TRUE(CaptionButtonVisible(Button(5, 1, 0, 0, 4, 200), facts));
  EXPECT_FALSE(CaptionButtonVisible(Button(5, 1, 0, 0, 5, 0), facts));
  EXPECT_FALSE(CaptionButtonVisible(Button(5, 1, 0, 0, 2001, 0), facts));
  // The maximise and minimise actions need their box.
  EXPECT_FALSE(CaptionButtonVisible(Button(2, 1, 0, 0, 0, 0), facts));
  // The MDI buttons of the menu bar.
  EXPECT_FALSE(CaptionButtonVisible(Button(9, 100, 0, 0, 100, 100), facts));
  facts.mdi_child_maximised = true;
  facts.menu_bar_height = 19;
  EXPECT_TRUE(CaptionButtonVisible(Button(9, 100, 0, 0, 100, 100), facts));
}

TEST(FrameLayoutTest, ButtonsArePlacedByTheirAlignment) {
  CaptionFacts facts;
  facts.window_width = 300;
  facts.borders = {4, 24, 4, 4};
  facts.menu_bar_height = 20;
  facts.mdi_child_maximised = true;
  facts.system_menu = true;
  facts.title_text = {40, 0, 140, 24};
  const TDataSkinSysButton buttons[] = {Button(5, 0, 7, 5, 0, 0),   Button(5, 1, 20, 7, 0, 0),
                                        Button(5, 1, 36, 7, 0, 0),  Button(5, 2, 3, 2, 0, 0),
                                        Button(5, 9, 3, 2, 0, 0),   Button(5, 100, 30, 0, 100, 100),
                                        Button(5, 42, 30, 9, 0, 0), Button(5, 1, 50, 7, 0, 0)};
  std::vector<CaptionButtonInput> inputs;
  for (const auto& b : buttons) inputs.push_back({&b, 16, 14});
  inputs.back().width = 0;  // an empty picture
  int right_edge = -1;
  const auto places = LayoutCaptionButtons(inputs, facts, right_edge);
  ASSERT_EQ(places.size(), inputs.size());
  EXPECT_EQ(places[0].rect, (RasterRect{7, 5, 23, 19}));
  EXPECT_EQ(places[1].rect, (RasterRect{280, 7, 296, 21}));
  EXPECT_EQ(places[2].rect.left, 264);
  EXPECT_EQ(right_edge, 280);
  EXPECT_EQ(places[3].rect.left, 40 - 16 - 3);
  EXPECT_EQ(places[4].rect.left, 143);
  EXPECT_EQ(places[5].rect, (RasterRect{300 - 30 - 4, 27, 300 - 30 - 4 + 16, 41}));
  EXPECT_EQ(places[6].rect, (RasterRect{0, 0, 16, 14}));
  EXPECT_FALSE(places[7].visible);
  facts.right_to_left = true;
  facts.menu_bar_left_width = 5;
  EXPECT_EQ(LayoutCaptionButtons(inputs, facts, right_edge)[5].rect.left, 4 + 30 + 5);
}

TEST(FrameLayoutTest, TheTitleIsShiftedByItsAlignmentAndClipped) {
  TDataSkinTitle title;
  title.LeftWidth = 24;   // TextShift
  title.TopHeight = 3;    // TextShiftVert
  title.RightWidth = 76;  // TextRightClip
  title.TXTBackleft = 8;
  title.TXTBackRight = 8;
  const RasterRect band{4, 0, 396, 24};
  // Left: shifted; its width takes the background's ends.
  EXPECT_EQ(PlaceTitle(band, 100, 13, title, false, false, 0).text, (RasterRect{28, 6, 144, 19}));
  title.TextAlignment = 1;  // centred in the free space, rounded toward zero
  EXPECT_EQ(PlaceTitle(band, 101, 13, title, false, false, 0).text.left, 4 + (392 - 117) / 2);
  title.TextAlignment = 2;  // right, before the clip
  EXPECT_EQ(PlaceTitle(band, 100, 13, title, false, false, 0).text.left, 4 + 392 - 116 - 76);
  title.TextAlignment = 7;
  EXPECT_EQ(PlaceTitle(band, 100, 13, title, false, false, 0).text.left, 4);
  EXPECT_EQ(PlaceTitle(band, 100, 13, title, true, false, 0).text.left, 4 + 392 - 116 - 76);
  // A long title ends at the clip, or 5 pixels before the furthest right-anchored button.
  title.TextAlignment = 0;
  EXPECT_EQ(PlaceTitle(band, 600, 13, title, false, false, 0).text.right, 396 - 76);
  EXPECT_EQ(PlaceTitle(band, 600, 13, title, false, true, 350).text.right, 345);
}

}  // namespace
}  // namespace telvana
