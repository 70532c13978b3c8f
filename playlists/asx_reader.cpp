// ASX: <entry><title>...</title><ref href="..."/></entry>, tags in any case, attributes
// quoted either way or not at all.
#include <algorithm>
#include <string>
#include <utility>

#include "playlists/entry_collector.h"
#include "playlists/playlist_text.h"

namespace telvana::playlists {
namespace {

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

}  // namespace

void ReadAsx(std::u16string_view text, EntryCollector& collector) {
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

}  // namespace telvana::playlists
