// M3U: one address a line, or extended with #EXTINF lines (a duration, attributes such as
// group-title and tvg-name, then the name) and #EXTGRP lines; unknown tags are passed over.
#include <string>

#include "playlists/entry_collector.h"
#include "playlists/playlist_text.h"

namespace telvana::playlists {
namespace {

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

}  // namespace

void ReadM3u(std::u16string_view text, EntryCollector& collector) {
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

}  // namespace telvana::playlists
