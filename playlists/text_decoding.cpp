#include "playlists/text_decoding.h"

#include <algorithm>

#include "ui/utf.h"

namespace telvana::playlists {
namespace {

// Enough of the start to tell text from something else without reading it all.
constexpr std::size_t kSniffBytes = 64 * 1024;

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

// UTF-16 saved without a mark still shows itself: ASCII text has a zero in every other byte.
TextEncoding GuessUnmarkedUtf16(std::string_view head) {
  if (head.size() < 4) return TextEncoding::kBinary;
  std::size_t even_zeros = 0, odd_zeros = 0;
  const std::size_t pairs = std::min<std::size_t>(head.size() / 2, 512);
  for (std::size_t i = 0; i < pairs; ++i) {
    if (head[2 * i] == '\0') ++even_zeros;
    if (head[2 * i + 1] == '\0') ++odd_zeros;
  }
  if (odd_zeros * 10 >= pairs * 9 && even_zeros == 0) return TextEncoding::kUtf16Le;
  if (even_zeros * 10 >= pairs * 9 && odd_zeros == 0) return TextEncoding::kUtf16Be;
  return TextEncoding::kBinary;
}

std::u16string DecodeUtf16(std::string_view bytes, bool little_endian) {
  std::u16string out(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto lo = static_cast<unsigned char>(bytes[2 * i + (little_endian ? 0 : 1)]);
    const auto hi = static_cast<unsigned char>(bytes[2 * i + (little_endian ? 1 : 0)]);
    out[i] = static_cast<char16_t>(lo | (hi << 8));
  }
  return out;
}

}  // namespace

TextEncoding GuessEncoding(std::string_view bytes) {
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return TextEncoding::kUtf8;
  if (StartsWith(bytes, "\xFF\xFE")) return TextEncoding::kUtf16Le;
  if (StartsWith(bytes, "\xFE\xFF")) return TextEncoding::kUtf16Be;
  const std::string_view head = bytes.substr(0, kSniffBytes);
  if (head.find('\0') != std::string_view::npos) return GuessUnmarkedUtf16(head);
  // Text has few control characters besides tabs and line ends; pictures, archives and
  // programs have many.
  const std::size_t controls = std::count_if(head.begin(), head.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f') || u == 0x7F;
  });
  if (controls * 50 > head.size()) return TextEncoding::kBinary;
  return IsValidUtf8(bytes) ? TextEncoding::kUtf8 : TextEncoding::kLegacy;
}

DecodedText DecodeText(std::string_view bytes, const LegacyDecoder& legacy) {
  const TextEncoding encoding = GuessEncoding(bytes);
  switch (encoding) {
    case TextEncoding::kUtf8:
      if (StartsWith(bytes, "\xEF\xBB\xBF")) bytes.remove_prefix(3);
      return {encoding, Utf8ToUtf16(bytes)};
    case TextEncoding::kUtf16Le:
    case TextEncoding::kUtf16Be:
      if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) bytes.remove_prefix(2);
      return {encoding, DecodeUtf16(bytes, encoding == TextEncoding::kUtf16Le)};
    case TextEncoding::kLegacy:
      if (legacy) return {encoding, legacy(bytes)};
      return {encoding, Utf8ToUtf16(bytes)};  // undecodable bytes show as U+FFFD
    case TextEncoding::kBinary:
      break;
  }
  return {TextEncoding::kBinary, {}};
}

}  // namespace telvana::playlists
