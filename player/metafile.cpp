#include "player/metafile.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "player/address.h"
#include "ui/utf.h"

namespace telvana::player {

namespace {

bool IsBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), LowerAscii);
  return out;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The text as UTF-8 (or as the bytes of a local code page, which the address normaliser
// escapes byte by byte): UTF-16 with or without a byte-order mark is converted, a UTF-8
// mark is dropped.
std::string DecodeText(std::string_view bytes) {
  bytes = bytes.substr(0, kMaxMetafileBytes);
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  bool littleEndian = false;
  std::size_t start = 0;
  if (bytes.size() >= 2 && at(0) == 0xFF && at(1) == 0xFE) {
    littleEndian = true, start = 2;
  } else if (bytes.size() >= 2 && at(0) == 0xFE && at(1) == 0xFF) {
    start = 2;
  } else if (bytes.size() >= 4 && at(0) != 0 && at(1) == 0 && at(2) != 0 && at(3) == 0) {
    littleEndian = true;  // "<\0A\0": UTF-16 written without its mark
  } else if (bytes.size() >= 4 && at(0) == 0 && at(1) != 0 && at(2) == 0 && at(3) != 0) {
    // big-endian UTF-16 without its mark
  } else if (bytes.size() >= 3 && at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) {
    return std::string(bytes.substr(3));
  } else {
    return std::string(bytes);
  }
  std::u16string wide;
  wide.reserve((bytes.size() - start) / 2);
  for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
    wide.push_back(
        static_cast<char16_t>(littleEndian ? at(i) | (at(i + 1) << 8) : (at(i) << 8) | at(i + 1)));
  }
  return Utf16ToUtf8(wide);
}

// Character references of attribute values. An ampersand that starts no known reference is
// kept as it is: real metafiles put bare ampersands into their query strings.
std::string DecodeEntities(std::string_view s) {
  static constexpr std::pair<std::string_view, char> kNamed[] = {
      {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    if (s[i] != '&') {
      out += s[i++];
      continue;
    }
    const std::size_t semi = s.find(';', i + 1);
    if (semi == std::string_view::npos || semi - i > 10) {
      out += s[i++];
      continue;
    }
    const std::string name = Lower(s.substr(i + 1, semi - i - 1));
    bool done = false;
    for (const auto& [entity, c] : kNamed) {
      if (name == entity) {
        out += c;
        done = true;
        break;
      }
    }
    if (!done && name.size() >= 2 && name[0] == '#') {
      const bool hex = name[1] == 'x';
      const std::string_view digits = std::string_view(name).substr(hex ? 2 : 1);
      std::uint32_t value = 0;
      bool valid = !digits.empty();
      for (const char d : digits) {
        int v;
        if (d >= '0' && d <= '9') {
          v = d - '0';
        } else if (hex && d >= 'a' && d <= 'f') {
          v = d - 'a' + 10;
        } else {
          valid = false;
          break;
        }
        value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(v);
        if (value > 0x10FFFF) {
          valid = false;
          break;
        }
      }
      if (valid && value != 0 && (value < 0xD800 || value > 0xDFFF)) {
        std::u16string wide;
        if (value >= 0x10000) {
          wide += static_cast<char16_t>(0xD800 + ((value - 0x10000) >> 10));
          wide += static_cast<char16_t>(0xDC00 + ((value - 0x10000) & 0x3FF));
        } else {
          wide += static_cast<char16_t>(value);
        }
        out += Utf16ToUtf8(wide);
        done = true;
      }
    }
    if (done) {
      i = semi + 1;
    } else {
      out += s[i++];
    }
  }
  return out;
}

struct Tag {
  std::string name;  // lower case
  bool closing = false;
  std::vector<std::pair<std::string, std::string>> attributes;  // names lower case, values decoded

  const std::string* Attribute(std::string_view attribute) const {
    for (const auto& [n, v] : attributes) {
      if (n == attribute) return &v;
    }
    return nullptr;
  }
};

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == ':' || c == '-' || c == '.';
}

// Reads the tags of a markup text in order, forgivingly: comments, declarations and
// processing instructions are skipped, a '<' that starts no tag is text, and a tag cut
// off by the end of the text still counts.
template <class Visit>
void ScanTags(std::string_view text, Visit&& visit) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (true) {
    i = text.find('<', i);
    if (i == std::string_view::npos) return;
    if (text.substr(i, 4) == "<!--") {
      const std::size_t end = text.find("-->", i + 4);
      if (end == std::string_view::npos) return;
      i = end + 3;
      continue;
    }
    if (i + 1 < n && (text[i + 1] == '!' || text[i + 1] == '?')) {
      const std::size_t end = text.find('>', i + 2);
      if (end == std::string_view::npos) return;
      i = end + 1;
      continue;
    }
    Tag tag;
    std::size_t p = i + 1;
    if (p < n && text[p] == '/') {
      tag.closing = true;
      ++p;
    }
    const std::size_t nameStart = p;
    while (p < n && IsNameChar(text[p])) ++p;
    if (p == nameStart) {
      i = i + 1;
      continue;
    }
    tag.name = Lower(text.substr(nameStart, p - nameStart));
    while (p < n && text[p] != '>') {
      if (IsBlank(text[p]) || text[p] == '/') {
        ++p;
        continue;
      }
      if (text[p] == '<') break;  // an unclosed tag: the next one starts here
      const std::size_t attributeStart = p;
      while (p < n && !IsBlank(text[p]) && text[p] != '=' && text[p] != '>' && text[p] != '<' &&
             !(text[p] == '/' && p + 1 < n && text[p + 1] == '>')) {
        ++p;
      }
      std::string attribute = Lower(text.substr(attributeStart, p - attributeStart));
      while (p < n && IsBlank(text[p])) ++p;
      std::string value;
      if (p < n && text[p] == '=') {
        ++p;
        while (p < n && IsBlank(text[p])) ++p;
        if (p < n && (text[p] == '"' || text[p] == '\'')) {
          const char quote = text[p++];
          std::size_t end = text.find(quote, p);
          // A value whose closing quote is missing ends with its tag.
          const std::size_t tagEnd = text.find('>', p);
          if (end == std::string_view::npos ||
              (tagEnd != std::string_view::npos && text.find('\n', p) < end && tagEnd < end)) {
            end = tagEnd == std::string_view::npos ? n : tagEnd;
            value = DecodeEntities(text.substr(p, end - p));
            p = end;
          } else {
            value = DecodeEntities(text.substr(p, end - p));
            p = end + 1;
          }
        } else {
          const std::size_t valueStart = p;
          while (p < n && !IsBlank(text[p]) && text[p] != '>') ++p;
          std::string_view raw = text.substr(valueStart, p - valueStart);
          if (p < n && text[p] == '>' && raw.ends_with('/'))
            raw.remove_suffix(1);  // "<ref href=x/>"
          value = DecodeEntities(raw);
        }
      }
      if (!attribute.empty()) tag.attributes.emplace_back(std::move(attribute), std::move(value));
    }
    visit(tag);
    i = p;
  }
}

class EntryList {
 public:
  explicit EntryList(std::string_view base) : base_(base) {}

  void SetBase(std::string_view reference) {
    const std::string_view trimmed = Trim(reference);
    if (!trimmed.empty()) base_ = NormalizeAddressBytes(ResolveReference(base_, trimmed));
  }

  void Add(std::string_view reference) {
    if (entries_.size() >= kMaxMetafileEntries) return;
    const std::string_view trimmed = Trim(reference);
    if (trimmed.empty()) return;
    std::string address = NormalizeAddressBytes(ResolveReference(base_, trimmed));
    if (TransportCandidates(address).empty()) return;
    if (std::find(entries_.begin(), entries_.end(), address) != entries_.end()) return;
    entries_.push_back(std::move(address));
  }

  std::vector<std::string> Take() { return std::move(entries_); }

 private:
  std::string base_;
  std::vector<std::string> entries_;
};

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (LowerAscii(s[i]) != prefix[i]) return false;
  }
  return true;
}

template <class Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
  std::size_t i = 0;
  while (i <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", i);
    if (end == std::string_view::npos) end = text.size();
    if (!visit(Trim(text.substr(i, end - i)))) return;
    i = end + 1;
  }
}

// "[Reference]" followed by "Ref1=address" lines: the older ASX form. Its http entries are
// Windows Media servers, which speak MMS over HTTP; plain HTTP is kept as the fallback.
void ParseAsxReferences(std::string_view text, EntryList& list) {
  ForEachLine(text, [&](std::string_view line) {
    if (!StartsWithNoCase(line, "ref")) return true;
    std::size_t p = 3;
    while (p < line.size() && line[p] >= '0' && line[p] <= '9') ++p;
    while (p < line.size() && IsBlank(line[p])) ++p;
    if (p >= line.size() || line[p] != '=') return true;
    const std::string_view address = Trim(line.substr(p + 1));
    if (SchemeOf(address) == "http") list.Add("mmsh" + std::string(address.substr(4)));
    list.Add(address);
    return true;
  });
}

void ParseAsx(std::string_view text, EntryList& list) {
  const std::string lower = Lower(text.substr(0, 4096));
  if (lower.find("<asx") == std::string::npos && lower.find("[reference]") != std::string::npos) {
    ParseAsxReferences(text, list);
    return;
  }
  ScanTags(text, [&](const Tag& tag) {
    if (tag.closing) return;
    if (tag.name == "base") {
      if (const std::string* href = tag.Attribute("href")) list.SetBase(*href);
    } else if (tag.name == "ref" || tag.name == "entryref") {
      if (const std::string* href = tag.Attribute("href")) list.Add(*href);
    }
  });
}

void ParseSmil(std::string_view text, EntryList& list) {
  ScanTags(text, [&](const Tag& tag) {
    if (tag.closing) return;
    if (tag.name == "meta") {
      const std::string* name = tag.Attribute("name");
      const std::string* content = tag.Attribute("content");
      if (name && content && Lower(*name) == "base") list.SetBase(*content);
    } else if (tag.name == "audio" || tag.name == "video" || tag.name == "ref" ||
               tag.name == "animation" || tag.name == "media") {
      if (const std::string* src = tag.Attribute("src")) list.Add(*src);
    }
  });
}

void ParseRam(std::string_view text, EntryList& list) {
  ForEachLine(text, [&](std::string_view line) {
    if (line == "--stop--") return false;
    if (line.empty() || line.front() == '#') return true;
    if (!SchemeOf(line).empty()) list.Add(line);
    return true;
  });
}

bool LooksLikeText(std::string_view s) {
  return std::none_of(s.begin(), s.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 && u != '\t' && u != '\r' && u != '\n';
  });
}

}  // namespace

MetafileKind SniffMetafile(std::string_view head) {
  const std::string text = DecodeText(head.substr(0, 4096));
  if (!LooksLikeText(text)) return MetafileKind::None;  // media containers are binary
  const std::string lower = Lower(text);
  const std::size_t asx = lower.find("<asx");
  const std::size_t smil = lower.find("<smil");
  if (asx != std::string::npos && (smil == std::string::npos || asx < smil))
    return MetafileKind::Asx;
  if (smil != std::string::npos) return MetafileKind::Smil;
  if (lower.find("[reference]") != std::string::npos) return MetafileKind::Asx;
  MetafileKind kind = MetafileKind::None;
  ForEachLine(text, [&](std::string_view line) {
    if (line.empty() || line.front() == '#') return true;
    if (!TransportCandidates(line).empty()) kind = MetafileKind::Ram;
    return false;  // the first line that says something decides
  });
  return kind;
}

MetafileKind MetafileKindFromExtension(std::string_view extension) {
  const std::string ext = Lower(extension);
  if (ext == "asx" || ext == "wax" || ext == "wvx") return MetafileKind::Asx;
  if (ext == "ram" || ext == "rpm") return MetafileKind::Ram;
  if (ext == "smi" || ext == "smil") return MetafileKind::Smil;
  return MetafileKind::None;
}

std::vector<std::string> ParseMetafile(MetafileKind kind, std::string_view text,
                                       std::string_view base) {
  const std::string decoded = DecodeText(text);
  EntryList list(base);
  switch (kind) {
    case MetafileKind::Asx:
      ParseAsx(decoded, list);
      break;
    case MetafileKind::Ram:
      ParseRam(decoded, list);
      break;
    case MetafileKind::Smil:
      ParseSmil(decoded, list);
      break;
    case MetafileKind::None:
      break;
  }
  return list.Take();
}

}  // namespace telvana::player
