#include "ui/utf.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace telvana {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';
const std::string kReplacementUtf8 = "\xEF\xBF\xBD";

// The UTF-8 form of one code point, written out by hand (independent of the code under test).
std::string Encode8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::u16string Encode16(char32_t c) {
  if (c < 0x10000) return std::u16string(1, static_cast<char16_t>(c));
  c -= 0x10000;
  return {static_cast<char16_t>(0xD800 + (c >> 10)), static_cast<char16_t>(0xDC00 + (c & 0x3FF))};
}

bool IsWellFormed(std::u16string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] >= 0xD800 && s[i] <= 0xDBFF) {
      if (i + 1 >= s.size() || s[i + 1] < 0xDC00 || s[i + 1] > 0xDFFF) return false;
      ++i;
    } else if (s[i] >= 0xDC00 && s[i] <= 0xDFFF) {
      return false;
    }
  }
  return true;
}

TEST(Utf, KnownTextsBothWays) {
  struct Case {
    std::string utf8;
    std::u16string utf16;
  } cases[] = {
      {"", u""},
      {"Korvane", u"Korvane"},
      {"caf\xC3\xA9", u"caf\u00E9"},
      {"\xE5\xBD\xB1\xE8\xA7\x86", u"影视"},
      {"\xE2\x80\x94\xE3\x80\x81\xEF\xBC\x9A",
       u"\u2014\u3001\uFF1A"},  // the catalogue's punctuation
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},  // an embedded zero is a character
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
  }
}

TEST(Utf, EveryScalarValueRoundTrips) {
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const std::string utf8 = Encode8(c);
    const std::u16string utf16 = Encode16(c);
    ASSERT_EQ(Utf8ToUtf16(utf8), utf16) << "U+" << std::hex << static_cast<std::uint32_t>(c);
    ASSERT_EQ(Utf16ToUtf8(utf16), utf8) << "U+" << std::hex << static_cast<std::uint32_t>(c);
  }
}

TEST(Utf, InvalidUtf8BecomesReplacementAndKeepsWhatFollows) {
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"stray continuation byte", "\x80"},
      {"lead byte that never leads", "\xFF"},
      {"another", "\xFE"},
      {"five-byte lead", "\xF8\x88\x80\x80\x80"},
      {"truncated at the end", "\xE5\xBD"},
      {"lead byte alone at the end", "\xF0"},
      {"overlong slash", "\xC0\xAF"},
      {"overlong three-byte", "\xE0\x80\xAF"},
      {"overlong four-byte", "\xF0\x80\x80\xAF"},
      {"encoded high surrogate", "\xED\xA0\x80"},
      {"encoded low surrogate", "\xED\xBF\xBF"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80"},
      {"lead F5", "\xF5\x80\x80\x80"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::u16string decoded = Utf8ToUtf16("<" + c.bytes + ">");
    ASSERT_GE(decoded.size(), 3u);
    EXPECT_EQ(decoded.front(), u'<');
    EXPECT_EQ(decoded.back(), u'>');
    const std::u16string_view middle(decoded.data() + 1, decoded.size() - 2);
    EXPECT_FALSE(middle.empty()) << "the bad bytes were dropped silently";
    for (char16_t unit : middle) EXPECT_EQ(unit, kReplacement);
    EXPECT_LE(middle.size(), c.bytes.size());
  }
}

TEST(Utf, ATruncatedSequenceDoesNotSwallowTheNextCharacter) {
  // The lead byte of 影 cut short, then a whole 视 and an ASCII letter.
  EXPECT_EQ(Utf8ToUtf16("\xE5\xBD"
                        "\xE8\xA7\x86"
                        "A"),
            u"\uFFFD视A");
  EXPECT_EQ(Utf8ToUtf16("\xE5"
                        "A"),
            u"\uFFFDA");
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98"
                        "\xF0\x9F\x98\x80"),
            u"\uFFFD\U0001F600");
  // An overlong form of '/' must never read as '/'.
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF").find(u'/'), std::u16string::npos);
}

TEST(Utf, UnpairedSurrogatesBecomeReplacement) {
  struct Case {
    const char* what;
    std::u16string utf16;
    std::string utf8;
  } cases[] = {
      {"high alone", u"\xD83D", kReplacementUtf8},
      {"low alone", u"\xDE00", kReplacementUtf8},
      {"high at the end", u"a\xD83D", "a" + kReplacementUtf8},
      {"high before a letter",
       u"\xD83D"
       u"a",
       kReplacementUtf8 + "a"},
      {"reversed pair", u"\xDE00\xD83D", kReplacementUtf8 + kReplacementUtf8},
      {"two highs then a low", u"\xD83D\xD83D\xDE00", kReplacementUtf8 + "\xF0\x9F\x98\x80"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
  }
}

TEST(Utf, ArbitraryBytesDecodeToWellFormedText) {
  std::mt19937 random(20060115);
  std::uniform_int_distribution<int> byte(0, 255), length(0, 24);
  for (int round = 0; round < 20000; ++round) {
    std::string bytes(static_cast<std::size_t>(length(random)), '\0');
    for (char& b : bytes) b = static_cast<char>(byte(random));
    const std::u16string decoded = Utf8ToUtf16(bytes);
    ASSERT_TRUE(IsWellFormed(decoded));
    ASSERT_LE(decoded.size(), bytes.size());
    // Decoding again what was encoded gives the same text: the replacement is stable.
    ASSERT_EQ(Utf8ToUtf16(Utf16ToUtf8(decoded)), decoded);
  }
}

#ifdef _WIN32
TEST(Utf, WideHelpersAreTheSameCodeUnits) {
  EXPECT_EQ(WideFromUtf8("正在播放\xEF\xBC\x9A"), L"正在播放\uFF1A");
  EXPECT_EQ(Utf8FromWide(L"正在播放\uFF1A"), "正在播放\xEF\xBC\x9A");
  EXPECT_EQ(AsWide(u"\U0001F600"), std::wstring_view(L"\U0001F600"));
}
#endif

}  // namespace
}  // namespace telvana
