#include "skin/bmp_decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skin/bmp_writer.h"
#include "skin/skin_error.h"
#include "tests/skin/bmp_builder.h"

namespace telvana {
namespace {

using testing::BmpParams;
using testing::BuildBmp;
using testing::PackRows;

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kMagenta = 0xFFFF00FF;

SkinFault FaultOf(const std::vector<std::uint8_t>& file, const BitmapLimits& limits = {}) {
  try {
    DecodeBitmap(file, limits);
  } catch (const SkinLoadError& e) {
    EXPECT_FALSE(TryDecodeBitmap(file, limits).has_value());
    return e.fault();
  }
  ADD_FAILURE() << "bitmap was accepted";
  return SkinFault::kTruncated;
}

// A 3 x 2 picture, distinct in every pixel, as rows top to bottom.
const std::uint32_t kPicture[2][3] = {{0xFF102030, 0xFF405060, 0xFF708090},
                                      {0xFFA0B0C0, 0xFFD0E0F0, 0xFF010203}};

void ExpectPicture(const PixelImage& image) {
  ASSERT_EQ(image.width, 3);
  ASSERT_EQ(image.height, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(image.at(x, y), kPicture[y][x]) << x << "," << y;
  }
}

BmpParams Picture(int bits, bool top_down) {
  BmpParams s;
  s.width = 3;
  s.height = top_down ? -2 : 2;
  s.bits = bits;
  s.pixels = PackRows(3, 2, bits, [&](int x, int n) {
    const std::uint32_t p = kPicture[top_down ? n : 1 - n][x];
    return bits == 32 ? (p & 0x00FFFFFF) | 0x5A000000 : p & 0x00FFFFFF;  // a stray fourth byte
  });
  return s;
}

TEST(BmpDecoderTest, TrueColourInBothRowOrdersWithRowPadding) {
  for (int bits : {24, 32}) {
    for (bool top_down : {false, true}) {
      SCOPED_TRACE(::testing::Message() << bits << " bits, top-down " << top_down);
      ExpectPicture(DecodeBitmap(BuildBmp(Picture(bits, top_down))));
    }
  }
}

TEST(BmpDecoderTest, InfoHeaderVariantsAndTheCoreHeaderReadAlike) {
  for (int header : {12, 40, 52, 56, 108, 124}) {
    SCOPED_TRACE(header);
    BmpParams s = Picture(24, false);
    s.header_size = header;
    ExpectPicture(DecodeBitmap(BuildBmp(s)));
  }
}

TEST(BmpDecoderTest, PaletteDepthsReadTheirBitsMostSignificantFirst) {
  const std::vector<std::uint32_t> palette = {0x000000, 0xFFFFFF, 0xFF00FF, 0x123456};
  // 1 bit, 10 pixels: the row crosses a byte; pattern of stored row n is x % 2 ^ n.
  BmpParams one;
  one.width = 10;
  one.height = 2;
  one.bits = 1;
  one.palette = {palette[0], palette[1]};
  one.pixels =
      PackRows(10, 2, 1, [](int x, int n) { return static_cast<std::uint32_t>((x + n) % 2); });
  const PixelImage a = DecodeBitmap(BuildBmp(one));
  EXPECT_EQ(a.at(0, 1), kBlack);  // bottom row stored first
  EXPECT_EQ(a.at(1, 1), kWhite);
  EXPECT_EQ(a.at(9, 1), kWhite);
  EXPECT_EQ(a.at(0, 0), kWhite);
  EXPECT_EQ(a.at(8, 0), kWhite);

  // 4 bits, odd width: the high nibble is the left pixel.
  BmpParams four;
  four.width = 3;
  four.height = 1;
  four.bits = 4;
  four.palette = palette;
  four.pixels = {0x21, 0x30, 0, 0};
  const PixelImage b = DecodeBitmap(BuildBmp(four));
  EXPECT_EQ(b.at(0, 0), kMagenta);
  EXPECT_EQ(b.at(1, 0), kWhite);
  EXPECT_EQ(b.at(2, 0), 0xFF123456u);

  // 8 bits with a short table (colours used 3): indexes past it are black.
  BmpParams eight;
  eight.width = 4;
  eight.height = 1;
  eight.bits = 8;
  eight.palette = {palette[1], palette[2], palette[3]};
  eight.colours_used = 3;
  eight.pixels = {2, 1, 0, 200};
  const PixelImage c = DecodeBitmap(BuildBmp(eight));
  EXPECT_EQ(c.at(0, 0), 0xFF123456u);
  EXPECT_EQ(c.at(1, 0), kMagenta);
  EXPECT_EQ(c.at(2, 0), kWhite);
  EXPECT_EQ(c.at(3, 0), kBlack);
}

TEST(BmpDecoderTest, CoreHeaderPaletteHasThreeByteEntries) {
  BmpParams s;
  s.header_size = 12;
  s.width = 2;
  s.height = 1;
  s.bits = 8;
  s.palette.assign(256, 0);
  s.palette[7] = 0xFF00FF;
  s.palette[255] = 0x00FF00;
  s.pixels = {7, 255, 0, 0};
  const PixelImage image = DecodeBitmap(BuildBmp(s));
  EXPECT_EQ(image.at(0, 0), kMagenta);
  EXPECT_EQ(image.at(1, 0), 0xFF00FF00u);
}

TEST(BmpDecoderTest, SixteenBitsDefaultToFiveFiveFive) {
  BmpParams s;
  s.width = 4;
  s.height = 1;
  s.bits = 16;
  const std::uint32_t values[] = {0x7FFF, 0x7C00, 0x0001, 0x8000};
  s.pixels = PackRows(4, 1, 16, [&](int x, int) { return values[x]; });
  const PixelImage image = DecodeBitmap(BuildBmp(s));
  EXPECT_EQ(image.at(0, 0), kWhite);
  EXPECT_EQ(image.at(1, 0), 0xFFFF0000u);
  EXPECT_EQ(image.at(2, 0), 0xFF000008u);  // 1 of 31 scaled to 0..255
  EXPECT_EQ(image.at(3, 0), kBlack);       // the unused top bit
}

TEST(BmpDecoderTest, BitFieldMasksAfterAnInfoHeaderOrInsideLargerOnes) {
  // 5-6-5 after a plain info header (masks take the place of a colour table).
  BmpParams rgb565;
  rgb565.width = 3;
  rgb565.height = 1;
  rgb565.bits = 16;
  rgb565.compression = 3;
  rgb565.masks = {0xF800, 0x07E0, 0x001F};
  const std::uint32_t v565[] = {0xF800, 0x07E0, 0x0400};
  rgb565.pixels = PackRows(3, 1, 16, [&](int x, int) { return v565[x]; });
  const PixelImage a = DecodeBitmap(BuildBmp(rgb565));
  EXPECT_EQ(a.at(0, 0), 0xFFFF0000u);
  EXPECT_EQ(a.at(1, 0), 0xFF00FF00u);
  EXPECT_EQ(a.at(2, 0), 0xFF008200u);  // 32 of 63 scaled

  // 32 bits, V5 header, blue in the high byte and an alpha mask: the alpha is taken.
  BmpParams v5;
  v5.header_size = 124;
  v5.width = 1;
  v5.height = -1;
  v5.bits = 32;
  v5.compression = 3;
  v5.masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};
  v5.pixels = {0x11, 0x22, 0x33, 0x80};
  EXPECT_EQ(DecodeBitmap(BuildBmp(v5)).at(0, 0), 0x80112233u);

  // The same masks in a V4 header, and as the four masks of alpha bit fields.
  v5.header_size = 108;
  EXPECT_EQ(DecodeBitmap(BuildBmp(v5)).at(0, 0), 0x80112233u);
  v5.header_size = 40;
  v5.compression = 6;
  EXPECT_EQ(DecodeBitmap(BuildBmp(v5)).at(0, 0), 0x80112233u);

  // Plain bit fields in a 40-byte header have no alpha: opaque.
  v5.compression = 3;
  v5.masks.pop_back();
  EXPECT_EQ(DecodeBitmap(BuildBmp(v5)).at(0, 0), 0xFF112233u);
}

TEST(BmpDecoderTest, PixelOffsetIsHonouredAndZeroMeansRightAfterTheTable) {
  BmpParams s = Picture(24, false);
  std::vector<std::uint8_t> gap = BuildBmp(s);
  // Move the pixels 6 bytes on and say so in the file header.
  gap.insert(gap.begin() + 54, 6, 0xEE);
  gap[10] = 54 + 6;
  ExpectPicture(DecodeBitmap(gap));

  s.pixel_offset = 0;
  ExpectPicture(DecodeBitmap(BuildBmp(s)));
}

TEST(BmpDecoderTest, RunLengthEncodingEightAndFourBits) {
  BmpParams s;
  s.width = 5;
  s.height = 3;
  s.bits = 8;
  s.compression = 1;
  s.palette = {0x000000, 0xFFFFFF, 0xFF00FF};
  s.pixels = {3, 1, 0, 0,        // bottom row: three white, two never written
              0, 3, 2, 1, 2, 0,  // literal run of three (padded), then
              0, 2, 1, 1,  // a jump of one right and one up, leaving row 1 and landing on row 2
              9, 2,        // a run that leaves the picture: clipped
              0, 1};       // end of bitmap
  const PixelImage a = DecodeBitmap(BuildBmp(s));
  EXPECT_EQ(a.at(0, 2), kWhite);
  EXPECT_EQ(a.at(2, 2), kWhite);
  EXPECT_EQ(a.at(3, 2), kBlack);
  EXPECT_EQ(a.at(0, 1), kMagenta);
  EXPECT_EQ(a.at(1, 1), kWhite);
  EXPECT_EQ(a.at(2, 1), kMagenta);
  EXPECT_EQ(a.at(3, 1), kBlack);
  EXPECT_EQ(a.at(3, 0), kBlack);  // skipped by the jump
  EXPECT_EQ(a.at(4, 0), kMagenta);

  s.bits = 4;
  s.compression = 2;
  s.width = 4;
  s.height = 1;
  s.pixels = {3, 0x12, 0, 1};  // alternating nibbles: 1 2 1
  const PixelImage b = DecodeBitmap(BuildBmp(s));
  EXPECT_EQ(b.at(0, 0), kWhite);
  EXPECT_EQ(b.at(1, 0), kMagenta);
  EXPECT_EQ(b.at(2, 0), kWhite);
  EXPECT_EQ(b.at(3, 0), kBlack);

  s.pixels = {0, 3, 0x21, 0x20, 0, 1};  // literal nibbles 2 1 2, padded to a word
  const PixelImage c = DecodeBitmap(BuildBmp(s));
  EXPECT_EQ(c.at(0, 0), kMagenta);
  EXPECT_EQ(c.at(1, 0), kWhite);
  EXPECT_EQ(c.at(2, 0), kMagenta);
}

TEST(BmpDecoderTest, RunLengthDataThatEndsEarlyKeepsWhatItDecoded) {
  BmpParams s;
  s.width = 4;
  s.height = 2;
  s.bits = 8;
  s.compression = 1;
  s.palette = {0x000000, 0xFFFFFF};
  s.pixels = {4, 1, 0, 5, 1};  // a literal of five that the data does not hold
  const PixelImage image = DecodeBitmap(BuildBmp(s));
  EXPECT_EQ(image.at(3, 1), kWhite);
  EXPECT_EQ(image.at(0, 0), kBlack);
}

TEST(BmpDecoderTest, OurWriterRoundTrips) {
  PixelImage image;
  image.width = 5;
  image.height = 3;
  for (int i = 0; i < 15; ++i)
    image.pixels.push_back(0xFF000000u | (0x10203u * static_cast<std::uint32_t>(i)));
  EXPECT_EQ(DecodeBitmap(EncodeBitmap(image, 24)).pixels, image.pixels);
  EXPECT_EQ(DecodeBitmap(EncodeBitmap(image, 32)).pixels, image.pixels);
}

TEST(BmpDecoderTest, RefusesWhatIsNotAWellFormedBitmap) {
  const std::vector<std::uint8_t> good = BuildBmp(Picture(24, false));
  EXPECT_EQ(FaultOf({}), SkinFault::kBadBitmap);
  std::vector<std::uint8_t> no_mark = good;
  no_mark[0] = 'X';
  EXPECT_EQ(FaultOf(no_mark), SkinFault::kBadBitmap);
  EXPECT_EQ(FaultOf(std::vector<std::uint8_t>(good.begin(), good.begin() + 30)),
            SkinFault::kBadBitmap);
  EXPECT_EQ(FaultOf(std::vector<std::uint8_t>(good.begin(), good.end() - 4)),
            SkinFault::kBadBitmap);

  auto with = [](auto change) {
    BmpParams s = Picture(24, false);
    change(s);
    return BuildBmp(s);
  };
  EXPECT_EQ(FaultOf(with([](BmpParams& s) { s.width = 0; })), SkinFault::kBadBitmap);
  EXPECT_EQ(FaultOf(with([](BmpParams& s) { s.width = -3; })), SkinFault::kBadBitmap);
  EXPECT_EQ(FaultOf(with([](BmpParams& s) { s.height = 0; })), SkinFault::kBadBitmap);
  EXPECT_EQ(FaultOf(with([](BmpParams& s) { s.height = INT32_MIN; })), SkinFault::kBadBitmap);
  EXPECT_EQ(FaultOf(with([](BmpParams& s) { s.pixel_offset = 5000; })), SkinFault::kBadBitmap);
  EXPECT_EQ(FaultOf(with([](BmpParams& s) {
              s.bits = 32, s.compression = 3, s.masks = {0xF0F0, 0xF00, 0xF};
            })),
            SkinFault::kUnsupportedBitmap);  // a mask with gaps
  EXPECT_EQ(FaultOf(with([](BmpParams& s) {
              s.compression = 3, s.masks = {0xFF0000, 0xFF00, 0xFF};
            })),
            SkinFault::kBadBitmap);  // bit fields need 16 or 32 bits
  EXPECT_EQ(FaultOf(with([](BmpParams& s) { s.bits = 8, s.compression = 1, s.height = -2; })),
            SkinFault::kBadBitmap);  // RLE cannot be top-down
  EXPECT_EQ(FaultOf(with([](BmpParams& s) { s.compression = 4; })),
            SkinFault::kUnsupportedBitmap);  // JPEG
  EXPECT_EQ(FaultOf(with([](BmpParams& s) { s.compression = 5; })),
            SkinFault::kUnsupportedBitmap);  // PNG
  EXPECT_EQ(FaultOf(with([](BmpParams& s) { s.bits = 2; })), SkinFault::kUnsupportedBitmap);
  EXPECT_EQ(FaultOf(with([](BmpParams& s) { s.header_size = 64; })), SkinFault::kUnsupportedBitmap);
}

TEST(BmpDecoderTest, RefusesAbsurdSizesBeforeAllocating) {
  // Headers only: the sizes are refused before any pixel is looked for.
  auto sized = [](int w, int h, int bits) {
    BmpParams s;
    s.width = w;
    s.height = h;
    s.bits = bits;
    s.palette.assign(bits <= 8 ? 2 : 0, 0);
    return BuildBmp(s);
  };
  EXPECT_EQ(FaultOf(sized(100000, 1, 24)), SkinFault::kBitmapTooLarge);
  EXPECT_EQ(FaultOf(sized(1, -100000, 24)), SkinFault::kBitmapTooLarge);
  EXPECT_EQ(FaultOf(sized(20000, 20000, 1)), SkinFault::kBitmapTooLarge);  // 400 Mi pixels
  EXPECT_EQ(FaultOf(sized(16384, 257, 1)), SkinFault::kBitmapTooLarge);    // just over 4 Mi
  EXPECT_EQ(FaultOf(sized(INT32_MAX, INT32_MAX, 32)), SkinFault::kBitmapTooLarge);
  // Within the limits but without the data for them.
  EXPECT_EQ(FaultOf(sized(2048, 2048, 24)), SkinFault::kBadBitmap);
  // A caller's tighter limits.
  EXPECT_EQ(FaultOf(BuildBmp(Picture(24, false)), BitmapLimits{2, 100}),
            SkinFault::kBitmapTooLarge);
  EXPECT_EQ(FaultOf(BuildBmp(Picture(24, false)), BitmapLimits{100, 5}),
            SkinFault::kBitmapTooLarge);
}

}  // namespace
}  // namespace telvana
