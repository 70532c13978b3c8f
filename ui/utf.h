// Conversions between UTF-8 (our source texts and stored descriptions) and UTF-16 (the
// program's texts). Portable; on Windows a wchar_t string is the same code units.
#pragma once

#include <string>
#include <string_view>

namespace telvana {

// Invalid UTF-8 sequences become U+FFFD; nothing is dropped silently.
std::u16string Utf8ToUtf16(std::string_view text);
// Whether every sequence of `text` is valid UTF-8 (shortest forms of scalar values only).
bool IsValidUtf8(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

#ifdef _WIN32
static_assert(sizeof(wchar_t) == sizeof(char16_t));
inline std::wstring_view AsWide(std::u16string_view s) {
  return {reinterpret_cast<const wchar_t*>(s.data()), s.size()};
}
inline std::u16string_view AsUtf16(std::wstring_view s) {
  return {reinterpret_cast<const char16_t*>(s.data()), s.size()};
}
inline std::wstring WideFromUtf8(std::string_view text) {
  return std::wstring(AsWide(Utf8ToUtf16(text)));
}
inline std::string Utf8FromWide(std::wstring_view text) {
  return Utf16ToUtf8(AsUtf16(text));
}
#endif

}  // namespace telvana
