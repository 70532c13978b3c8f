#include "player/control_bar_layout.h"

#include <gtest/gtest.h>

namespace telvana::player {
namespace {

bool Inside(const Box& inner, const Box& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}
bool Apart(const Box& a, const Box& b) {
  return a.Empty() || b.Empty() || a.right <= b.left || b.right <= a.left || a.bottom <= b.top ||
         b.bottom <= a.top;
}

TEST(LayoutControl, FullModePutsTheBarUnderTheVideo) {
  const ControlLayout l = LayoutControl(480, 389, UiMode::Full);
  EXPECT_EQ(l.video, (Box{0, 0, 480, 389 - BarHeight(UiMode::Full)}));
  EXPECT_EQ(l.bar, (Box{0, l.video.bottom, 480, 389}));
  EXPECT_FALSE(l.seek.Empty());
  EXPECT_LT(l.seek.bottom, l.playPause.top);
  const Box parts[] = {l.seek, l.playPause, l.stop, l.mute, l.volume, l.status, l.time};
  for (const Box& p : parts) {
    EXPECT_FALSE(p.Empty());
    EXPECT_TRUE(Inside(p, l.bar));
  }
  for (const Box& a : parts) {
    for (const Box& b : parts) {
      if (&a != &b) {
        EXPECT_TRUE(Apart(a, b));
      }
    }
  }
  EXPECT_LT(l.playPause.right, l.stop.left);
  EXPECT_LT(l.stop.right, l.mute.left);
  EXPECT_LT(l.mute.right, l.volume.left);
  EXPECT_LT(l.volume.right, l.status.left);
  EXPECT_LT(l.status.right, l.time.left);
}

TEST(LayoutControl, MiniModeHasNoSliderRowAndNoneModeNoBar) {
  const ControlLayout mini = LayoutControl(480, 300, UiMode::Mini);
  EXPECT_EQ(mini.bar.Height(), BarHeight(UiMode::Mini));
  EXPECT_TRUE(mini.seek.Empty());
  EXPECT_FALSE(mini.playPause.Empty());
  const ControlLayout none = LayoutControl(480, 300, UiMode::None);
  EXPECT_EQ(none.video, (Box{0, 0, 480, 300}));
  EXPECT_TRUE(none.bar.Empty());
}

TEST(LayoutControl, NarrowBarsGiveUpTimeThenVolume) {
  const ControlLayout medium = LayoutControl(300, 200, UiMode::Full);
  EXPECT_TRUE(medium.time.Empty());
  EXPECT_FALSE(medium.volume.Empty());
  const ControlLayout narrow = LayoutControl(200, 200, UiMode::Full);
  EXPECT_TRUE(narrow.volume.Empty());
  EXPECT_GE(narrow.status.Width(), 0);
}

TEST(LayoutControl, TinyAndDegenerateSizesStayWellFormed) {
  for (int w : {0, 1, 10, 50}) {
    for (int h : {0, 1, 20, 60}) {
      const ControlLayout l = LayoutControl(w, h, UiMode::Full);
      EXPECT_GE(l.video.Height(), 0);
      EXPECT_LE(l.bar.Height(), h);
      EXPECT_GE(l.status.Width(), 0);
    }
  }
  const ControlLayout negative = LayoutControl(-5, -5, UiMode::Full);
  EXPECT_TRUE(negative.video.Empty());
}

TEST(HitTest, FindsEachPart) {
  const ControlLayout l = LayoutControl(480, 389, UiMode::Full);
  const auto centre = [](const Box& b) {
    return std::pair{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
  };
  const std::pair<Box, BarPart> cases[] = {
      {l.video, BarPart::Video},   {l.playPause, BarPart::PlayPause},
      {l.stop, BarPart::Stop},     {l.mute, BarPart::Mute},
      {l.volume, BarPart::Volume}, {l.status, BarPart::Status},
      {l.time, BarPart::Time},     {l.seek, BarPart::Seek}};
  for (const auto& [box, part] : cases) {
    const auto [x, y] = centre(box);
    EXPECT_EQ(HitTest(l, x, y, true, true), part);
  }
  const auto [sx, sy] = centre(l.seek);
  EXPECT_NE(HitTest(l, sx, sy, false, true), BarPart::Seek);
  EXPECT_EQ(HitTest(l, 480, 10, true, true), BarPart::None);
}

// Without a time to show, the status text (the longest: a countdown to reconnecting, a
// failure) takes the time's room, and a click there opens the details like one on the text.
TEST(HitTest, TheStatusTextTakesTheTimesRoomWhileNoTimeIsShown) {
  const ControlLayout l = LayoutControl(480, 389, UiMode::Full);
  ASSERT_FALSE(l.time.Empty());
  EXPECT_EQ(StatusTextBox(l, true), l.status);
  const Box wide = StatusTextBox(l, false);
  EXPECT_EQ(wide.left, l.status.left);
  EXPECT_EQ(wide.right, l.time.right);
  const int y = (l.time.top + l.time.bottom) / 2;
  EXPECT_EQ(HitTest(l, l.time.right - 2, y, false, false), BarPart::Status);
  EXPECT_EQ(HitTest(l, l.time.right - 2, y, false, true), BarPart::Time);
  EXPECT_EQ(HitTest(l, l.time.right + 2, y, false, false), BarPart::None);
  const ControlLayout narrow = LayoutControl(200, 100, UiMode::Mini);
  ASSERT_TRUE(narrow.time.Empty());
  EXPECT_EQ(StatusTextBox(narrow, false), narrow.status);
}

TEST(Slider, FractionAndPositionAreInverse) {
  const Box track{10, 0, 111, 4};  // 101 pixels: one per percent
  EXPECT_EQ(SliderFraction(track, 10), 0.0);
  EXPECT_EQ(SliderFraction(track, 110), 1.0);
  EXPECT_DOUBLE_EQ(SliderFraction(track, 60), 0.5);
  EXPECT_EQ(SliderFraction(track, -50), 0.0);
  EXPECT_EQ(SliderFraction(track, 500), 1.0);
  for (int x = 10; x <= 110; ++x) EXPECT_EQ(SliderPosition(track, SliderFraction(track, x)), x);
  EXPECT_EQ(SliderPosition(track, 2.0), 110);
  EXPECT_EQ(SliderFraction(Box{5, 0, 5, 4}, 5), 0.0);
}

TEST(FitPicture, StretchKeepsTheShape) {
  const Box area{0, 0, 400, 400};
  EXPECT_EQ(FitPicture(320, 240, 1, area, true), (Box{0, 50, 400, 350}));
  EXPECT_EQ(FitPicture(240, 320, 1, area, true), (Box{50, 0, 350, 400}));
}

TEST(FitPicture, SampleAspectWidensThePicture) {
  // 352 x 288 with 12:11 samples shows as 384 x 288, i.e. 4:3.
  const Box fit = FitPicture(352, 288, 12.0 / 11.0, Box{0, 0, 400, 300}, true);
  EXPECT_EQ(fit, (Box{0, 0, 400, 300}));
}

TEST(FitPicture, WithoutStretchOwnSizeCentredUnlessTooLarge) {
  EXPECT_EQ(FitPicture(160, 120, 0, Box{0, 0, 400, 300}, false), (Box{120, 90, 280, 210}));
  EXPECT_EQ(FitPicture(800, 600, 1, Box{0, 0, 400, 300}, false), (Box{0, 0, 400, 300}));
}

TEST(FitPicture, DegenerateInputs) {
  EXPECT_TRUE(FitPicture(0, 240, 1, Box{0, 0, 10, 10}, true).Empty());
  EXPECT_TRUE(FitPicture(320, 240, 1, Box{0, 0, 0, 10}, true).Empty());
  const Box huge = FitPicture(10000, 1, 1, Box{0, 0, 100, 100}, true);
  EXPECT_GE(huge.Height(), 1);
  EXPECT_LE(huge.Width(), 100);
}

}  // namespace
}  // namespace telvana::player
