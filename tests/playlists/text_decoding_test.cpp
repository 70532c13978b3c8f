// Telling the encodings of playlist files apart, and binary files from text.
#include "playlists/text_decoding.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/utf.h"

namespace telvana::playlists {
namespace {

using namespace std::string_literals;

TEST(TextDecoding, ByteOrderMarksDecideAndAreDropped) {
  EXPECT_EQ(DecodeText("\xEF\xBB\xBFhttp://a"s, nullptr).text, u"http://a");
  const DecodedText le = DecodeText("\xFF\xFEh\0\x2D\x4E"s, nullptr);
  EXPECT_EQ(le.encoding, TextEncoding::kUtf16Le);
  EXPECT_EQ(le.text, u"h中");
  const DecodedText be = DecodeText("\xFE\xFF\0h\x4E\x2D"s, nullptr);
  EXPECT_EQ(be.encoding, TextEncoding::kUtf16Be);
  EXPECT_EQ(be.text, u"h中");
}

TEST(TextDecoding, Utf16WithoutMarkIsRecognisedByItsZeros) {
  EXPECT_EQ(GuessEncoding("#\0E\0X\0T\0M\0\x33\0U\0"s), TextEncoding::kUtf16Le);
  EXPECT_EQ(GuessEncoding("\0#\0E\0X\0T\0M\0\x33\0U"s), TextEncoding::kUtf16Be);
}

TEST(TextDecoding, WellFormedUtf8IsUtf8AndAnythingElseTheLocalCodePage) {
  EXPECT_EQ(GuessEncoding("#EXTM3U\n中文\n"), TextEncoding::kUtf8);
  // 中文 in GBK is not well-formed UTF-8; neither is a sequence cut short at the end.
  EXPECT_EQ(GuessEncoding("#EXTM3U\n\xD6\xD0\xCE\xC4\n"), TextEncoding::kLegacy);
  EXPECT_EQ(GuessEncoding("abc\xE4\xB8"), TextEncoding::kLegacy);
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // an encoded surrogate
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // an overlong slash

  std::string seen;
  const DecodedText gbk = DecodeText("\xD6\xD0", [&seen](std::string_view bytes) {
    seen = bytes;
    return std::u16string(u"中");
  });
  EXPECT_EQ(gbk.text, u"中");
  EXPECT_EQ(seen, "\xD6\xD0");
}

TEST(TextDecoding, BinaryFilesAreNotText) {
  // A PNG's signature and header: zeros in no text pattern.
  EXPECT_EQ(GuessEncoding("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\x01\0"s), TextEncoding::kBinary);
  std::string controls(1000, 'a');
  for (std::size_t i = 0; i < controls.size(); i += 20) controls[i] = '\x01';
  EXPECT_EQ(GuessEncoding(controls), TextEncoding::kBinary);
  for (std::size_t i = 0; i < controls.size(); i += 20) controls[i] = '\t';
  EXPECT_EQ(GuessEncoding(controls), TextEncoding::kUtf8);
  EXPECT_TRUE(DecodeText("\x01\x02\x03\x04"s, nullptr).text.empty());
}

}  // namespace
}  // namespace telvana::playlists
