#include "ui/utf.h"

#include <optional>

namespace telvana {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
  } else {
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  }
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}
}  // namespace

namespace {
// One UTF-8 sequence at `i`: its code point, or nothing when it is not a valid, shortest
// encoding of a scalar value; and how many bytes it takes (a faulty sequence takes its lead
// byte and the continuation bytes that follow it).
struct Utf8Sequence {
  std::optional<char32_t> code_point;
  std::size_t length;
};

Utf8Sequence ReadUtf8Sequence(std::string_view text, std::size_t i) {
  const auto b = static_cast<unsigned char>(text[i]);
  if (b < 0x80) return {b, 1};
  int extra = 0;
  char32_t c = 0, min = 0;
  if ((b & 0xE0) == 0xC0) {
    extra = 1, c = b & 0x1F, min = 0x80;
  } else if ((b & 0xF0) == 0xE0) {
    extra = 2, c = b & 0x0F, min = 0x800;
  } else if ((b & 0xF8) == 0xF0) {
    extra = 3, c = b & 0x07, min = 0x10000;
  } else {
    return {std::nullopt, 1};
  }
  std::size_t j = 1;
  for (; j <= static_cast<std::size_t>(extra); ++j) {
    if (i + j >= text.size()) break;
    const auto cb = static_cast<unsigned char>(text[i + j]);
    if ((cb & 0xC0) != 0x80) break;
    c = (c << 6) | (cb & 0x3F);
  }
  if (j != static_cast<std::size_t>(extra) + 1 || c < min || c > 0x10FFFF ||
      (c >= 0xD800 && c <= 0xDFFF)) {
    return {std::nullopt, j};
  }
  return {c, j};
}
}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Sequence sequence = ReadUtf8Sequence(text, i);
    AppendUtf16(out, sequence.code_point.value_or(kReplacement));
    i += sequence.length;
  }
  return out;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Sequence sequence = ReadUtf8Sequence(text, i);
    if (!sequence.code_point) return false;
    i += sequence.length;
  }
  return true;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;
    }
    AppendUtf8(out, c);
  }
  return out;
}

}  // namespace telvana
