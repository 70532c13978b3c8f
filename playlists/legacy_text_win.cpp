#include "playlists/legacy_text_win.h"

#include <windows.h>

#include <climits>

namespace telvana::playlists {

std::u16string DecodeGbk(std::string_view bytes) {
  constexpr UINT kGbk = 936;
  std::u16string out;
  // MultiByteToWideChar takes an int length: a longer text goes in pieces cut after an ASCII
  // byte, which never ends a double-byte character.
  while (!bytes.empty()) {
    std::size_t piece = std::min<std::size_t>(bytes.size(), INT_MAX / 2);
    if (piece < bytes.size()) {
      while (piece > 0 && static_cast<unsigned char>(bytes[piece - 1]) >= 0x80) --piece;
      if (piece == 0) piece = std::min<std::size_t>(bytes.size(), INT_MAX / 2);
    }
    const int length = static_cast<int>(piece);
    const int wide = ::MultiByteToWideChar(kGbk, 0, bytes.data(), length, nullptr, 0);
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(std::max(wide, 0)));
    if (wide > 0) {
      ::MultiByteToWideChar(kGbk, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(&out[at]),
                            wide);
    }
    bytes.remove_prefix(piece);
  }
  return out;
}

}  // namespace telvana::playlists
