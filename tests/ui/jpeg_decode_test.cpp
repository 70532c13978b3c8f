#include "ui/jpeg_decode.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <jpeglib.h>

#include "tests/support/file_bytes.h"

#ifndef TELVANA_TEST_DATA_DIR
#error "TELVANA_TEST_DATA_DIR must name the folder of the test pictures (tests/ui/data)"
#endif

namespace telvana {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadData(const std::string& name) {
  return testsupport::ReadFileBytes(std::filesystem::path(TELVANA_TEST_DATA_DIR) / name);
}

std::optional<PixelImage> Decode(const Bytes& bytes) {
  return DecodeJpeg(bytes);
}

// The pictures are lossy: a flat area comes back within a few steps of its colour.
::testing::AssertionResult Near(std::uint32_t actual, std::uint32_t expected, int tolerance) {
  for (int shift : {24, 16, 8, 0}) {
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - e) > tolerance) {
      char text[64];
      std::snprintf(text, sizeof text, "%08X is not within %d of %08X",
                    static_cast<unsigned>(actual), tolerance, static_cast<unsigned>(expected));
      return ::testing::AssertionFailure() << text;
    }
  }
  return ::testing::AssertionSuccess();
}

bool AllOpaque(const PixelImage& image) {
  return std::all_of(image.pixels.begin(), image.pixels.end(),
                     [](std::uint32_t p) { return (p >> 24) == 0xFF; });
}

// The four quadrants of the quadrants*.jpg files (see data/make-test-jpegs.sh), sampled away
// from the edges where the colours bleed into each other.
void ExpectQuadrants(const PixelImage& image, int tolerance) {
  ASSERT_EQ(image.width, 60);
  ASSERT_EQ(image.height, 40);
  ASSERT_EQ(image.pixels.size(), 60u * 40u);
  for (auto [x, y] : {std::pair{8, 6}, {15, 10}, {22, 14}}) {
    EXPECT_TRUE(Near(image.at(x, y), 0xFFFF0000, tolerance)) << "red at " << x << "," << y;
    EXPECT_TRUE(Near(image.at(x + 30, y), 0xFF00A000, tolerance)) << "green at " << x << "," << y;
    EXPECT_TRUE(Near(image.at(x, y + 20), 0xFF0000FF, tolerance)) << "blue at " << x << "," << y;
    EXPECT_TRUE(Near(image.at(x + 30, y + 20), 0xFFFFFFFF, tolerance))
        << "white at " << x << "," << y;
  }
  EXPECT_TRUE(AllOpaque(image));
}

// Encodes a picture with libjpeg itself, for sizes, scan layouts and colour spaces that
// committed files would make large or hard to produce. `colour(x, y)` gives 0xRRGGBB, or for
// the CMYK kinds the four stored bytes 0xCCMMYYKK.
enum class Cmyk { kNone, kPlain, kAdobeYcck };

struct EncodeOptions {
  int width = 16;
  int height = 16;
  bool gray = false;
  Cmyk cmyk = Cmyk::kNone;
  int quality = 90;
  std::vector<jpeg_scan_info> scans;  // empty: one sequential scan
};

[[noreturn]] void EncoderFailed(j_common_ptr info) {
  char text[JMSG_LENGTH_MAX];
  (*info->err->format_message)(info, text);
  std::fprintf(stderr, "test encoder: %s\n", text);
  std::abort();
}

Bytes Encode(const EncodeOptions& options, const std::function<std::uint32_t(int, int)>& colour) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  errors.error_exit = EncoderFailed;
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(options.width);
  info.image_height = static_cast<JDIMENSION>(options.height);
  const bool cmyk = options.cmyk != Cmyk::kNone;
  info.input_components = options.gray ? 1 : cmyk ? 4 : 3;
  info.in_color_space = options.gray ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&info);
  if (options.cmyk == Cmyk::kAdobeYcck) {
    jpeg_set_colorspace(&info, JCS_YCCK);  // writes an Adobe marker too
  } else if (options.cmyk == Cmyk::kPlain) {
    jpeg_set_colorspace(&info, JCS_CMYK);
    info.write_Adobe_marker = FALSE;
  }
  jpeg_set_quality(&info, options.quality, TRUE);
  if (!options.scans.empty()) {
    info.scan_info = options.scans.data();
    info.num_scans = static_cast<int>(options.scans.size());
  }
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(options.width) * info.input_components);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < options.width; ++x) {
      const std::uint32_t c = colour(x, y);
      if (options.gray) {
        row[x] = static_cast<JSAMPLE>(c & 0xFF);
      } else if (cmyk) {
        for (int i = 0; i < 4; ++i) row[4 * x + i] = static_cast<JSAMPLE>(c >> (24 - 8 * i));
      } else {
        row[3 * x] = static_cast<JSAMPLE>(c >> 16);
        row[3 * x + 1] = static_cast<JSAMPLE>(c >> 8);
        row[3 * x + 2] = static_cast<JSAMPLE>(c);
      }
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  Bytes bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

// Offset of the first byte after the header of the first scan (the start of its coded data).
std::size_t ScanDataStart(const Bytes& bytes) {
  for (std::size_t i = 2; i + 3 < bytes.size();) {
    if (bytes[i] != 0xFF) break;
    const std::size_t length = (std::size_t{bytes[i + 2]} << 8) | bytes[i + 3];
    if (bytes[i + 1] == 0xDA) return i + 2 + length;
    i += 2 + length;
  }
  ADD_FAILURE() << "no scan found";
  return bytes.size();
}

// Offset of the first marker of the given kind (the 0xFF byte), or the size when absent.
std::size_t FindMarker(const Bytes& bytes, std::uint8_t marker) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == marker) return i;
  }
  return bytes.size();
}

TEST(JpegDecode, BaselineFourTwoZero) {
  const auto image = Decode(ReadData("quadrants.jpg"));
  ASSERT_TRUE(image);
  ExpectQuadrants(*image, 12);
}

TEST(JpegDecode, Progressive) {
  const auto image = Decode(ReadData("quadrants-progressive.jpg"));
  ASSERT_TRUE(image);
  ExpectQuadrants(*image, 12);
}

TEST(JpegDecode, AdobeCmykComesOutInTheSameColours) {
  const auto image = Decode(ReadData("quadrants-cmyk.jpg"));
  ASSERT_TRUE(image);
  ExpectQuadrants(*image, 24);
}

TEST(JpegDecode, CmykWithoutAdobeMarkerIsReadAsInkAmounts) {
  // Without Adobe's marker the stored bytes are ink amounts: red is no cyan, full magenta and
  // yellow, no black; the right half is a 50% grey made of black ink only.
  EncodeOptions options;
  options.cmyk = Cmyk::kPlain;
  const auto image = Decode(
      Encode(options, [](int x, int) -> std::uint32_t { return x < 8 ? 0x00FFFF00 : 0x00000080; }));
  ASSERT_TRUE(image);
  ASSERT_EQ(image->width, 16);
  EXPECT_TRUE(Near(image->at(3, 8), 0xFFFF0000, 16));
  EXPECT_TRUE(Near(image->at(12, 8), 0xFF7F7F7F, 16));
  EXPECT_TRUE(AllOpaque(*image));
}

TEST(JpegDecode, AdobeYcck) {
  // The same colours in Adobe's convention, where the stored bytes are 255 minus the ink.
  EncodeOptions options;
  options.cmyk = Cmyk::kAdobeYcck;
  const auto image = Decode(
      Encode(options, [](int x, int) -> std::uint32_t { return x < 8 ? 0xFF0000FF : 0xFFFFFF80; }));
  ASSERT_TRUE(image);
  ASSERT_EQ(image->width, 16);
  EXPECT_TRUE(Near(image->at(3, 8), 0xFFFF0000, 16));
  EXPECT_TRUE(Near(image->at(12, 8), 0xFF808080, 16));
  EXPECT_TRUE(AllOpaque(*image));
}

TEST(JpegDecode, GrayscaleOddSize) {
  const auto image = Decode(ReadData("gray.jpg"));
  ASSERT_TRUE(image);
  ASSERT_EQ(image->width, 33);
  ASSERT_EQ(image->height, 17);
  ASSERT_EQ(image->pixels.size(), 33u * 17u);
  for (std::uint32_t p : image->pixels) {
    ASSERT_EQ((p >> 16) & 0xFF, p & 0xFF) << "grey pixels have red = green = blue";
    ASSERT_EQ((p >> 8) & 0xFF, p & 0xFF);
  }
  EXPECT_TRUE(AllOpaque(*image));
  for (int y : {0, 8, 16}) {
    EXPECT_TRUE(Near(image->at(0, y), 0xFF404040, 6)) << y;
    EXPECT_TRUE(Near(image->at(10, y), 0xFF404040, 6)) << y;
    EXPECT_TRUE(Near(image->at(24, y), 0xFFC0C0C0, 6)) << y;
    EXPECT_TRUE(Near(image->at(32, y), 0xFFC0C0C0, 6)) << y;
  }
}

TEST(JpegDecode, RowsAreTopDownAndColumnsLeftToRight) {
  // Four 8 x 8 blocks at the best quality: each pixel comes back almost exactly.
  EncodeOptions options;
  options.quality = 100;
  const auto colour = [](int x, int y) -> std::uint32_t {
    if (y < 8) return x < 8 ? 0x102030 : 0xF0E0D0;
    return x < 8 ? 0x80FF00 : 0x0080FF;
  };
  const auto image = Decode(Encode(options, colour));
  ASSERT_TRUE(image);
  ASSERT_EQ(image->width, 16);
  ASSERT_EQ(image->height, 16);
  for (int y : {2, 5}) {
    for (int x : {2, 5}) {
      EXPECT_TRUE(Near(image->at(x, y), 0xFF102030, 6));
      EXPECT_TRUE(Near(image->at(x + 8, y), 0xFFF0E0D0, 6));
      EXPECT_TRUE(Near(image->at(x, y + 8), 0xFF80FF00, 6));
      EXPECT_TRUE(Near(image->at(x + 8, y + 8), 0xFF0080FF, 6));
    }
  }
}

TEST(JpegDecode, EmptyInput) {
  EXPECT_FALSE(DecodeJpeg({}));
  const std::uint8_t one = 0xFF;
  EXPECT_FALSE(DecodeJpeg(std::span(&one, 0)));
  EXPECT_FALSE(DecodeJpeg(std::span(&one, 1)));
}

TEST(JpegDecode, Garbage) {
  std::mt19937 random(20060115);
  Bytes garbage(4096);
  for (auto& b : garbage) b = static_cast<std::uint8_t>(random());
  EXPECT_FALSE(Decode(garbage));
  // The same behind a start-of-image marker, so that libjpeg reads on into it.
  garbage[0] = 0xFF;
  garbage[1] = 0xD8;
  EXPECT_FALSE(Decode(garbage));
  // Not a JPEG at all.
  const std::string text = "GIF89a this is not a JPEG file";
  EXPECT_FALSE(Decode(Bytes(text.begin(), text.end())));
}

TEST(JpegDecode, EveryTruncationFails) {
  for (const char* name : {"quadrants.jpg", "quadrants-progressive.jpg", "gray.jpg"}) {
    const Bytes whole = ReadData(name);
    ASSERT_TRUE(Decode(whole)) << name;
    for (std::size_t length = 0; length < whole.size(); ++length) {
      const Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
      ASSERT_FALSE(Decode(part)) << name << " cut to " << length << " bytes";
    }
  }
}

TEST(JpegDecode, ScanCutShortButProperlyEnded) {
  // A valid header and the first part of the coded data, then an end-of-image marker.
  const Bytes whole = ReadData("quadrants.jpg");
  const std::size_t data = ScanDataStart(whole);
  Bytes damaged(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(data + 40));
  damaged.push_back(0xFF);
  damaged.push_back(0xD9);
  EXPECT_FALSE(Decode(damaged));
}

TEST(JpegDecode, StrayMarkerInsideScanData) {
  const Bytes whole = ReadData("quadrants.jpg");
  const std::size_t data = ScanDataStart(whole);
  const std::size_t end = FindMarker(whole, 0xD9);
  ASSERT_LT(data + 60, end);
  for (std::uint8_t marker : {0xD9, 0xD0, 0xC4, 0xDA}) {
    Bytes damaged = whole;
    damaged[data + 50] = 0xFF;
    damaged[data + 51] = marker;
    EXPECT_FALSE(Decode(damaged)) << std::hex << int{marker};
  }
}

TEST(JpegDecode, ScanDataOverwrittenWithNoise) {
  // Thirty different noises over the middle of the coded data: not one may pass as a picture.
  const Bytes whole = ReadData("quadrants.jpg");
  const std::size_t data = ScanDataStart(whole);
  const std::size_t end = FindMarker(whole, 0xD9);
  std::mt19937 random(7);
  for (int round = 0; round < 30; ++round) {
    Bytes damaged = whole;
    for (std::size_t i = data + 20; i < end - 20; ++i) {
      damaged[i] = static_cast<std::uint8_t>(random());
    }
    EXPECT_FALSE(Decode(damaged)) << "round " << round;
  }
}

TEST(JpegDecode, DamagedHeaders) {
  const Bytes whole = ReadData("quadrants.jpg");
  const std::size_t sof = FindMarker(whole, 0xC0);
  ASSERT_LT(sof + 10, whole.size());
  {
    Bytes damaged = whole;  // height 0
    damaged[sof + 5] = 0;
    damaged[sof + 6] = 0;
    EXPECT_FALSE(Decode(damaged));
  }
  {
    Bytes damaged = whole;  // sample precision 12 in a file coded for 8
    damaged[sof + 4] = 12;
    EXPECT_FALSE(Decode(damaged));
  }
  {
    Bytes damaged = whole;  // a Huffman table whose code counts add up to more than 256
    const std::size_t dht = FindMarker(whole, 0xC4);
    ASSERT_LT(dht + 21, whole.size());
    for (std::size_t i = dht + 5; i < dht + 21; ++i) damaged[i] = 0xFF;
    EXPECT_FALSE(Decode(damaged));
  }
  {
    Bytes damaged = whole;  // the scan asks for Huffman tables that were never defined
    const std::size_t sos = FindMarker(whole, 0xDA);
    damaged[sos + 6] = 0x33;
    EXPECT_FALSE(Decode(damaged));
  }
  {
    // Tables only, no frame and no scan.
    Bytes tables(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(sof));
    tables.push_back(0xFF);
    tables.push_back(0xD9);
    EXPECT_FALSE(Decode(tables));
  }
}

TEST(JpegDecode, SizeLimits) {
  EXPECT_TRUE(JpegSizeAllowed(1, 1));
  EXPECT_TRUE(JpegSizeAllowed(kMaxJpegSide, 4096));
  EXPECT_TRUE(JpegSizeAllowed(8192, 8192));
  EXPECT_FALSE(JpegSizeAllowed(8192, 8193));
  EXPECT_FALSE(JpegSizeAllowed(kMaxJpegSide, 4097));
  EXPECT_FALSE(JpegSizeAllowed(kMaxJpegSide + 1, 1));
  EXPECT_FALSE(JpegSizeAllowed(1, kMaxJpegSide + 1));
  EXPECT_FALSE(JpegSizeAllowed(0, 10));
  EXPECT_FALSE(JpegSizeAllowed(10, 0));
  EXPECT_FALSE(JpegSizeAllowed(65500, 65500));
}

TEST(JpegDecode, WidestPictureDecodesAndOneColumnMoreIsRefused) {
  EncodeOptions options;
  options.height = 8;
  options.quality = 50;
  const auto colour = [](int x, int) -> std::uint32_t { return x < 8192 ? 0x0000FF : 0xFFFF00; };
  options.width = static_cast<int>(kMaxJpegSide);
  const auto widest = Decode(Encode(options, colour));
  ASSERT_TRUE(widest);
  EXPECT_EQ(widest->width, static_cast<int>(kMaxJpegSide));
  EXPECT_EQ(widest->height, 8);
  EXPECT_TRUE(Near(widest->at(100, 4), 0xFF0000FF, 12));
  EXPECT_TRUE(Near(widest->at(16000, 4), 0xFFFFFF00, 12));
  // libjpeg itself would decode this one; only our limit refuses it.
  options.width = static_cast<int>(kMaxJpegSide) + 1;
  EXPECT_FALSE(Decode(Encode(options, colour)));
}

// A caller's smaller limits refuse a picture the program's would take: quadrants.jpg is
// 60 x 40.
TEST(JpegDecode, CallersLimitsApply) {
  const Bytes bytes = ReadData("quadrants.jpg");
  EXPECT_TRUE(DecodeJpeg(bytes, {60, 2400}));
  EXPECT_FALSE(DecodeJpeg(bytes, {59, 2400}));
  EXPECT_FALSE(DecodeJpeg(bytes, {60, 2399}));
}

TEST(JpegDecode, HugeSizeInHeaderIsRefused) {
  // A small file whose frame header claims 8192 x 8193 pixels.
  Bytes bytes = ReadData("quadrants.jpg");
  const std::size_t sof = FindMarker(bytes, 0xC0);
  bytes[sof + 5] = 0x20;  // height 8193
  bytes[sof + 6] = 0x01;
  bytes[sof + 7] = 0x20;  // width 8192
  bytes[sof + 8] = 0x00;
  EXPECT_FALSE(Decode(bytes));
}

// A valid progressive layout with one scan for the DC coefficients and then, for each of the
// three components and each AC coefficient, one scan or (with refinement) two.
std::vector<jpeg_scan_info> ManyScans(bool refine) {
  std::vector<jpeg_scan_info> scans;
  scans.push_back({3, {0, 1, 2, 0}, 0, 0, 0, 0});
  for (int pass = 0; pass < (refine ? 2 : 1); ++pass) {
    for (int k = 1; k < 64; ++k) {
      for (int c = 0; c < 3; ++c) {
        if (!refine) {
          scans.push_back({1, {c, 0, 0, 0}, k, k, 0, 0});
        } else if (pass == 0) {
          scans.push_back({1, {c, 0, 0, 0}, k, k, 0, 1});
        } else {
          scans.push_back({1, {c, 0, 0, 0}, k, k, 1, 0});
        }
      }
    }
  }
  return scans;
}

TEST(JpegDecode, ProgressiveFilesWithTooManyScansAreRefused) {
  const auto colour = [](int x, int y) -> std::uint32_t {
    return static_cast<std::uint32_t>((x * 16) << 16 | (y * 16) << 8 | 0x80);
  };
  EncodeOptions options;
  options.scans = ManyScans(false);
  ASSERT_EQ(options.scans.size(), 190u);
  const auto fine = Decode(Encode(options, colour));
  ASSERT_TRUE(fine);
  EXPECT_TRUE(Near(fine->at(3, 12), 0xFF30C080, 16));

  options.scans = ManyScans(true);
  ASSERT_EQ(options.scans.size(), 379u);
  EXPECT_FALSE(Decode(Encode(options, colour)));
}

TEST(JpegDecode, DataAfterTheEndIsIgnored) {
  Bytes bytes = ReadData("quadrants.jpg");
  const std::string tail = "trailing bytes that some tools append";
  bytes.insert(bytes.end(), tail.begin(), tail.end());
  const auto image = Decode(bytes);
  ASSERT_TRUE(image);
  ExpectQuadrants(*image, 12);
}

}  // namespace
}  // namespace telvana
