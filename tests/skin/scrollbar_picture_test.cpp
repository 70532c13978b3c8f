// A skinned scroll bar composed as pixels: background, track, arrows and thumb where the
// geometry puts them, the key colour showing what lies under a transparent piece.
#include "skin/scrollbar_picture.h"

#include <gtest/gtest.h>

#include <functional>

#include "skin/skin_raster.h"

namespace telvana {
namespace {

// A strip of `frames` cells of w x h, cell k (1-based) all of colour(k).
PixelImage Strip(int frames, int w, int h, const std::function<std::uint32_t(int)>& colour) {
  PixelImage image{w * frames, h, std::vector<std::uint32_t>(std::size_t(w * frames * h))};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < image.width; ++x) image.at(x, y) = kOpaque | colour(x / w + 1);
  }
  return image;
}

constexpr std::uint32_t kBackground = 0x102030, kTrack = 0x00A000, kThumb = 0x0000C0;

class ScrollBarPictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    arrows = Strip(23, 16, 16, [](int k) { return 0x100000u * static_cast<std::uint32_t>(k); });
    track.Image = Strip(4, 16, 16, [](int) { return kTrack; });
    track.FrameCount = 4;
    // Frame 2 of the thumb is the key colour: a transparent thumb shows the track.
    thumb.Image = Strip(3, 16, 24, [](int k) { return k == 2 ? kKeyColour : kThumb; });
    thumb.FrameCount = 3;
    parts = {true, 60, kBackground, 16, &arrows, 23, 9, 13, &track, 4, &thumb, 20, 10, 1, false};
  }
  std::uint32_t At(const PixelImage& p, int along) const {
    return ColourOf(parts.vertical ? p.at(8, along) : p.at(along, 8));
  }

  PixelImage arrows;
  TDataSkinObject track, thumb;
  ScrollBarParts parts;
};

TEST_F(ScrollBarPictureTest, EachPieceWhereTheGeometryPutsIt) {
  for (bool vertical : {true, false}) {
    parts.vertical = vertical;
    const PixelImage p = BuildScrollBarPicture(parts);
    ASSERT_EQ(vertical ? p.height : p.width, 60);
    ASSERT_EQ(vertical ? p.width : p.height, kScrollPictureThickness);
    EXPECT_EQ(At(p, 0), 0x900000u);
    EXPECT_EQ(At(p, 15), 0x900000u);
    EXPECT_EQ(At(p, 16), kTrack);
    EXPECT_EQ(At(p, 19), kTrack);
    EXPECT_EQ(At(p, 20), kThumb);
    EXPECT_EQ(At(p, 29), kThumb);
    EXPECT_EQ(At(p, 30), kTrack);
    EXPECT_EQ(At(p, 44), 0xD00000u);
    EXPECT_EQ(At(p, 59), 0xD00000u);
  }
}

TEST_F(ScrollBarPictureTest, MissingPiecesLeaveTheBackgroundAndTheKeyShowsThrough) {
  parts.track = nullptr;
  parts.thumb_frame = 2;
  parts.thumb_transparent = true;
  PixelImage p = BuildScrollBarPicture(parts);
  EXPECT_EQ(At(p, 18), kBackground);
  EXPECT_EQ(At(p, 25), kBackground) << "a transparent thumb's key colour";
  parts.thumb_length = 0;
  parts.arrows = nullptr;
  p = BuildScrollBarPicture(parts);
  EXPECT_EQ(At(p, 3), kBackground);
  parts.length = 0;
  EXPECT_TRUE(BuildScrollBarPicture(parts).empty());
}

}  // namespace
}  // namespace telvana
