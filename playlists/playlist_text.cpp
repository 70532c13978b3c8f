#include "playlists/playlist_text.h"

#include <algorithm>

#include "playlists/playlist_reader.h"

namespace telvana::playlists {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f' || c == u'\v' ||
         c == 0x00A0 || c == 0x3000 || c == 0xFEFF;
}

std::u16string_view Trim(std::u16string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char16_t AsciiLower(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
}

std::u16string AsciiLower(std::u16string_view s) {
  std::u16string out(s);
  for (char16_t& c : out) c = AsciiLower(c);
  return out;
}

bool StartsWithNoCase(std::u16string_view s, std::u16string_view lower_prefix) {
  if (s.size() < lower_prefix.size()) return false;
  for (std::size_t i = 0; i < lower_prefix.size(); ++i) {
    if (AsciiLower(s[i]) != lower_prefix[i]) return false;
  }
  return true;
}

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

std::u16string CleanText(std::u16string_view s) {
  s = Trim(s);
  std::u16string out;
  out.reserve(std::min(s.size(), kMaxNameLength));
  for (std::size_t i = 0; i < s.size() && out.size() < kMaxNameLength; ++i) {
    const char16_t c = s[i];
    if (IsHighSurrogate(c) && i + 1 < s.size() && IsLowSurrogate(s[i + 1])) {
      if (out.size() + 2 > kMaxNameLength) break;
      out.push_back(c);
      out.push_back(s[++i]);
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      out.push_back(0xFFFD);  // as it would come back from the UTF-8 file
    } else {
      out.push_back(c < 0x20 || c == 0x7F ? u' ' : c);
    }
  }
  return std::u16string(Trim(out));
}

}  // namespace telvana::playlists
