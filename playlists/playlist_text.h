// The small text work that reading every kind of list shares: blanks as lists use them,
// ASCII case for tags, names made fit to show, and lines split on any line end. Portable.
#pragma once

#include <string>
#include <string_view>

namespace telvana::playlists {

bool IsBlank(char16_t c);
std::u16string_view Trim(std::u16string_view s);
char16_t AsciiLower(char16_t c);
std::u16string AsciiLower(std::u16string_view s);
bool StartsWithNoCase(std::u16string_view s, std::u16string_view lower_prefix);
bool IsHighSurrogate(char16_t c);
bool IsLowSurrogate(char16_t c);
// A name or group as the list shows it: one line, no control characters, bounded, without
// cutting a surrogate pair in two; a lone surrogate becomes U+FFFD, as it would come back
// from the UTF-8 file.
std::u16string CleanText(std::u16string_view s);

// Splits on CR LF, LF or a lone CR.
template <class F>
void ForEachLine(std::u16string_view text, F&& f) {
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) {
      if (start < text.size()) f(text.substr(start));
      return;
    }
    f(text.substr(start, end - start));
    start = end + ((text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1);
  }
}

}  // namespace telvana::playlists
