// Byte-string helpers with the ASCII-only case rules of skin names, sections and keys.
// Skin texts may be GBK; their lead and trail bytes are left untouched except that a trail
// byte in 'A'..'Z' is folded like any other, the same way on both sides of a comparison.
#pragma once

#include <string>
#include <string_view>

namespace telvana {

constexpr char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

inline std::string AsciiLowered(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

inline std::string AsciiUppered(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return out;
}

// The same rules for the wide texts of window classes and property values.
constexpr wchar_t AsciiLower(wchar_t c) {
  return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
}

inline std::wstring AsciiLowered(std::wstring_view s) {
  std::wstring out(s);
  for (wchar_t& c : out) c = AsciiLower(c);
  return out;
}

inline bool AsciiEqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// Blanks and control characters: every byte up to and including the space.
constexpr bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

inline std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlankOrControl(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlankOrControl(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace telvana
