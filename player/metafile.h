// Metafiles: the small text files that web pages hand to a player instead of a stream.
// Windows Media's ASX (.asx, .wax, .wvx, in its XML-like form and its older
// "[Reference] Ref1=" form), RealMedia's .ram and .rpm (one address a line) and SMIL (.smi,
// .smil). Real ones are sloppy: upper-case tags, unquoted or single-quoted attributes,
// unescaped ampersands, text and script around the markup, UTF-16 files. They are read
// leniently and give the ordered list of addresses to try. Portable.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace telvana::player {

enum class MetafileKind { None, Asx, Ram, Smil };

// What a body looks like, from its first bytes (a kilobyte is plenty): None for anything
// that is not recognisably a metafile, which includes every media container.
MetafileKind SniffMetafile(std::string_view head);
// What an address's extension promises; None when it promises nothing.
MetafileKind MetafileKindFromExtension(std::string_view extension);

// Metafiles are small; anything longer is not read further.
inline constexpr std::size_t kMaxMetafileBytes = 256 * 1024;
// No page lists more alternatives than this; more are ignored.
inline constexpr std::size_t kMaxMetafileEntries = 64;

// The addresses a metafile lists, in the order a player tries them, resolved against the
// address the metafile came from (`base`) and normalised (see NormalizeAddressBytes).
// Entries with a scheme the player does not stream from (file:, javascript:, ...) are left
// out. The text may be UTF-8, UTF-16 with a byte-order mark, or a local code page.
std::vector<std::string> ParseMetafile(MetafileKind kind, std::string_view text,
                                       std::string_view base);

}  // namespace telvana::player
