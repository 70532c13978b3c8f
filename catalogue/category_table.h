// The compiled-in category table: 28 categories, each with its channel rows in list order.
// A category's key is the caption of the menu item that selects it; a row is both the text
// shown in the channel list and the key of the stream table. Texts are UTF-16 code units,
// compared whole and exactly (no case folding, no trimming).
#pragma once

#include <span>
#include <string_view>

namespace telvana {

struct Category {
  std::u16string_view key;
  std::span<const std::u16string_view> rows;  // blank rows stand only at the end
};

std::span<const Category> CategoryTable();

// The two operations of the channel list's string collection that filling needs.
class ChannelListRows {
 public:
  virtual ~ChannelListRows() = default;
  virtual void clear() = 0;
  virtual void append(std::u16string_view row) = 0;
};

// Replaces the list's rows with those of the category whose key equals `categoryName`;
// leaves the list untouched when no key matches. Reports no failure: one while appending
// ends the fill quietly, keeping the rows appended so far.
void FillChannelList(std::u16string_view categoryName, ChannelListRows& list);

}  // namespace telvana
