// Every catalogue text is a GBK (code page 936) text held as UTF-16: matching by code units
// is then the same as matching the GBK bytes, and the texts show correctly whatever the
// system code page. The conversion is the system's own: code page 936 on Windows, glibc's
// GBK elsewhere.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include "catalogue/category_table.h"
#include "catalogue/playback_start.h"
#include "catalogue/stream_table.h"
#include "tests/support/recording_player.h"

namespace telvana {
namespace {

#ifdef _WIN32

std::optional<std::string> ToGbk(std::u16string_view text) {
  if (text.empty()) return std::string();
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  BOOL usedDefault = FALSE;
  const int size = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr,
                                       &usedDefault);
  if (size <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide, length, out.data(), size, nullptr,
                      &usedDefault);
  if (usedDefault) return std::nullopt;
  return out;
}

std::optional<std::u16string> FromGbk(const std::string& bytes) {
  if (bytes.empty()) return std::u16string();
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (size <= 0) return std::nullopt;
  std::u16string out(static_cast<size_t>(size), u'\0');
  MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), length,
                      reinterpret_cast<wchar_t*>(out.data()), size);
  return out;
}

#else

// One iconv conversion of a whole buffer; nothing when any byte does not convert.
std::optional<std::string> Convert(const char* to, const char* from, const std::string& in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    ADD_FAILURE() << "iconv cannot convert " << from << " to " << to;
    return std::nullopt;
  }
  std::string out(in.size() * 2 + 8, '\0');
  char* source = const_cast<char*>(in.data());
  size_t sourceLeft = in.size();
  char* target = out.data();
  size_t targetLeft = out.size();
  const size_t result = iconv(cd, &source, &sourceLeft, &target, &targetLeft);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1) || sourceLeft != 0) return std::nullopt;
  out.resize(out.size() - targetLeft);
  return out;
}

std::optional<std::string> ToGbk(std::u16string_view text) {
  std::string utf16le;
  for (char16_t unit : text) {
    utf16le += static_cast<char>(unit & 0xFF);
    utf16le += static_cast<char>(unit >> 8);
  }
  return Convert("GBK", "UTF-16LE", utf16le);
}

std::optional<std::u16string> FromGbk(const std::string& bytes) {
  const auto utf16le = Convert("UTF-16LE", "GBK", bytes);
  if (!utf16le || utf16le->size() % 2 != 0) return std::nullopt;
  std::u16string out;
  for (size_t i = 0; i < utf16le->size(); i += 2) {
    out += static_cast<char16_t>(static_cast<unsigned char>((*utf16le)[i]) |
                                 static_cast<unsigned char>((*utf16le)[i + 1]) << 8);
  }
  return out;
}

#endif

std::string Gbk(std::u16string_view text) {
  auto bytes = ToGbk(text);
  EXPECT_TRUE(bytes.has_value()) << Utf16ToUtf8(text);
  return bytes.value_or(std::string());
}

size_t Count(const std::string& haystack, const std::string& needle) {
  size_t count = 0;
  for (size_t at = haystack.find(needle); at != std::string::npos;
       at = haystack.find(needle, at + 1)) {
    ++count;
  }
  return count;
}

const std::string kLongDash = "\xA1\xAA";
const std::string kEnumerationComma = "\xA1\xA2";
const std::string kFullWidthColon = "\xA3\xBA";

std::vector<std::u16string> AllTexts() {
  std::vector<std::u16string> texts;
  for (const Category& category : CategoryTable()) {
    texts.emplace_back(category.key);
    for (auto row : category.rows) texts.emplace_back(row);
  }
  for (const StreamRow& row : StreamTable()) {
    texts.emplace_back(row.channel);
    texts.emplace_back(row.url);
  }
  return texts;
}

TEST(GbkRoundTrip, EveryTextSurvivesCodePage936) {
  const auto texts = AllTexts();
  EXPECT_EQ(texts.size(), 28u + 373u + 2u * 286u);
  for (const auto& text : texts) {
    const auto bytes = ToGbk(text);
    ASSERT_TRUE(bytes.has_value()) << Utf16ToUtf8(text);
    EXPECT_EQ(FromGbk(*bytes), text) << Utf16ToUtf8(text);
    // ASCII stays one byte, everything else is one double-byte GBK character.
    size_t expected = 0;
    for (char16_t unit : text) expected += unit < 0x80 ? 1 : 2;
    EXPECT_EQ(bytes->size(), expected) << Utf16ToUtf8(text);
  }
}

TEST(GbkRoundTrip, CctvKeysAndOnDemandRowsUseTheLongDash) {
  const auto table = CategoryTable();
  EXPECT_EQ(Gbk(table[9].key),
            "\xD1\xEB\xCA\xD3"
            "01" +
                kLongDash + "08\xCC\xD7");
  EXPECT_EQ(Gbk(table[10].key),
            "\xD1\xEB\xCA\xD3"
            "09" +
                kLongDash + "15\xCC\xD7");
  const Category& onDemand = table[6];
  for (size_t i = 0; i < 6; ++i) {
    const std::string row = Gbk(onDemand.rows[i]);
    EXPECT_EQ(Count(row, kLongDash), 1u);
    EXPECT_EQ(row.find('-'), std::string::npos);
  }
}

// The province names of a regional key, split at `separator`.
std::vector<std::string> Provinces(const std::string& key, const std::string& separator) {
  std::vector<std::string> names;
  size_t from = 0;
  for (size_t at = key.find(separator); at != std::string::npos; at = key.find(separator, from)) {
    names.push_back(key.substr(from, at - from));
    from = at + separator.size();
  }
  names.push_back(key.substr(from));
  return names;
}

TEST(GbkRoundTrip, RegionalKeysSeparateProvincesByCommaThenByBlank) {
  const auto table = CategoryTable();
  for (size_t i = 11; i < 24; ++i) {
    SCOPED_TRACE(i + 1);
    const std::string key = Gbk(table[i].key);
    const bool commas = i < 18;
    EXPECT_EQ(Count(key, commas ? " " : kEnumerationComma), 0u);
    const auto names = Provinces(key, commas ? kEnumerationComma : " ");
    EXPECT_GE(names.size(), 2u);
    for (const auto& name : names) {
      // Two or three double-byte characters, nothing single-byte.
      EXPECT_TRUE(name.size() == 4 || name.size() == 6);
      for (char byte : name) EXPECT_GE(static_cast<unsigned char>(byte), 0x80);
    }
    // Keys 13 to 18 and 19 to 24 name the same provinces, only the separator differs.
    if (i >= 18) {
      EXPECT_EQ(names, Provinces(Gbk(table[i - 6].key), kEnumerationComma));
    }
  }
  EXPECT_EQ(Gbk(table[17].key), "\xC7\xE0\xBA\xA3" + kEnumerationComma + "\xD0\xC2\xBD\xAE");
  EXPECT_EQ(Gbk(table[23].key), "\xC7\xE0\xBA\xA3 \xD0\xC2\xBD\xAE");
}

TEST(GbkRoundTrip, HyphensAndPointsAreAscii) {
  for (std::u16string_view name :
       {u"泰州973快乐先锋-上", u"泰州973快乐先锋-下", u"江苏交通广播网-热门电台"}) {
    const std::string bytes = Gbk(name);
    EXPECT_EQ(Count(bytes, "-"), 1u);
    EXPECT_EQ(Count(bytes, kLongDash), 0u);
  }
  EXPECT_NE(Gbk(u"中国国际广播电台FM91.5").find("FM91.5"), std::string::npos);
  EXPECT_NE(Gbk(u"江西影视频道(四套)连接1").find('('), std::string::npos);
}

TEST(GbkRoundTrip, TrailingBlanksAreSingleAsciiBlanks) {
  std::vector<std::string> endingInBlank;
  for (const StreamRow& row : StreamTable()) {
    for (std::u16string_view text : {row.channel, row.url}) {
      const std::string bytes = Gbk(text);
      if (!bytes.empty() && bytes.back() == ' ') {
        endingInBlank.push_back(bytes);
        EXPECT_NE(bytes[bytes.size() - 2], ' ');
      }
    }
  }
  ASSERT_EQ(endingInBlank.size(), 3u);
  EXPECT_EQ(endingInBlank[0].substr(endingInBlank[0].size() - 6), "/ggtv ");
  EXPECT_EQ(endingInBlank[1].substr(endingInBlank[1].size() - 17), "/live2/live2.asf ");
  EXPECT_EQ(endingInBlank[2], Gbk(u"成都电台交通文艺") + " ");
}

TEST(GbkRoundTrip, PlayingStatusUsesTheFullWidthColon) {
  testsupport::RecordingPlayer player;
  std::u16string status;
  StartPlayback([] { return std::u16string(u"CCTV-5"); }, player,
                [&](std::u16string_view text) { status = text; });
  // 正在播放 in GBK, the colon, then the channel name.
  EXPECT_EQ(Gbk(status), "\xD5\xFD\xD4\xDA\xB2\xA5\xB7\xC5" + kFullWidthColon + "CCTV-5");
  EXPECT_EQ(FromGbk(Gbk(status)), status);
}

}  // namespace
}  // namespace telvana
