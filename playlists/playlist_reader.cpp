#include "playlists/playlist_reader.h"

#include "player/address.h"
#include "playlists/entry_collector.h"
#include "playlists/playlist_text.h"

namespace telvana::playlists {
namespace {

// An address keeps its characters as they are, so it must be one line of whole characters.
bool IsCleanAddress(std::u16string_view address) {
  for (std::size_t i = 0; i < address.size(); ++i) {
    const char16_t c = address[i];
    if (c < 0x20 || c == 0x7F || IsLowSurrogate(c)) return false;
    if (IsHighSurrogate(c)) {
      if (i + 1 >= address.size() || !IsLowSurrogate(address[i + 1])) return false;
      ++i;
    }
  }
  return true;
}

std::size_t SchemeLength(std::u16string_view address) {
  std::size_t i = 0;
  while (i < address.size() &&
         ((address[i] >= u'a' && address[i] <= u'z') ||
          (address[i] >= u'A' && address[i] <= u'Z') ||
          (i > 0 && ((address[i] >= u'0' && address[i] <= u'9') || address[i] == u'+' ||
                     address[i] == u'-' || address[i] == u'.')))) {
    ++i;
  }
  // One letter before a colon is a drive, not a scheme.
  if (i < 2 || address.substr(i, 3) != u"://") return 0;
  return i;
}

}  // namespace

std::size_t SkipCounts::Total() const {
  std::size_t total = 0;
  for (const std::size_t n : counts) total += n;
  return total;
}

bool IsPlayableAddress(std::u16string_view address, SkipReason* why_not) {
  SkipReason reason = SkipReason::kUnplayable;
  address = Trim(address);
  const std::size_t scheme = SchemeLength(address);
  if (scheme == 0 || StartsWithNoCase(address, u"file:")) {
    reason = SkipReason::kNotNetwork;
  } else if (address.size() <= kMaxAddressLength && address.size() > scheme + 3 &&
             address[scheme + 3] != u'/' && IsCleanAddress(address)) {
    const std::string bytes = player::NormalizeAddress(address);
    if (!player::TransportCandidates(bytes).empty()) return true;
  }
  if (why_not) *why_not = reason;
  return false;
}

std::u16string NameFromAddress(std::u16string_view address) {
  address = Trim(address);
  const std::size_t scheme = SchemeLength(address);
  std::u16string_view rest = scheme ? address.substr(scheme + 3) : address;
  rest = rest.substr(0, rest.find_first_of(u"?#"));
  while (!rest.empty() && rest.back() == u'/') rest.remove_suffix(1);
  const std::size_t slash = rest.rfind(u'/');
  return CleanText(slash == std::u16string_view::npos ? rest : rest.substr(slash + 1));
}

PlaylistFormat GuessFormat(std::u16string_view text, std::string_view extension) {
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  const std::u16string head = AsciiLower(text.substr(start, 1024));
  if (head.starts_with(u"#extm3u")) return PlaylistFormat::kM3u;
  if (head.starts_with(u"[playlist]") || head.starts_with(u"[reference]")) {
    return PlaylistFormat::kPls;
  }
  if (head.find(u"<asx") != std::u16string::npos) return PlaylistFormat::kAsx;
  std::string ext(extension);
  for (char& c : ext) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  if (ext == "pls") return PlaylistFormat::kPls;
  if (ext == "asx" || ext == "wax" || ext == "wvx") return PlaylistFormat::kAsx;
  return PlaylistFormat::kM3u;
}

PlaylistContents ReadPlaylistText(std::u16string_view text, PlaylistFormat format,
                                  std::u16string_view default_group) {
  PlaylistContents out;
  EntryCollector collector(out, default_group);
  switch (format) {
    case PlaylistFormat::kM3u:
      ReadM3u(text, collector);
      break;
    case PlaylistFormat::kPls:
      ReadPls(text, collector);
      break;
    case PlaylistFormat::kAsx:
      ReadAsx(text, collector);
      break;
  }
  return out;
}

PlaylistContents ReadPlaylist(std::string_view bytes, std::string_view extension,
                              std::u16string_view default_group, const LegacyDecoder& legacy) {
  if (bytes.size() > kMaxPlaylistBytes) {
    // Read that far, to the end of its last whole line, so no character is cut in two.
    bytes = bytes.substr(0, kMaxPlaylistBytes);
    const std::size_t line_end = bytes.rfind('\n');
    if (line_end != std::string_view::npos) bytes = bytes.substr(0, line_end + 1);
  }
  DecodedText decoded = DecodeText(bytes, legacy);
  if (decoded.encoding == TextEncoding::kBinary) {
    PlaylistContents out;
    out.is_text = false;
    return out;
  }
  return ReadPlaylistText(decoded.text, GuessFormat(decoded.text, extension), default_group);
}

}  // namespace telvana::playlists
