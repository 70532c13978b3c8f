// PLS ("[playlist]", FileN= and TitleN=), also the older ASX form ("[Reference]", RefN=)
#include <map>
#include <string>

#include "playlists/entry_collector.h"
#include "playlists/playlist_text.h"

namespace telvana::playlists {

void ReadPls(std::u16string_view text, EntryCollector& collector) {
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

}  // namespace telvana::playlists
