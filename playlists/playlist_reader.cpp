#include "playlists/playlist_reader.h"

#include <algorithm>
#include <map>

#include "player/address.h"
#include "ui/utf.h"

namespace telvana::playlists {
namespace {

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

// A name or group as the list shows it: one line, no control characters, bounded, without
// cutting a surrogate pair in two.
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

// What one list's entries are collected into, with the reasons of those left out.
class Collector {
 public:
  Collector(PlaylistContents& out, std::u16string_view default_group)
      : out_(out), default_group_(CleanText(default_group)) {
    if (default_group_.empty()) default_group_ = u"未分组";
  }

  void Add(std::u16string_view address, std::u16string_view name, std::u16string_view group) {
    address = Trim(address);
    SkipReason why;
    if (!IsPlayableAddress(address, &why)) {
      ++out_.skipped[why];
      return;
    }
    UserChannel channel{CleanText(name), CleanText(group), std::u16string(address)};
    if (channel.name.empty()) channel.name = NameFromAddress(address);
    if (channel.name.empty()) channel.name = CleanText(address);
    if (channel.group.empty()) channel.group = default_group_;
    out_.channels.push_back(std::move(channel));
  }
  void NoAddress() { ++out_.skipped[SkipReason::kNoAddress]; }

 private:
  PlaylistContents& out_;
  std::u16string default_group_;
};

// ---------------------------------------------------------------------------------------
// M3U

struct ExtInf {
  std::u16string name;
  std::u16string group;
  std::u16string tvg_name;
};

// "#EXTINF:-1 tvg-name="..." group-title="...",Name": the attributes stand before the first
// comma that is not inside quotes, the name after it.
ExtInf ParseExtInf(std::u16string_view rest) {
  ExtInf info;
  std::size_t i = 0;
  bool quoted = false;
  for (; i < rest.size(); ++i) {
    if (rest[i] == u'"') quoted = !quoted;
    if (rest[i] == u',' && !quoted) break;
  }
  const std::u16string_view attributes = rest.substr(0, i);
  if (i < rest.size()) info.name = CleanText(rest.substr(i + 1));

  std::size_t p = 0;
  while (p < attributes.size()) {
    const std::size_t eq = attributes.find(u'=', p);
    if (eq == std::u16string_view::npos) break;
    std::size_t key_start = attributes.find_last_of(u" \t", eq);
    key_start = key_start == std::u16string_view::npos || key_start < p ? p : key_start + 1;
    const std::u16string key = AsciiLower(Trim(attributes.substr(key_start, eq - key_start)));
    std::size_t value_start = eq + 1, value_end;
    if (value_start < attributes.size() && attributes[value_start] == u'"') {
      ++value_start;
      value_end = attributes.find(u'"', value_start);
      if (value_end == std::u16string_view::npos) value_end = attributes.size();
      p = value_end + 1;
    } else {
      value_end = attributes.find_first_of(u" \t", value_start);
      if (value_end == std::u16string_view::npos) value_end = attributes.size();
      p = value_end;
    }
    const std::u16string_view value = attributes.substr(value_start, value_end - value_start);
    if (key == u"group-title") info.group = CleanText(value);
    if (key == u"tvg-name") info.tvg_name = CleanText(value);
  }
  return info;
}

void ReadM3u(std::u16string_view text, Collector& collector) {
  ExtInf pending;
  bool has_info = false;
  std::u16string extgrp;
  ForEachLine(text, [&](std::u16string_view raw) {
    const std::u16string_view line = Trim(raw);
    if (line.empty()) return;
    if (line.front() == u'#') {
      if (StartsWithNoCase(line, u"#extinf:")) {
        if (has_info) collector.NoAddress();
        pending = ParseExtInf(line.substr(8));
        has_info = true;
      } else if (StartsWithNoCase(line, u"#extgrp:")) {
        extgrp = CleanText(line.substr(8));
      }
      return;  // #EXTM3U and every tag we do not know
    }
    const std::u16string& name = !pending.name.empty() ? pending.name : pending.tvg_name;
    collector.Add(line, name, !pending.group.empty() ? pending.group : extgrp);
    pending = {};
    has_info = false;
    extgrp.clear();
  });
  if (has_info) collector.NoAddress();
}

// ---------------------------------------------------------------------------------------
// PLS ("[playlist]", FileN= and TitleN=), also the older ASX form ("[Reference]", RefN=)

void ReadPls(std::u16string_view text, Collector& collector) {
  struct Entry {
    std::u16string address, title;
  };
  std::map<unsigned long, Entry> entries;
  ForEachLine(text, [&](std::u16string_view raw) {
    const std::u16string_view line = Trim(raw);
    const std::size_t eq = line.find(u'=');
    if (eq == std::u16string_view::npos) return;
    const std::u16string key = AsciiLower(Trim(line.substr(0, eq)));
    const std::u16string_view value = Trim(line.substr(eq + 1));
    std::size_t digits = key.size();
    while (digits > 0 && key[digits - 1] >= u'0' && key[digits - 1] <= u'9') --digits;
    if (digits == key.size() || key.size() - digits > 9) return;
    unsigned long index = 0;
    for (std::size_t i = digits; i < key.size(); ++i) index = index * 10 + (key[i] - u'0');
    const std::u16string_view field = std::u16string_view(key).substr(0, digits);
    if (field == u"file" || field == u"ref") entries[index].address = std::u16string(value);
    if (field == u"title") entries[index].title = std::u16string(value);
  });
  for (const auto& [index, entry] : entries) {
    if (entry.address.empty()) {
      collector.NoAddress();
    } else {
      collector.Add(entry.address, entry.title, {});
    }
  }
}

// ---------------------------------------------------------------------------------------
// ASX: <entry><title>...</title><ref href="..."/></entry>, tags in any case, attributes
// quoted either way or not at all.

std::u16string DecodeEntities(std::u16string_view s) {
  static constexpr std::pair<std::u16string_view, char16_t> kEntities[] = {
      {u"&amp;", u'&'}, {u"&lt;", u'<'}, {u"&gt;", u'>'}, {u"&quot;", u'"'}, {u"&apos;", u'\''}};
  std::u16string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    bool replaced = false;
    if (s[i] == u'&') {
      for (const auto& [entity, c] : kEntities) {
        if (StartsWithNoCase(s.substr(i), entity)) {
          out.push_back(c);
          i += entity.size() - 1;
          replaced = true;
          break;
        }
      }
    }
    if (!replaced) out.push_back(s[i]);
  }
  return out;
}

// The value of attribute `name` (lower case) in the tag that starts at `tag` in `lower`.
std::u16string_view AttributeValue(std::u16string_view text, std::u16string_view lower,
                                   std::size_t tag, std::u16string_view name) {
  const std::size_t tag_end = std::min(lower.find(u'>', tag), lower.size());
  std::size_t at = lower.find(name, tag);
  while (at < tag_end) {
    std::size_t p = at + name.size();
    while (p < tag_end && IsBlank(lower[p])) ++p;
    if (p < tag_end && lower[p] == u'=' && IsBlank(lower[at - 1])) {
      ++p;
      while (p < tag_end && IsBlank(lower[p])) ++p;
      if (p < tag_end && (lower[p] == u'"' || lower[p] == u'\'')) {
        const char16_t quote = lower[p++];
        const std::size_t end = std::min(lower.find(quote, p), tag_end);
        return text.substr(p, end - p);
      }
      std::size_t end = p;
      while (end < tag_end && !IsBlank(lower[end])) ++end;
      if (end == tag_end && end > p && lower[end - 1] == u'/') --end;  // "/>" closes the tag
      return text.substr(p, end - p);
    }
    at = lower.find(name, at + 1);
  }
  return {};
}

void ReadAsx(std::u16string_view text, Collector& collector) {
  const std::u16string lower = AsciiLower(text);
  const std::u16string_view l(lower);
  std::size_t at = l.find(u"<entry");
  while (at != std::u16string_view::npos) {
    const std::size_t next = l.find(u"<entry", at + 6);
    std::size_t end = std::min(l.find(u"</entry", at), next);
    if (end == std::u16string_view::npos) end = l.size();
    if (l.substr(at, 9) == u"<entryref") {
      collector.Add(DecodeEntities(AttributeValue(text, l, at, u"href")), {}, {});
    } else {
      const std::u16string_view block = l.substr(0, end);
      std::u16string title;
      const std::size_t title_at = block.find(u"<title", at);
      if (title_at != std::u16string_view::npos) {
        const std::size_t open_end = block.find(u'>', title_at);
        if (open_end != std::u16string_view::npos) {
          const std::size_t close = std::min(block.find(u"</title", open_end), end);
          title = DecodeEntities(text.substr(open_end + 1, close - open_end - 1));
        }
      }
      const std::size_t ref = block.find(u"<ref", at);
      if (ref == std::u16string_view::npos) {
        collector.NoAddress();
      } else {
        collector.Add(DecodeEntities(AttributeValue(text, l, ref, u"href")), title, {});
      }
    }
    at = next;
  }
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
  Collector collector(out, default_group);
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
