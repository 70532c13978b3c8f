// The text of a playlist file, whatever it was saved as: UTF-8 with or without a byte-order
// mark, UTF-16 either way round (with a mark, or recognisably without one), or the local
// Chinese code page (GBK), which lists made on Chinese systems use. GBK itself is decoded by
// the caller (on Windows by the system, see legacy_text_win.h), so this stays portable.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace telvana::playlists {

enum class TextEncoding { kUtf8, kUtf16Le, kUtf16Be, kLegacy, kBinary };

// Decodes text of the local code page; bytes it cannot decode become U+FFFD.
using LegacyDecoder = std::function<std::u16string(std::string_view)>;

// What a file's bytes are. kBinary: not text at all (a picture or a program renamed), which
// shows as NUL bytes or many control characters near the start.
TextEncoding GuessEncoding(std::string_view bytes);

struct DecodedText {
  TextEncoding encoding;
  std::u16string text;  // empty for kBinary; without a byte-order mark
};
DecodedText DecodeText(std::string_view bytes, const LegacyDecoder& legacy);

}  // namespace telvana::playlists
