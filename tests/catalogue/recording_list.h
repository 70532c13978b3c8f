// A channel list for tests: keeps its rows, counts clears, and can be told to fail.
#pragma once

#include <new>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/category_table.h"

namespace telvana::testsupport {

class RecordingList final : public ChannelListRows {
 public:
  std::vector<std::u16string> rows;
  int clears = 0;
  bool failClear = false;
  // The append with this index (0-based, counted over the list's life) throws bad_alloc.
  std::optional<int> failingAppend;

  void clear() override {
    if (failClear) throw std::bad_alloc();
    ++clears;
    rows.clear();
  }
  void append(std::u16string_view row) override {
    if (failingAppend && appends_ == *failingAppend) throw std::bad_alloc();
    ++appends_;
    rows.emplace_back(row);
  }

 private:
  int appends_ = 0;
};

}  // namespace telvana::testsupport
